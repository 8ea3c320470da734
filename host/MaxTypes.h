#pragma once
// Basic host value types: time, class ids, results and the host's wide string.
#include <cstdint>
#include <string>

#include "host/HostApi.h"
#include "host/WinTypes.h"

// Time in ticks, 4800 per second.
using TimeValue = int;
constexpr TimeValue TICKS_PER_SECOND = 4800;
constexpr TimeValue TIME_TICKSPERSEC = TICKS_PER_SECOND;
constexpr TimeValue TIME_NegInfinity = static_cast<TimeValue>(0x80000000u);
constexpr TimeValue TIME_PosInfinity = 0x7FFFFFFF;

using SClass_ID = ULONG;
constexpr SClass_ID MATERIAL_CLASS_ID = 0xC00;
constexpr SClass_ID TEXMAP_CLASS_ID = 0xC10;
constexpr SClass_ID PARAMETER_BLOCK_CLASS_ID = 0x8;
constexpr SClass_ID TEXOUTPUT_CLASS_ID = 0x1020;
constexpr SClass_ID REF_TARGET_CLASS_ID = 0x900;

class Class_ID {
 public:
  constexpr Class_ID() = default;
  constexpr Class_ID(ULONG a, ULONG b) : a(a), b(b) {}
  constexpr ULONG PartA() const { return a; }
  constexpr ULONG PartB() const { return b; }
  constexpr bool operator==(const Class_ID& o) const { return a == o.a && b == o.b; }
  constexpr bool operator!=(const Class_ID& o) const { return !(*this == o); }
  constexpr bool operator<(const Class_ID& o) const { return a < o.a || (a == o.a && b < o.b); }

 private:
  ULONG a = 0xFFFFFFFFu;
  ULONG b = 0xFFFFFFFFu;
};

// A reference message part id: a bit mask, or a pointer to a request record.
using PartID = ULONG_PTR;
constexpr PartID PART_ALL = 0x7FFFFFFF;

using RefMessage = unsigned int;
constexpr RefMessage REFMSG_CHANGE = 0x50;
constexpr RefMessage REFMSG_TARGET_DELETED = 0x10;
constexpr RefMessage REFMSG_GET_PARAM_NAME = 0xFB;
constexpr RefMessage REFMSG_GET_PARAM_DIM = 0xFC;

using RefResult = int;
constexpr RefResult REF_FAIL = 0;
constexpr RefResult REF_SUCCEED = 1;
constexpr RefResult REF_DONTCARE = 2;
constexpr RefResult REF_STOP = 3;

enum IOResult { IO_OK = 0, IO_END = 1, IO_ERROR = 2 };

// The host's wide string. Stored in scene files as UTF-16 so both builds read each other's files.
class HOSTAPI WStr {
 public:
  WStr() = default;
  WStr(const wchar_t* s) : text(s ? s : L"") {}  // NOLINT(google-explicit-constructor)
  WStr(std::wstring s) : text(std::move(s)) {}   // NOLINT(google-explicit-constructor)
  WStr& operator=(const wchar_t* s) {
    text = s ? s : L"";
    return *this;
  }
  const wchar_t* data() const { return text.c_str(); }
  operator const wchar_t*() const { return text.c_str(); }  // NOLINT(google-explicit-constructor)
  int Length() const { return static_cast<int>(text.size()); }
  bool isNull() const { return text.empty(); }
  const std::wstring& str() const { return text; }
  bool operator==(const WStr& o) const { return text == o.text; }
  bool operator!=(const WStr& o) const { return text != o.text; }
  bool operator==(const wchar_t* o) const { return text == (o ? o : L""); }
  WStr operator+(const WStr& o) const { return WStr(text + o.text); }

 private:
  std::wstring text;
};
using MSTR = WStr;
using MCHAR = wchar_t;
