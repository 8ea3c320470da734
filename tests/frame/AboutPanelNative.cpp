// The native about panel only records; it adds no rollup.
#include <gtest/gtest.h>

#include "tests/frame/AboutPanelFixture.h"

HWND RecordingMtlParams::AddRollupPage(HINSTANCE hInst, int dlgTemplate, DLGPROC, const wchar_t* title,
                                       LPARAM, DWORD, int category) {
  pages.push_back({hInst, dlgTemplate, title, category, nullptr});
  return nullptr;
}

void ExpectRollupsAdded(RecordingMtlParams& params, const std::vector<AboutPanelRecord>&) {
  EXPECT_TRUE(params.pages.empty());
}
