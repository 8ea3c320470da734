#include "host/Utf16.h"

#include <cstdint>
#include <type_traits>

namespace {

void putUnit(std::vector<unsigned char>& out, std::uint32_t unit) {
  out.push_back(static_cast<unsigned char>(unit & 0xFFu));
  out.push_back(static_cast<unsigned char>((unit >> 8) & 0xFFu));
}

bool isHigh(std::uint32_t u) { return u >= 0xD800u && u <= 0xDBFFu; }
bool isLow(std::uint32_t u) { return u >= 0xDC00u && u <= 0xDFFFu; }

}  // namespace

void AppendUtf16LE(std::vector<unsigned char>& out, const wchar_t* str) {
  if (str == nullptr) return;
  for (const wchar_t* p = str; *p != 0; ++p) {
    // Windows' wchar_t already holds UTF-16 code units; only a wider wchar_t needs pairs.
    auto c = static_cast<std::uint32_t>(static_cast<std::make_unsigned_t<wchar_t>>(*p));
    if (c <= 0xFFFFu) {
      putUnit(out, c);
    } else if (c <= 0x10FFFFu) {
      c -= 0x10000u;
      putUnit(out, 0xD800u + (c >> 10));
      putUnit(out, 0xDC00u + (c & 0x3FFu));
    } else {
      putUnit(out, 0xFFFDu);  // not a Unicode character
    }
  }
}

std::wstring DecodeUtf16LE(const unsigned char* bytes, std::size_t units) {
  std::wstring s;
  s.reserve(units);
  for (std::size_t i = 0; i < units; ++i) {
    const std::uint32_t u = bytes[2 * i] | (static_cast<std::uint32_t>(bytes[2 * i + 1]) << 8);
    if (sizeof(wchar_t) > 2 && isHigh(u) && i + 1 < units) {
      const std::uint32_t next = bytes[2 * i + 2] | (static_cast<std::uint32_t>(bytes[2 * i + 3]) << 8);
      if (isLow(next)) {
        s.push_back(static_cast<wchar_t>(0x10000u + ((u - 0xD800u) << 10) + (next - 0xDC00u)));
        ++i;
        continue;
      }
    }
    s.push_back(static_cast<wchar_t>(u));
  }
  return s;
}
