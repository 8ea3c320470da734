// The standard material: Lambert diffuse and a Blinn highlight over the sample's lights, its
// maps, its answers to the colour queries, and its values kept through cloning and the scene file.
#include <gtest/gtest.h>

#include <vector>

#include "host/Lights.h"
#include "host/SceneFile.h"
#include "host/StdMat.h"
#include "tests/shading/ShadingFixtures.h"

namespace {

using shadingtest::FlatMap;

// The renderer's context with an ambient light of its own.
class AmbientContext : public SampleShadeContext {
 public:
  Color ambientLight;
  Color AmbientLight() override { return ambientLight; }
};

struct LitCase {
  const char* what;
  Color ambient, diffuse, specular;
  float shinStr, glossiness;
  Color ambientLight;
  std::vector<FixedLight> lights;
  Color expected;  // worked out by hand
};

FixedLight Toward(Point3 dir, Color c, float coef, BOOL reaches = TRUE) {
  FixedLight l(c, coef, reaches);
  l.direction = dir;
  return l;
}

const Color kBlack;
const Color kWhite(1, 1, 1);
// Towards the light at 0.8 to the normal (0, 0, 1), seen straight on: the half vector is
// (0, 0.6, 1.8) / sqrt(3.6), so N.H squared is 1.8^2 / 3.6 = 0.9.
const Point3 kSlanted(0, 0.6f, 0.8f);

const LitCase kLit[] = {
    {"Lambert",
     kBlack,
     {0.4f, 0.6f, 0.8f},
     kBlack,
     0,
     0.1f,
     kBlack,
     {Toward(kSlanted, {1, 0.5f, 0.25f}, 0.5f)},
     {0.2f, 0.15f, 0.1f}},
    {"Blinn, glossiness 0.1: exponent 2",
     kBlack,
     kBlack,
     {1, 0.5f, 0.25f},
     2,
     0.1f,
     kBlack,
     {Toward(kSlanted, kWhite, 0.8f)},
     {1.8f, 0.9f, 0.45f}},
    {"Blinn, glossiness 0.2: exponent 4",
     kBlack,
     kBlack,
     kWhite,
     1,
     0.2f,
     kBlack,
     {Toward(kSlanted, kWhite, 0.8f)},
     {0.81f, 0.81f, 0.81f}},
    {"Lambert plus Blinn",
     kBlack,
     {0.4f, 0.6f, 0.8f},
     {1, 0.5f, 0.25f},
     2,
     0.1f,
     kBlack,
     {Toward(kSlanted, kWhite, 0.8f)},
     {2.12f, 1.38f, 1.09f}},
    {"two lights add up",
     kBlack,
     {0.5f, 0.5f, 0.5f},
     kBlack,
     0,
     0.1f,
     kBlack,
     {Toward(kSlanted, {1, 0, 0}, 1.0f), Toward(kSlanted, {0, 1, 0}, 0.5f)},
     {0.5f, 0.25f, 0}},
    {"ambient light on the ambient colour",
     {0.2f, 0.4f, 0.6f},
     {1, 1, 1},
     kBlack,
     0,
     0.1f,
     {0.5f, 0.5f, 0.5f},
     {},
     {0.1f, 0.2f, 0.3f}},
    {"light from behind adds nothing",
     kBlack,
     kWhite,
     kWhite,
     1,
     0.1f,
     kBlack,
     {Toward(Point3(0, 0, -1), kWhite, -0.3f)},
     kBlack},
    {"grazing light adds nothing",
     kBlack,
     kWhite,
     kWhite,
     1,
     0.1f,
     kBlack,
     {Toward(Point3(1, 0, 0), kWhite, 0.0f)},
     kBlack},
    {"light in shadow adds nothing",
     kBlack,
     kWhite,
     kWhite,
     1,
     0.1f,
     kBlack,
     {Toward(Point3(0, 0, 1), kWhite, 1.0f, FALSE)},
     kBlack},
};

void ExpectNear(const Color& actual, const Color& expected) {
  EXPECT_NEAR(actual.r, expected.r, 2e-6f);
  EXPECT_NEAR(actual.g, expected.g, 2e-6f);
  EXPECT_NEAR(actual.b, expected.b, 2e-6f);
}

TEST(StdMat, LitByItsLightsMatchesValuesWorkedOutByHand) {
  for (const LitCase& c : kLit) {
    SCOPED_TRACE(c.what);
    SceneHolder holder;
    StdMat* mtl = NewDefaultStdMat();
    holder.Add(mtl);
    mtl->SetAmbient(c.ambient, 0);
    mtl->SetDiffuse(c.diffuse, 0);
    mtl->SetSpecular(c.specular, 0);
    mtl->SetShinStr(c.shinStr, 0);
    mtl->SetGlossiness(c.glossiness, 0);
    Interval valid = FOREVER;
    mtl->Update(0, valid);

    std::vector<FixedLight> lights = c.lights;
    AmbientContext sc;
    sc.ambientLight = c.ambientLight;
    sc.normal = Point3(0, 0, 1);
    sc.view = Point3(0, 0, -1);
    for (FixedLight& l : lights) sc.AddLight(&l);
    sc.out.t = Color(0.5f, 0.5f, 0.5f);
    mtl->Shade(sc);

    ExpectNear(sc.out.c, c.expected);
    EXPECT_EQ(sc.out.t, Color());  // opaque
    for (const FixedLight& l : lights) EXPECT_EQ(l.calls, 1);
    EXPECT_EQ(sc.gbufferCalls, 0);  // no G-buffer id set
  }
}

TEST(StdMat, OpacitySelfIllumAndGBufferId) {
  SceneHolder holder;
  StdMat* mtl = NewDefaultStdMat();
  holder.Add(mtl);
  mtl->SetDiffuse(Color(0.4f, 0.6f, 0.8f), 0);
  FixedLight light(Color(1, 1, 1), 0.5f);

  SampleShadeContext sc;
  sc.AddLight(&light);
  mtl->SetOpacity(0.25f, 0);
  mtl->gbufID = 7;
  mtl->Shade(sc);
  ExpectNear(sc.out.c, Color(0.05f, 0.075f, 0.1f));  // premultiplied by the opacity
  ExpectNear(sc.out.t, Color(0.75f, 0.75f, 0.75f));
  EXPECT_EQ(sc.gbufferCalls, 1);
  EXPECT_EQ(sc.out.gbufId, 7);
  EXPECT_FLOAT_EQ(mtl->GetXParency(), 0.75f);

  // Fully self-illuminated: the diffuse colour whatever the light.
  SampleShadeContext dark;
  mtl->SetOpacity(1.0f, 0);
  mtl->SetSelfIllum(1.0f, 0);
  mtl->Shade(dark);
  ExpectNear(dark.out.c, Color(0.4f, 0.6f, 0.8f));
}

struct MapCase {
  const char* what;
  int slot;
  float amount;
  BOOL on;
  int lights;      // 0 or one white light at diffuse weight 0.5
  Color expected;  // diffuse (0.4, 0.6, 0.8); the map is (1, 0, 0.5)
};

const MapCase kMaps[] = {
    {"diffuse map", ID_DI, 1.0f, TRUE, 1, {0.5f, 0.0f, 0.25f}},
    {"diffuse map at half amount", ID_DI, 0.5f, TRUE, 1, {0.35f, 0.15f, 0.325f}},
    {"diffuse map switched off", ID_DI, 1.0f, FALSE, 1, {0.2f, 0.3f, 0.4f}},
    // A map in the self-illumination slot shows the diffuse colour without any light; its
    // mono value (the mean, 0.5) is the amount.
    {"self-illumination map", ID_SI, 1.0f, TRUE, 0, {0.2f, 0.3f, 0.4f}},
    {"self-illumination map switched off", ID_SI, 1.0f, FALSE, 0, {0, 0, 0}},
};

TEST(StdMat, MapSlots) {
  for (const MapCase& c : kMaps) {
    SCOPED_TRACE(c.what);
    SceneHolder holder;
    StdMat* mtl = NewDefaultStdMat();
    holder.Add(mtl);
    mtl->SetDiffuse(Color(0.4f, 0.6f, 0.8f), 0);
    auto* map = new FlatMap();
    map->color = AColor(1, 0, 0.5f, 1);
    mtl->SetSubTexmap(c.slot, map);
    mtl->SetTexmapAmt(c.slot, c.amount, 0);
    mtl->EnableMap(c.slot, c.on);
    ASSERT_EQ(mtl->GetSubTexmap(c.slot), map);
    EXPECT_EQ(mtl->SubTexmapOn(c.slot), c.on ? 1 : 0);

    FixedLight light(Color(1, 1, 1), 0.5f);
    SampleShadeContext sc;
    if (c.lights > 0) sc.AddLight(&light);
    mtl->Shade(sc);
    ExpectNear(sc.out.c, c.expected);
  }
}

TEST(StdMat, OnlyTheDiffuseAndSelfIllumSlotsTakeMaps) {
  SceneHolder holder;
  StdMat* mtl = NewDefaultStdMat();
  holder.Add(mtl);
  auto* map = new FlatMap();
  holder.Add(map);
  EXPECT_EQ(mtl->NumSubTexmaps(), ID_SI + 1);
  for (int slot = -1; slot <= ID_SI + 1; ++slot) {
    mtl->SetSubTexmap(slot, map);
    const bool takes = slot == ID_DI || slot == ID_SI;
    EXPECT_EQ(mtl->GetSubTexmap(slot), takes ? map : nullptr) << slot;
    EXPECT_EQ(mtl->GetSubTexmapSlotName(slot).isNull(), !takes) << slot;
  }
  EXPECT_EQ(mtl->GetSubTexmapSlotName(ID_DI), L"Diffuse Color");
  // Anything but a map is refused by a map slot.
  StdMat* other = NewDefaultStdMat();
  holder.Add(other);
  mtl->ReplaceReference(0, other);
  EXPECT_EQ(mtl->GetSubTexmap(ID_DI), nullptr);
}

void SetEverything(StdMat& m) {
  m.SetName(L"Brick");
  m.gbufID = 4;
  m.SetAmbient(Color(0.1f, 0.2f, 0.3f), 0);
  m.SetDiffuse(Color(0.4f, 0.5f, 0.6f), 0);
  m.SetSpecular(Color(0.7f, 0.8f, 0.9f), 0);
  m.SetGlossiness(0.35f, 0);
  m.SetShinStr(1.5f, 0);
  m.SetOpacity(0.6f, 0);
  m.SetSelfIllum(0.2f, 0);
  m.SetTexmapAmt(ID_DI, 0.7f, 0);
  m.EnableMap(ID_SI, FALSE);
}

void ExpectEverything(StdMat& m) {
  EXPECT_EQ(m.GetName(), L"Brick");
  EXPECT_EQ(m.gbufID, 4);
  EXPECT_EQ(m.GetAmbient(), Color(0.1f, 0.2f, 0.3f));
  EXPECT_EQ(m.GetDiffuse(), Color(0.4f, 0.5f, 0.6f));
  EXPECT_EQ(m.GetSpecular(), Color(0.7f, 0.8f, 0.9f));
  EXPECT_EQ(m.GetShininess(), 0.35f);
  EXPECT_EQ(m.GetGlossiness(0), 0.35f);
  EXPECT_EQ(m.GetShinStr(), 1.5f);
  EXPECT_EQ(m.GetOpacity(0), 0.6f);
  EXPECT_EQ(m.GetSelfIllum(0), 0.2f);
  EXPECT_EQ(m.SubTexmapOn(ID_DI), 1);
  EXPECT_EQ(m.SubTexmapOn(ID_SI), 0);
}

TEST(StdMat, ValuesAndSharedMapKeptThroughCloneAndSceneFile) {
  static shadingtest::TestDesc<FlatMap, TEXMAP_CLASS_ID> flatDesc;
  RegisterClassDesc(&flatDesc);
  const std::pair<const char*, shadingtest::CopyWay> ways[] = {{"clone", shadingtest::CloneCopy},
                                                               {"scene file", shadingtest::SceneCopy}};
  for (const auto& [name, copyOf] : ways) {
    SCOPED_TRACE(name);
    SceneHolder holder;
    SceneHolder copies;
    StdMat* mtl = NewDefaultStdMat();
    holder.Add(mtl);
    SetEverything(*mtl);
    auto* map = new FlatMap();
    map->color = AColor(0.25f, 0.5f, 1.0f, 1.0f);
    mtl->SetSubTexmap(ID_DI, map);
    mtl->SetSubTexmap(ID_SI, map);

    ReferenceTarget* copyTarget = copyOf(mtl, copies);
    ASSERT_NE(copyTarget, nullptr);
    ASSERT_NE(copyTarget, mtl);
    ASSERT_EQ(copyTarget->ClassID(), DMTL_CLASS_ID);
    auto* copy = static_cast<StdMat*>(copyTarget);
    ExpectEverything(*copy);
    auto* copiedMap = static_cast<FlatMap*>(copy->GetSubTexmap(ID_DI));
    ASSERT_NE(copiedMap, nullptr);
    EXPECT_NE(copiedMap, map);
    EXPECT_EQ(copiedMap->color, map->color);
    EXPECT_EQ(copy->GetSubTexmap(ID_SI), copiedMap);  // still one map in both slots

    FixedLight light(Color(1, 0.5f, 0.25f), 0.8f);
    light.direction = kSlanted;
    SampleShadeContext a;
    SampleShadeContext b;
    a.AddLight(&light);
    b.AddLight(&light);
    mtl->Shade(a);
    copy->Shade(b);
    EXPECT_EQ(a.out.c, b.out.c);
    EXPECT_EQ(a.out.t, b.out.t);
  }
  UnregisterClassDesc(&flatDesc);
}

TEST(StdMat, ResetRestoresDefaultsAndDropsMaps) {
  SceneHolder holder;
  StdMat* fresh = NewDefaultStdMat();
  StdMat* mtl = NewDefaultStdMat();
  holder.Add(fresh);
  holder.Add(mtl);
  SetEverything(*mtl);
  mtl->SetSubTexmap(ID_DI, new FlatMap());
  mtl->Reset();
  EXPECT_EQ(mtl->GetSubTexmap(ID_DI), nullptr);
  EXPECT_EQ(mtl->GetDiffuse(), fresh->GetDiffuse());
  EXPECT_EQ(mtl->GetShininess(), fresh->GetShininess());
  EXPECT_EQ(mtl->GetXParency(), 0.0f);
  EXPECT_EQ(mtl->SubTexmapOn(ID_SI), 0);  // empty slot
}

}  // namespace
