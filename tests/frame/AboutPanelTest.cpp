// OstrelLib's about panel: one record per call, drawn from the descriptor's about values.
#include <gtest/gtest.h>

#include "ostrellib/AboutPanel.h"
#include "tests/frame/AboutPanelFixture.h"
#include "tests/frame/TestClassDescs.h"

namespace {

TEST(AboutPanelTest, EachCallAddsExactlyOnePanelForItsDescriptor) {
  ClearAboutPanelRecords();
  RecordingMtlParams params;
  TestMapDesc map;
  TestMtlDesc mtl;
  AddAboutPanel(&params, &map);
  AddAboutPanel(&params, &mtl);

  const std::vector<AboutPanelRecord> records = AboutPanelRecords();
  ASSERT_EQ(records.size(), 2u);
  struct Expected {
    ClassDesc* descriptor;
    const wchar_t* className;
    float version;
  };
  const Expected expected[] = {{&map, L"Test Map", map.Version()}, {&mtl, L"Test Material", mtl.Version()}};
  for (std::size_t i = 0; i < 2; ++i) {
    const AboutPanelRecord& r = records[i];
    EXPECT_EQ(r.params, &params);
    EXPECT_EQ(r.descriptor, expected[i].descriptor);
    EXPECT_EQ(r.className, expected[i].className);
    EXPECT_EQ(r.version, expected[i].version);
    EXPECT_EQ(r.buildDate, L"Mar 11 2018");
    EXPECT_EQ(r.sdkVersion, 0x52083400);
    EXPECT_FALSE(r.rightsNotice.isNull());
  }
  ExpectRollupsAdded(params, records);
  ClearAboutPanelRecords();
  EXPECT_TRUE(AboutPanelRecords().empty());
}

}  // namespace
