#pragma once
// A closed range of time. NEVER is the empty interval; FOREVER holds every time.
#include <algorithm>

#include "host/MaxTypes.h"

class Interval {
 public:
  constexpr Interval() : start(TIME_NegInfinity), end(TIME_NegInfinity) {}
  constexpr Interval(TimeValue s, TimeValue e) : start(s), end(e) {}

  constexpr TimeValue Start() const { return start; }
  constexpr TimeValue End() const { return end; }
  constexpr bool Empty() const { return start == TIME_NegInfinity && end == TIME_NegInfinity; }
  constexpr BOOL InInterval(TimeValue t) const { return !Empty() && t >= start && t <= end; }
  constexpr BOOL InInterval(const Interval& i) const {
    return !Empty() && !i.Empty() && i.start >= start && i.end <= end;
  }
  void SetInfinite() {
    start = TIME_NegInfinity;
    end = TIME_PosInfinity;
  }
  void SetEmpty() {
    start = TIME_NegInfinity;
    end = TIME_NegInfinity;
  }
  void Set(TimeValue s, TimeValue e) {
    start = s;
    end = e;
  }
  void SetStart(TimeValue s) { start = s; }
  void SetEnd(TimeValue e) { end = e; }
  void SetInstant(TimeValue t) { start = end = t; }

  // Intersection; disjoint ranges give the empty interval.
  constexpr Interval operator&(const Interval& o) const {
    if (Empty() || o.Empty()) return Interval();
    const TimeValue s = std::max(start, o.start);
    const TimeValue e = std::min(end, o.end);
    if (s > e) return Interval();
    return Interval(s, e);
  }
  Interval& operator&=(const Interval& o) { return *this = *this & o; }
  constexpr bool operator==(const Interval& o) const { return start == o.start && end == o.end; }
  constexpr bool operator!=(const Interval& o) const { return !(*this == o); }

 private:
  TimeValue start;
  TimeValue end;
};

constexpr Interval FOREVER(TIME_NegInfinity, TIME_PosInfinity);
constexpr Interval NEVER(TIME_NegInfinity, TIME_NegInfinity);
