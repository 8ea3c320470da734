#pragma once
// The about rollup's texts, one source for both builds.
#include "host/MaxTypes.h"
#include "host/ParamDlg.h"

struct AboutPanelRecord;

// "Version 2.043", "Built Mar 11 2018", "SDK 0x52083400".
WStr AboutVersionLine(const AboutPanelRecord& r);
WStr AboutBuildLine(const AboutPanelRecord& r);
WStr AboutSdkLine(const AboutPanelRecord& r);
WStr AboutTitle(const AboutPanelRecord& r);

// Adds the rollup to the material editor (Windows) or nothing (native build).
void ShowAboutRollup(IMtlParams* imp, const AboutPanelRecord& r);
