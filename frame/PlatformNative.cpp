// Native stand-ins for the module loader and the Windows calls of the frame.
#include <dlfcn.h>

#include <cwchar>

#include "frame/ModuleEntry.h"
#include "frame/StringTable.h"
#include "frame/WinApi.h"

HINSTANCE ThisModuleHandle() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&ThisModuleHandle), &info) == 0) return nullptr;
  return static_cast<HINSTANCE>(info.dli_fbase);
}

namespace {
// Loading the shared object is the native process attach.
__attribute__((constructor)) void AttachAtLoad() { DllMain(ThisModuleHandle(), DLL_PROCESS_ATTACH, nullptr); }
}  // namespace

// Like the Windows call: copies at most bufferMax - 1 characters and a terminator and answers
// the number copied, 0 for an id the table lacks. Each module reads its own table.
int LoadStringW(HINSTANCE instance, UINT id, wchar_t* buffer, int bufferMax) {
  if (instance == nullptr || buffer == nullptr || bufferMax <= 0) return 0;
  for (const ResourceString* s = moduleStringTable; s->id != 0; ++s) {
    if (static_cast<UINT>(s->id) != id) continue;
    int length = static_cast<int>(std::wcslen(s->text));
    if (length > bufferMax - 1) length = bufferMax - 1;
    std::wmemcpy(buffer, s->text, static_cast<std::size_t>(length));
    buffer[length] = L'\0';
    return length;
  }
  buffer[0] = L'\0';
  return 0;
}

BOOL DisableThreadLibraryCalls(HMODULE module) { return module != nullptr ? TRUE : FALSE; }
