#include <gtest/gtest.h>

#include "tests/host/HostFixtures.h"

namespace {

using hosttest::Owner;

const ParamBlockDescID kLayout[] = {
    {TYPE_FLOAT, nullptr, TRUE, 10},  {TYPE_FLOAT, nullptr, TRUE, 11},  {TYPE_INT, nullptr, TRUE, 12},
    {TYPE_RGBA, nullptr, TRUE, 13},   {TYPE_POINT3, nullptr, TRUE, 14}, {TYPE_BOOL, nullptr, FALSE, 15},
    {TYPE_FLOAT, nullptr, FALSE, 16},
};
enum { kFloat, kFloat2, kInt, kColor, kPoint, kBool, kFixed };

// A block owned by an Owner in slot 0, so that queries and change messages have a listener.
class ParamBlocks : public ::testing::Test {
 protected:
  void SetUp() override {
    hosttest::resetHost();
    owner = new Owner(1);
    block = CreateParameterBlock(kLayout, 7, 3);
    owner->ReplaceReference(0, block);
  }
  void TearDown() override {
    owner->DeleteThis();
    hosttest::resetHost();
  }
  // Writes keys under animate mode and leaves it off.
  void key(int i, TimeValue t, float v) {
    AnimateOn();
    block->SetValue(i, t, v);
    AnimateOff();
  }
  void keyInt(int i, TimeValue t, int v) {
    AnimateOn();
    block->SetValue(i, t, v);
    AnimateOff();
  }

  Owner* owner = nullptr;
  IParamBlock* block = nullptr;
};

TEST_F(ParamBlocks, NewBlockHoldsZerosValidForever) {
  EXPECT_EQ(block->NumParams(), 7);
  EXPECT_EQ(block->GetVersion(), 3u);
  EXPECT_EQ(block->GetParamID(kColor), 13u);
  EXPECT_EQ(block->IndexFromID(14), kPoint);
  EXPECT_EQ(block->IndexFromID(99), -1);

  float f = -1.0f;
  int n = -1;
  Color c(1, 1, 1);
  Point3 p(1, 1, 1);
  Interval valid = FOREVER;
  EXPECT_TRUE(block->GetValue(kFloat, 480, f, valid));
  EXPECT_TRUE(block->GetValue(kInt, 480, n, valid));
  EXPECT_TRUE(block->GetValue(kColor, 480, c, valid));
  EXPECT_TRUE(block->GetValue(kPoint, 480, p, valid));
  EXPECT_EQ(f, 0.0f);
  EXPECT_EQ(n, 0);
  EXPECT_EQ(c, Color(0, 0, 0));
  EXPECT_EQ(p, Point3(0, 0, 0));
  EXPECT_EQ(valid, FOREVER);

  // An unanimated value leaves a narrower validity as it is.
  Interval narrow(100, 200);
  block->GetValue(kFloat, 150, f, narrow);
  EXPECT_EQ(narrow, Interval(100, 200));

  const ParamBlockDesc plain[] = {{TYPE_FLOAT, nullptr, TRUE}, {TYPE_INT, nullptr, FALSE}};
  IParamBlock* unversioned = CreateParameterBlock(plain, 2);
  EXPECT_EQ(unversioned->GetParamID(1), 1u);
  EXPECT_EQ(unversioned->GetParameterType(1), TYPE_INT);
  unversioned->DeleteThis();
}

TEST_F(ParamBlocks, ValuesConvertBetweenTypesAndBadAccessFails) {
  EXPECT_TRUE(block->SetValue(kFloat, 0, 2.75f));
  EXPECT_TRUE(block->SetValue(kInt, 0, 7));
  EXPECT_TRUE(block->SetValue(kBool, 0, TRUE));
  EXPECT_TRUE(block->SetValue(kColor, 0, Color(0.25f, 0.5f, 0.75f)));
  EXPECT_TRUE(block->SetValue(kPoint, 0, Point3(-1, 2, -3)));
  EXPECT_EQ(block->GetInt(kFloat), 2);  // truncates
  EXPECT_EQ(block->GetFloat(kInt), 7.0f);
  EXPECT_EQ(block->GetInt(kBool), TRUE);
  EXPECT_EQ(block->GetPoint3(kColor), Point3(0.25f, 0.5f, 0.75f));
  EXPECT_EQ(block->GetColor(kPoint), Color(-1, 2, -3));

  // Exact ints survive storage, including ones a float cannot hold.
  EXPECT_TRUE(block->SetValue(kInt, 0, 16777217));
  EXPECT_EQ(block->GetInt(kInt), 16777217);

  Interval valid = FOREVER;
  float f = 5.0f;
  Color c;
  EXPECT_FALSE(block->SetValue(kColor, 0, 1.0f));
  EXPECT_FALSE(block->SetValue(kFloat, 0, Color(1, 1, 1)));
  EXPECT_FALSE(block->GetValue(kColor, 0, f, valid));
  EXPECT_FALSE(block->GetValue(kFloat, 0, c, valid));
  EXPECT_FALSE(block->SetValue(7, 0, 1.0f));
  EXPECT_FALSE(block->SetValue(-1, 0, 1));
  EXPECT_FALSE(block->GetValue(7, 0, f, valid));
  EXPECT_EQ(f, 5.0f);
  EXPECT_FALSE(block->KeyFrameAtTime(-1, 0));
  EXPECT_EQ(block->GetFloat(99), 0.0f);
}

TEST_F(ParamBlocks, AnimatedValuesAndTheirValidity) {
  // Float track 1 -> 3 -> 3 -> 5 at 0, 100, 200, 300; int track 1, 1, 5 at 0, 100, 200.
  key(kFloat, 0, 1.0f);
  key(kFloat, 100, 3.0f);
  key(kFloat, 200, 3.0f);
  key(kFloat, 300, 5.0f);
  block->SetValue(kFloat2, 0, 2.0f);
  key(kFloat2, 100, 2.0f);  // also keys time 0 with the old value 2
  key(kFloat2, 200, 4.0f);
  keyInt(kInt, 0, 1);
  keyInt(kInt, 100, 1);
  keyInt(kInt, 200, 5);

  const TimeValue kNeg = TIME_NegInfinity;
  const TimeValue kPos = TIME_PosInfinity;
  struct Case {
    int param;
    TimeValue t;
    float value;
    Interval valid;
  };
  const Case cases[] = {
      {kFloat, -50, 1.0f, {kNeg, 0}},     // before the first key
      {kFloat, 0, 1.0f, {kNeg, 0}},       // on the first key, next one differs
      {kFloat, 50, 2.0f, {50, 50}},       // between different keys: one instant
      {kFloat, 125, 3.0f, {100, 200}},    // between equal keys
      {kFloat, 200, 3.0f, {100, 200}},    // on a key ending a flat span
      {kFloat, 250, 4.0f, {250, 250}},    //
      {kFloat, 300, 5.0f, {300, kPos}},   // on the last key
      {kFloat, 900, 5.0f, {300, kPos}},   // after the last key
      {kFloat2, -10, 2.0f, {kNeg, 100}},  // flat start runs through equal keys
      {kFloat2, 50, 2.0f, {kNeg, 100}},   //
      {kFloat2, 150, 3.0f, {150, 150}},   //
      {kInt, -5, 1.0f, {kNeg, 199}},      // ints step: held until the next different key
      {kInt, 150, 1.0f, {kNeg, 199}},     //
      {kInt, 199, 1.0f, {kNeg, 199}},     //
      {kInt, 200, 5.0f, {200, kPos}},     //
  };
  for (const Case& c : cases) {
    float v = -1.0f;
    Interval valid = FOREVER;
    ASSERT_TRUE(block->GetValue(c.param, c.t, v, valid));
    EXPECT_EQ(v, c.value) << "param " << c.param << " at " << c.t;
    EXPECT_EQ(valid.Start(), c.valid.Start()) << "param " << c.param << " at " << c.t;
    EXPECT_EQ(valid.End(), c.valid.End()) << "param " << c.param << " at " << c.t;
  }

  // GetValue narrows what it is given rather than replacing it.
  float v = 0.0f;
  Interval valid(120, 1000);
  block->GetValue(kFloat, 150, v, valid);
  EXPECT_EQ(valid, Interval(120, 200));
  valid.Set(300, 400);
  block->GetValue(kFloat, 150, v, valid);
  EXPECT_TRUE(valid.Empty());

  // Linear per channel, in single precision.
  AnimateOn();
  block->SetValue(kColor, 0, Color(0, 1, 0.5f));
  block->SetValue(kColor, 4800, Color(1, 0, 0.5f));
  AnimateOff();
  EXPECT_EQ(block->GetColor(kColor, 1200), Color(0.25f, 0.75f, 0.5f));
}

TEST_F(ParamBlocks, AnimateModeSetsKeysAndPlainWritesMoveTheTrack) {
  block->SetValue(kFloat, 0, 1.0f);
  EXPECT_FALSE(block->IsAnimated(kFloat));

  AnimateOn();
  block->SetValue(kFloat, 100, 3.0f);
  block->SetValue(kFixed, 100, 8.0f);  // not animatable: no key even under animate mode
  AnimateOff();
  ASSERT_EQ(block->NumKeys(kFloat), 2);
  EXPECT_EQ(block->GetKeyTime(kFloat, 0), 0);
  EXPECT_EQ(block->GetKeyTime(kFloat, 1), 100);
  EXPECT_TRUE(block->KeyFrameAtTime(kFloat, 0));
  EXPECT_TRUE(block->KeyFrameAtTime(kFloat, 100));
  EXPECT_FALSE(block->KeyFrameAtTime(kFloat, 50));
  EXPECT_FALSE(block->IsAnimated(kFixed));
  EXPECT_EQ(block->GetFloat(kFixed, 0), 8.0f);
  EXPECT_EQ(block->GetFloat(kFloat, 0), 1.0f);

  // A first key at time 0 sets only that key.
  AnimateOn();
  block->SetValue(kFloat2, 0, 4.0f);
  AnimateOff();
  EXPECT_EQ(block->NumKeys(kFloat2), 1);

  // Outside animate mode: a key at t changes, elsewhere the whole track shifts through the value.
  block->SetValue(kFloat, 100, 5.0f);
  EXPECT_EQ(block->NumKeys(kFloat), 2);
  EXPECT_EQ(block->GetFloat(kFloat, 100), 5.0f);
  EXPECT_EQ(block->GetFloat(kFloat, 0), 1.0f);
  block->SetValue(kFloat, 50, 10.0f);  // value at 50 was 3: every key moves by 7
  EXPECT_EQ(block->NumKeys(kFloat), 2);
  EXPECT_EQ(block->GetFloat(kFloat, 50), 10.0f);
  EXPECT_EQ(block->GetFloat(kFloat, 0), 8.0f);
  EXPECT_EQ(block->GetFloat(kFloat, 100), 12.0f);

  block->DeleteKeys(kFloat);
  EXPECT_FALSE(block->IsAnimated(kFloat));
  EXPECT_EQ(block->GetFloat(kFloat, 100), 8.0f);  // keeps the value it had at time 0
}

TEST_F(ParamBlocks, SwapControllersExchangesValuesAndKeys) {
  AnimateOn();
  block->SetValue(kColor, 100, Color(1, 0, 0));  // keys at 0 (black) and 100
  AnimateOff();
  block->SetValue(kPoint, 0, Point3(0, 0, 1));
  const int before = owner->count(REFMSG_CHANGE);

  block->SwapControllers(kColor, kPoint);
  EXPECT_EQ(owner->count(REFMSG_CHANGE), before + 1);
  EXPECT_FALSE(block->IsAnimated(kColor));
  EXPECT_EQ(block->GetColor(kColor, 50), Color(0, 0, 1));
  ASSERT_EQ(block->NumKeys(kPoint), 2);
  EXPECT_EQ(block->GetPoint3(kPoint, 100), Point3(1, 0, 0));
  EXPECT_EQ(block->GetParameterType(kColor), TYPE_RGBA);  // layouts stay put
  EXPECT_EQ(block->GetParamID(kPoint), 14u);

  block->SwapControllers(kColor, 7);  // out of range: nothing happens
  EXPECT_EQ(block->GetColor(kColor, 0), Color(0, 0, 1));
}

TEST_F(ParamBlocks, WritesNotifyAndQueriesReachTheOwner) {
  block->SetValue(kFloat, 0, 1.0f);
  block->SetValue(kColor, 0, Color(1, 1, 1));
  AnimateOn();
  block->SetValue(kInt, 10, 3);
  AnimateOff();
  EXPECT_EQ(owner->count(REFMSG_CHANGE), 3);
  for (const auto& r : owner->received) EXPECT_EQ(r.from, block);

  EXPECT_EQ(block->GetParamName(kColor), WStr(L"P3"));
  EXPECT_EQ(block->GetParamDimension(kFloat), stdPercentDim);

  IParamBlock* orphan = CreateParameterBlock(kLayout, 7, 3);
  EXPECT_EQ(orphan->GetParamName(0), WStr(L""));
  EXPECT_EQ(orphan->GetParamDimension(0), defaultDim);
  orphan->DeleteThis();

  EXPECT_EQ(stdPercentDim->Convert(0.25f), 25.0f);
  EXPECT_EQ(stdColor255Dim->Convert(1.0f), 255.0f);
  EXPECT_EQ(stdColor255Dim->UnConvert(51.0f), 51.0f / 255.0f);
  EXPECT_EQ(defaultDim->Convert(0.3f), 0.3f);
}

TEST_F(ParamBlocks, CloneCopiesValuesAndKeys) {
  key(kFloat, 100, 2.0f);
  block->SetValue(kColor, 0, Color(0.5f, 0.25f, 1));
  RemapDir remap;
  auto* copy = static_cast<IParamBlock*>(remap.CloneRef(block));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->GetVersion(), 3u);
  EXPECT_EQ(copy->NumKeys(kFloat), 2);
  EXPECT_EQ(copy->GetFloat(kFloat, 100), 2.0f);
  EXPECT_EQ(copy->GetColor(kColor), Color(0.5f, 0.25f, 1));
  copy->SetValue(kColor, 0, Color(0, 0, 0));
  EXPECT_EQ(block->GetColor(kColor), Color(0.5f, 0.25f, 1));
  copy->DeleteThis();
}

}  // namespace
