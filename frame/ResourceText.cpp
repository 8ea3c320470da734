#include "frame/ResourceText.h"

#include "frame/ModuleState.h"
#include "frame/WinApi.h"

namespace {
constexpr int kTextBufferLength = 256;
wchar_t textBuffer[kTextBufferLength];
}  // namespace

const wchar_t* LoadResourceText(int id) {
  HINSTANCE instance = ModuleInstance();
  if (instance == nullptr) return nullptr;
  if (LoadStringW(instance, static_cast<UINT>(id), textBuffer, kTextBufferLength) == 0) return nullptr;
  return textBuffer;
}
