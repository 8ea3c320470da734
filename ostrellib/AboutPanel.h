#pragma once
// OstrelLib: the maker's utility module. Its about rollup shows a plug-in's class name and the
// four about values of its descriptor. Each editor panel calls AddAboutPanel once, after its
// own rollups; nothing is returned and the caller relies on no effect.
#include <vector>

#include "frame/OstrelClassDesc.h"
#include "host/ParamDlg.h"
#include "ostrellib/OstrelLibApi.h"

OSTRELLIB_API void AddAboutPanel(IMtlParams* imp, OstrelClassDesc* cd);
OSTRELLIB_API void AddAboutPanel(IMtlParams* imp, OstrelClassDesc2* cd);

// What one call showed, in call order; kept so that tests can see each panel made it once.
struct AboutPanelRecord {
  IMtlParams* params;
  ClassDesc* descriptor;
  WStr className;
  float version;
  WStr buildDate;
  int sdkVersion;
  WStr rightsNotice;
};
OSTRELLIB_API std::vector<AboutPanelRecord> AboutPanelRecords();
OSTRELLIB_API void ClearAboutPanelRecords();
