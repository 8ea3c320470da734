// The host program's operating-system needs on Linux.
#include <dlfcn.h>
#include <unistd.h>

#include <climits>

#include "tools/Platform.h"

namespace {

class PosixLibrary : public DynamicLibrary {
 public:
  explicit PosixLibrary(void* handle) : handle(handle) {}
  ~PosixLibrary() override { dlclose(handle); }
  void* Symbol(const char* name) override { return dlsym(handle, name); }

 private:
  void* handle;
};

}  // namespace

std::unique_ptr<DynamicLibrary> OpenLibrary(const std::string& path, std::string& error) {
  // Local symbols: every module keeps its own frame, as separate DLLs do.
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* why = dlerror();
    error = why != nullptr ? why : "cannot load";
    return nullptr;
  }
  return std::make_unique<PosixLibrary>(handle);
}

std::string ExecutableFolder() {
  char buffer[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return ".";
  std::string path(buffer, static_cast<std::size_t>(n));
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? "." : path.substr(0, slash);
}

bool ErrorStreamIsTerminal() { return isatty(STDERR_FILENO) != 0; }
