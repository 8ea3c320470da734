#include "host/SceneText.h"

#include <cstdio>
#include <type_traits>

std::string ClassLabel(SClass_ID sclass, const Class_ID& cid) {
  char text[64];
  std::snprintf(text, sizeof text, "class 0x%X:(0x%08X, 0x%08X)", static_cast<unsigned>(sclass),
                static_cast<unsigned>(cid.PartA()), static_cast<unsigned>(cid.PartB()));
  return text;
}

std::string ObjectLabel(std::size_t index, const std::wstring& className, SClass_ID sclass,
                        const Class_ID& cid) {
  std::string label = "object " + std::to_string(index) + " (";
  if (!className.empty()) label += Utf8(className) + ", ";
  return label + ClassLabel(sclass, cid) + ")";
}

std::string Utf8(const std::wstring& text) {
  std::string out;
  for (wchar_t wc : text) {
    auto c = static_cast<unsigned long>(static_cast<std::make_unsigned_t<wchar_t>>(wc));
    if (c >= 0xD800 && c <= 0xDFFF) c = 0xFFFD;  // surrogates are only shown, never stored from here
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | ((c >> 18) & 0x07)));
      out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}
