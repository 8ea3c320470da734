#include "ostrellib/AboutPanel.h"

#include <cstdio>
#include <cwchar>

#include "ostrellib/AboutText.h"

namespace {
// User-interface thread only, like every editor call.
std::vector<AboutPanelRecord>& records() {
  static std::vector<AboutPanelRecord> all;
  return all;
}

void addPanel(IMtlParams* imp, ClassDesc* cd, OstrelBaseClassDesc& about) {
  AboutPanelRecord r{
      imp, cd, cd->ClassName(), about.Version(), about.BuildDate(), about.SdkVersion(), about.RightsNotice()};
  records().push_back(r);
  if (imp != nullptr) ShowAboutRollup(imp, r);
}

// OstrelClassDesc carries the four operations itself, not through OstrelBaseClassDesc.
class AboutOf : public OstrelBaseClassDesc {
 public:
  explicit AboutOf(OstrelClassDesc& cd) : cd(cd) {}
  float Version() override { return cd.Version(); }
  WStr BuildDate() override { return cd.BuildDate(); }
  int SdkVersion() override { return cd.SdkVersion(); }
  WStr RightsNotice() override { return cd.RightsNotice(); }

 private:
  OstrelClassDesc& cd;
};

WStr format(const wchar_t* pattern, double value) {
  wchar_t text[64];
  std::swprintf(text, 64, pattern, value);
  return WStr(text);
}
}  // namespace

void AddAboutPanel(IMtlParams* imp, OstrelClassDesc* cd) {
  if (cd == nullptr) return;
  AboutOf about(*cd);
  addPanel(imp, cd, about);
}

void AddAboutPanel(IMtlParams* imp, OstrelClassDesc2* cd) {
  if (cd == nullptr) return;
  addPanel(imp, cd, *cd);
}

std::vector<AboutPanelRecord> AboutPanelRecords() { return records(); }

void ClearAboutPanelRecords() { records().clear(); }

WStr AboutTitle(const AboutPanelRecord& r) { return WStr(L"About ") + r.className; }

WStr AboutVersionLine(const AboutPanelRecord& r) { return format(L"Version %g", r.version); }

WStr AboutBuildLine(const AboutPanelRecord& r) { return WStr(L"Built ") + r.buildDate; }

WStr AboutSdkLine(const AboutPanelRecord& r) {
  wchar_t text[32];
  std::swprintf(text, 32, L"SDK 0x%08X", static_cast<unsigned>(r.sdkVersion));
  return WStr(text);
}
