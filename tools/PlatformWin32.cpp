// The host program's operating-system needs on Windows.
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <vector>

#include "tools/Platform.h"

namespace {

class Win32Library : public DynamicLibrary {
 public:
  explicit Win32Library(HMODULE module) : module(module) {}
  ~Win32Library() override { FreeLibrary(module); }
  void* Symbol(const char* name) override { return reinterpret_cast<void*>(GetProcAddress(module, name)); }

 private:
  HMODULE module;
};

std::wstring Widen(const std::string& s) {
  const int n = MultiByteToWideChar(CP_UTF8, 0, s.c_str(), -1, nullptr, 0);
  std::wstring w(n > 0 ? static_cast<std::size_t>(n) : 1, L'\0');
  if (n > 0) MultiByteToWideChar(CP_UTF8, 0, s.c_str(), -1, w.data(), n);
  w.resize(w.size() - 1);
  return w;
}

std::string Narrow(const std::wstring& w) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string s(n > 0 ? static_cast<std::size_t>(n) : 1, '\0');
  if (n > 0) WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, s.data(), n, nullptr, nullptr);
  s.resize(s.size() - 1);
  return s;
}

}  // namespace

std::unique_ptr<DynamicLibrary> OpenLibrary(const std::string& path, std::string& error) {
  // No message boxes for a file that is not a module.
  const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  HMODULE module = LoadLibraryW(Widen(path).c_str());
  const DWORD code = GetLastError();
  SetErrorMode(oldMode);
  if (module == nullptr) {
    wchar_t text[512] = {};
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text, 511,
                   nullptr);
    std::string why = Narrow(text);
    while (!why.empty() && (why.back() == '\n' || why.back() == '\r' || why.back() == ' ')) why.pop_back();
    error = "LoadLibrary failed with error " + std::to_string(code) + (why.empty() ? "" : " (" + why + ")");
    return nullptr;
  }
  return std::make_unique<Win32Library>(module);
}

std::string ExecutableFolder() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return ".";
    if (n < buffer.size()) {
      std::wstring path(buffer.data(), n);
      const std::size_t slash = path.find_last_of(L"\\/");
      return slash == std::wstring::npos ? "." : Narrow(path.substr(0, slash));
    }
    buffer.resize(buffer.size() * 2);
  }
}

bool ErrorStreamIsTerminal() { return _isatty(_fileno(stderr)) != 0; }
