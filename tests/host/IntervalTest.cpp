#include <gtest/gtest.h>

#include "host/Interval.h"

namespace {

TEST(Interval, ConstantsHaveTheHostsBitPatterns) {
  EXPECT_EQ(static_cast<unsigned>(FOREVER.Start()), 0x80000000u);
  EXPECT_EQ(static_cast<unsigned>(FOREVER.End()), 0x7FFFFFFFu);
  EXPECT_EQ(static_cast<unsigned>(NEVER.Start()), 0x80000000u);
  EXPECT_EQ(static_cast<unsigned>(NEVER.End()), 0x80000000u);
  EXPECT_TRUE(NEVER.Empty());
  EXPECT_EQ(Interval(), NEVER);
  EXPECT_EQ(TICKS_PER_SECOND, 4800);

  Interval i(10, 20);
  i.SetInfinite();
  EXPECT_EQ(i, FOREVER);
  i.SetEmpty();
  EXPECT_EQ(i, NEVER);
}

TEST(Interval, Intersection) {
  struct Case {
    Interval a, b, expected;
  };
  const Case cases[] = {
      {FOREVER, FOREVER, FOREVER},
      {FOREVER, Interval(5, 9), Interval(5, 9)},
      {FOREVER, NEVER, NEVER},
      {NEVER, Interval(5, 9), NEVER},
      {Interval(0, 100), Interval(50, 200), Interval(50, 100)},
      {Interval(0, 100), Interval(100, 200), Interval(100, 100)},  // touching ends share one instant
      {Interval(0, 99), Interval(100, 200), NEVER},                // disjoint
      {Interval(-50, -10), Interval(TIME_NegInfinity, -20), Interval(-50, -20)},
      {Interval(7, 7), Interval(0, 10), Interval(7, 7)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.a & c.b, c.expected) << c.a.Start() << ".." << c.a.End() << " & " << c.b.Start() << ".."
                                     << c.b.End();
    EXPECT_EQ(c.b & c.a, c.expected);
    Interval narrowed = c.a;
    narrowed &= c.b;
    EXPECT_EQ(narrowed, c.expected);
  }
}

TEST(Interval, Membership) {
  struct Case {
    Interval range;
    TimeValue t;
    BOOL inside;
  };
  const Case cases[] = {
      {FOREVER, TIME_NegInfinity, TRUE},
      {FOREVER, TIME_PosInfinity, TRUE},
      {FOREVER, 0, TRUE},
      {NEVER, TIME_NegInfinity, FALSE},
      {NEVER, 0, FALSE},
      {Interval(0, 10), 0, TRUE},
      {Interval(0, 10), 10, TRUE},
      {Interval(0, 10), 11, FALSE},
      {Interval(0, 10), -1, FALSE},
  };
  for (const Case& c : cases) EXPECT_EQ(c.range.InInterval(c.t), c.inside) << c.range.Start() << " " << c.t;

  EXPECT_TRUE(FOREVER.InInterval(Interval(3, 4)));
  EXPECT_TRUE(Interval(0, 10).InInterval(Interval(0, 10)));
  EXPECT_FALSE(Interval(0, 10).InInterval(Interval(5, 11)));
  EXPECT_FALSE(FOREVER.InInterval(NEVER));
}

}  // namespace
