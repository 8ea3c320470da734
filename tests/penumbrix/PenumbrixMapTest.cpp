// The map as the scene sees it: defaults, setters, references and slots, Update, change
// messages, parameter names, swapping and cloning.
#include <gtest/gtest.h>

#include "host/ParamDimension.h"
#include "penumbrix/PenumbrixClassDesc.h"
#include "penumbrix/PenumbrixParams.h"
#include "tests/penumbrix/PenumbrixTestSupport.h"

namespace {

TEST(PenumbrixMap, NewMapHasTheDefaults) {
  MapPtr m = NewMap();
  EXPECT_EQ(m->colors[0], Color(0, 0, 0));
  EXPECT_EQ(m->colors[1], Color(1, 1, 1));
  const float members[] = {m->lowThreshold,  m->highThreshold, m->curveDark,  m->curveControl1,
                           m->curveControl2, m->curveLit,      m->amounts[0], m->amounts[1]};
  const float expected[] = {0.0f, 1.0f, 0.0f, 0.33333f, 0.66666f, 1.0f, 1.0f, 1.0f};
  const int params[] = {kParamLowThreshold, kParamHighThreshold, kParamCurveDark,  kParamControl1,
                        kParamControl2,     kParamCurveLit,      kParamDarkAmount, kParamLitAmount};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(members[i], expected[i]) << i;
    EXPECT_EQ(m->paramBlock->GetFloat(params[i], 0), expected[i]) << i;
  }
  EXPECT_EQ(m->paramBlock->GetColor(kParamLitColor, 0), Color(1, 1, 1));
  EXPECT_EQ(m->paramBlock->NumParams(), 10);
  EXPECT_EQ(m->paramBlock->GetVersion(), 2u);
  EXPECT_EQ(m->mapOn[0], 1);
  EXPECT_EQ(m->mapOn[1], 1);
  EXPECT_EQ(m->subTex[0], nullptr);
  EXPECT_EQ(m->subTex[1], nullptr);
  EXPECT_NE(m->texout, nullptr);
  EXPECT_EQ(m->rollupOpen, 3);
  EXPECT_FALSE(m->CurveTableCurrent());
  EXPECT_TRUE(m->validity.Empty());

  PenumbrixClassDesc* cd = GetPenumbrixClassDesc();
  EXPECT_EQ(cd->IsPublic(), 0);
  EXPECT_EQ(cd->ClassID(), Class_ID(0x49BB437F, 0x2CE82CFD));
  EXPECT_EQ(m->ClassID(), cd->ClassID());
  EXPECT_EQ(cd->SuperClassID(), TEXMAP_CLASS_ID);
  EXPECT_STREQ(cd->ClassName(), L"Penumbrix");
  EXPECT_STREQ(cd->Category(), TEXMAP_CAT_COMP);
  WStr name;
  m->GetClassName(name);
  EXPECT_EQ(name, L"Penumbrix");
}

TEST(PenumbrixMap, SettersKeepThresholdsOrderedAndTellAnOpenPanel) {
  MapPtr m = NewMap();
  RecordingPanel panel;
  m->editorPanel = &panel;
  m->SetHighThreshold(0.5f, 10);
  m->SetLowThreshold(0.7f, 10);  // above high: pulls high up
  EXPECT_EQ(m->highThreshold, 0.7f);
  EXPECT_EQ(m->paramBlock->GetFloat(kParamHighThreshold, 10), 0.7f);
  EXPECT_EQ(panel.highShown, std::vector<float>{0.7f});
  m->SetHighThreshold(0.4f, 10);  // below low: pulls low down
  EXPECT_EQ(m->lowThreshold, 0.4f);
  EXPECT_EQ(m->paramBlock->GetFloat(kParamLowThreshold, 10), 0.4f);
  EXPECT_EQ(panel.lowShown, std::vector<float>{0.4f});
  m->SetCurveControl1(0.1f, 0);
  m->SetColor(Penumbrix::kLit, Color(0.5f, 0.5f, 0.5f), 0);
  EXPECT_EQ(panel.redraws, 5);
  m->SetAmount(Penumbrix::kLit, 0.257f, 0);
  EXPECT_EQ(panel.amountsShown, (std::vector<std::pair<int, int>>{{1, 25}}));
  EXPECT_EQ(panel.redraws, 5);

  // Sides outside the pair are ignored.
  m->SetColor(2, Color(0.1f, 0.1f, 0.1f), 0);
  m->SetColor(-1, Color(0.1f, 0.1f, 0.1f), 0);
  m->SetAmount(2, 0.1f, 0);
  EXPECT_EQ(m->paramBlock->GetColor(kParamLitColor, 0), Color(0.5f, 0.5f, 0.5f));
  EXPECT_EQ(m->paramBlock->GetFloat(kParamLitAmount, 0), 0.257f);
  m->editorPanel = nullptr;
}

TEST(PenumbrixMap, ReferencesAndSlotsStayInRange) {
  MapPtr m = NewMap();
  auto* lit = new StubMap();
  m->SetSubTexmap(1, lit);
  EXPECT_EQ(m->GetReference(Penumbrix::kRefLitMap), lit);
  EXPECT_EQ(m->GetSubTexmap(1), lit);
  TextureOutput* output = m->texout;
  auto* stray = new StubMap();
  m->SetSubTexmap(2, stray);  // must not land in the Output reference
  m->SetSubTexmap(-1, stray);
  EXPECT_EQ(m->GetReference(Penumbrix::kRefOutput), output);
  stray->DeleteThis();
  for (int i : {-1, 4, 5, 100}) {
    EXPECT_EQ(m->GetReference(i), nullptr) << i;
    EXPECT_EQ(m->SubAnim(i), nullptr) << i;
    EXPECT_EQ(m->SubAnimName(i), L"") << i;
  }
  for (int i : {-1, 2, 3}) {
    EXPECT_EQ(m->GetSubTexmap(i), nullptr) << i;
    EXPECT_EQ(m->GetSubTexmapSlotName(i), L"") << i;
  }
  EXPECT_EQ(m->GetSubTexmapSlotName(0), L"Color 1");
  EXPECT_EQ(m->GetSubTexmapSlotName(1), L"Color 2");
  EXPECT_EQ(m->SubAnimName(0), L"Parameters");
  EXPECT_EQ(m->SubAnimName(1), L"Color 1");
  EXPECT_EQ(m->SubAnimName(2), L"Color 2");
  EXPECT_EQ(m->SubAnimName(3), L"Output");
  EXPECT_EQ(m->SubAnim(0), m->paramBlock);
  EXPECT_EQ(m->SubAnim(3), m->texout);
}

TEST(PenumbrixMap, ParameterNamesAndUnits) {
  MapPtr m = NewMap();
  const wchar_t* names[] = {L"Dark", L"Lit",     L"Dark",    L"Control 1",      L"Control 2",
                            L"Lit",  L"Color 1", L"Color 2", L"Color 1 Amount", L"Color 2 Amount"};
  for (int i = 0; i < kPenumbrixParamCount; ++i) EXPECT_EQ(m->paramBlock->GetParamName(i), names[i]) << i;
  PartID part = reinterpret_cast<PartID>(new GetParamName(WStr(L"kept"), 10));
  EXPECT_EQ(m->NotifyRefChanged(FOREVER, m->paramBlock, part, REFMSG_GET_PARAM_NAME, TRUE), REF_STOP);
  EXPECT_EQ(reinterpret_cast<GetParamName*>(part)->name, L"kept");
  delete reinterpret_cast<GetParamName*>(part);

  struct {
    int index;
    ParamDimension* dim;
  } dims[] = {{0, stdPercentDim}, {1, stdPercentDim}, {6, stdColor255Dim}, {7, stdColor255Dim},
              {3, defaultDim},    {9, defaultDim},    {-1, defaultDim},    {42, defaultDim}};
  for (const auto& d : dims) {
    GetParamDim record(defaultDim, d.index);
    PartID p = reinterpret_cast<PartID>(&record);
    EXPECT_EQ(m->NotifyRefChanged(FOREVER, m->paramBlock, p, REFMSG_GET_PARAM_DIM, TRUE), REF_STOP);
    EXPECT_EQ(record.dim, d.dim) << d.index;
  }
}

TEST(PenumbrixMap, UpdateRereadsOutsideValidityAndClampsColours) {
  MapPtr m = NewMap();
  auto* dark = new StubMap();
  m->SetSubTexmap(0, dark);
  AnimateOn();
  m->paramBlock->SetValue(kParamLitColor, 0, Color(2.0f, 0.5f, -1.0f));
  m->paramBlock->SetValue(kParamLitColor, 100, Color(2.0f, 0.5f, -1.0f));
  m->paramBlock->SetValue(kParamCurveLit, 0, 0.5f);
  m->paramBlock->SetValue(kParamCurveLit, 100, 0.9f);
  AnimateOff();
  Interval valid = FOREVER;
  m->Update(50, valid);
  EXPECT_EQ(m->colors[1], Color(1.0f, 0.5f, 0.0f));
  EXPECT_EQ(m->paramBlock->GetColor(kParamLitColor, 50), Color(2.0f, 0.5f, -1.0f));
  EXPECT_NEAR(m->curveLit, 0.7f, 1e-6f);
  EXPECT_EQ(dark->updates, 1);
  EXPECT_FALSE(valid.InInterval(FOREVER));
  EXPECT_TRUE(valid.InInterval(50));
  EXPECT_EQ(m->Validity(50), m->validity);
  EXPECT_EQ(dark->updates, 1);  // inside validity: nothing reread

  // A change from any target empties validity; only targets other than Output reach the panel.
  RecordingPanel panel;
  m->editorPanel = &panel;
  PartID part = PART_ALL;
  m->NotifyRefChanged(FOREVER, m->texout, part, REFMSG_CHANGE, TRUE);
  EXPECT_TRUE(m->validity.Empty());
  EXPECT_EQ(panel.invalidations, 0);
  m->Update(50, valid);
  m->NotifyRefChanged(FOREVER, m->paramBlock, part, REFMSG_CHANGE, TRUE);
  EXPECT_TRUE(m->validity.Empty());
  EXPECT_EQ(panel.invalidations, 1);
  m->NotifyRefChanged(FOREVER, dark, part, REFMSG_CHANGE, TRUE);
  EXPECT_EQ(panel.invalidations, 2);
  m->editorPanel = nullptr;
}

TEST(PenumbrixMap, SwapExchangesColoursAndMapsButNotSwitchesOrAmounts) {
  MapPtr m = NewMap();
  auto* dark = new StubMap();
  m->SetSubTexmap(0, dark);
  m->mapOn[1] = 0;
  m->SetAmount(0, 0.25f, 0);
  AnimateOn();
  m->SetColor(0, Color(0.1f, 0.2f, 0.3f), 100);
  AnimateOff();
  m->SwapDarkLit();
  EXPECT_EQ(m->GetSubTexmap(0), nullptr);
  EXPECT_EQ(m->GetSubTexmap(1), dark);
  EXPECT_EQ(m->GetReference(Penumbrix::kRefLitMap), dark);
  EXPECT_EQ(m->colors[0], Color(1, 1, 1));
  EXPECT_EQ(m->colors[1], Color(0.1f, 0.2f, 0.3f));
  EXPECT_EQ(m->paramBlock->GetColor(kParamLitColor, 100), Color(0.1f, 0.2f, 0.3f));
  EXPECT_EQ(m->paramBlock->NumKeys(kParamLitColor), 2);
  EXPECT_EQ(m->mapOn[0], 1);
  EXPECT_EQ(m->mapOn[1], 0);
  EXPECT_EQ(m->amounts[0], 0.25f);
  // The swapped map is still a reference of this map: resetting drops it.
  m->Reset();
  EXPECT_EQ(m->GetSubTexmap(1), nullptr);
}

TEST(PenumbrixMap, CloneOwnsCopiesOfBlockMapsAndOutput) {
  MapPtr m = NewMap();
  auto* lit = new StubMap();
  m->SetSubTexmap(1, lit);
  m->mapOn[0] = 0;
  m->SetCurveControl2(0.2f, 0);
  m->SetAmount(1, 0.5f, 0);
  m->SetColor(0, Color(0.3f, 0.3f, 0.3f), 0);
  m->SetName(WStr(L"source"));
  m->LookupCurve(0.5f);
  RemapDir remap;
  MapPtr copy(static_cast<Penumbrix*>(m->Clone(remap)));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->GetName(), L"source");
  EXPECT_NE(copy->paramBlock, m->paramBlock);
  EXPECT_NE(copy->texout, m->texout);
  EXPECT_NE(copy->GetSubTexmap(1), nullptr);
  EXPECT_NE(copy->GetSubTexmap(1), lit);
  EXPECT_EQ(copy->GetSubTexmap(0), nullptr);
  EXPECT_EQ(copy->mapOn[0], 0);
  EXPECT_EQ(copy->colors[0], Color(0.3f, 0.3f, 0.3f));
  EXPECT_TRUE(copy->validity.Empty());
  EXPECT_FALSE(copy->CurveTableCurrent());
  Interval valid = FOREVER;
  copy->Update(0, valid);
  EXPECT_EQ(copy->curveControl2, 0.2f);
  EXPECT_EQ(copy->amounts[1], 0.5f);
}

// A damaged scene file can put any target into any slot. Each slot keeps only its own kind;
// a wrong-typed target leaves it empty, and the map (and its clone) shades as a fresh one.
TEST(PenumbrixMap, SlotsKeepOnlyTargetsOfTheirKind) {
  using Make = ReferenceTarget* (*)();
  const Make block = [] {
    return static_cast<ReferenceTarget*>(CreateParameterBlock(
        kPenumbrixCurrentVersion.desc, kPenumbrixCurrentVersion.count, kPenumbrixCurrentVersion.version));
  };
  const Make output = [] { return static_cast<ReferenceTarget*>(GetNewDefaultTextureOutput()); };
  const Make map = [] { return static_cast<ReferenceTarget*>(new StubMap()); };
  struct Case {
    const char* name;
    int slot;
    Make make;
    bool kept;
  };
  const Case cases[] = {
      {"block in the Dark map slot", Penumbrix::kRefDarkMap, block, false},
      {"output in the Lit map slot", Penumbrix::kRefLitMap, output, false},
      {"map in the block slot", Penumbrix::kRefParamBlock, map, false},
      {"map in the Output slot", Penumbrix::kRefOutput, map, false},
      {"block in the Output slot", Penumbrix::kRefOutput, block, false},
      {"map in the Dark map slot", Penumbrix::kRefDarkMap, map, true},
      {"block in the block slot", Penumbrix::kRefParamBlock, block, true},
      {"output in the Output slot", Penumbrix::kRefOutput, output, true},
  };
  MapPtr fresh = NewMap();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MapPtr m = NewMap();
    ReferenceTarget* target = c.make();
    m->ReplaceReference(c.slot, target);
    EXPECT_EQ(m->GetReference(c.slot), c.kept ? target : nullptr);
    if (c.kept) continue;

    RemapDir remap;
    MapPtr copy(static_cast<Penumbrix*>(m->Clone(remap)));
    ASSERT_NE(copy, nullptr);
    // Dark only, both sides, Lit only.
    for (float level : {0.0f, 0.5f, 1.0f}) {
      SCOPED_TRACE(level);
      for (Penumbrix* shaded : {m.get(), copy.get()}) {
        Interval valid = FOREVER;
        shaded->Update(0, valid);
        LitSample s = LitSample::AtLevel(level);
        LitSample r = LitSample::AtLevel(level);
        EXPECT_EQ(shaded->EvalColor(s.sc()), fresh->EvalColor(r.sc()));
        EXPECT_EQ(shaded->EvalMono(s.sc()), fresh->EvalMono(r.sc()));
        EXPECT_EQ(shaded->EvalNormalPerturb(s.sc()), fresh->EvalNormalPerturb(r.sc()));
      }
    }
  }
}

}  // namespace
