// The Windows about panel adds one rollup page from OstrelLib's template and fills it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "ostrellib/AboutIds.h"
#include "tests/frame/AboutPanelFixture.h"

namespace {
// Rollup pages are child dialogs; the editor's window is their parent.
HWND editorWindow() {
  static HWND window = CreateWindowExW(0, L"STATIC", L"Material Editor", WS_OVERLAPPEDWINDOW, 0, 0, 400, 400,
                                       nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  return window;
}

std::wstring itemText(HWND page, int id) {
  wchar_t text[256] = {};
  GetDlgItemTextW(page, id, text, 256);
  return text;
}
}  // namespace

HWND RecordingMtlParams::AddRollupPage(HINSTANCE hInst, int dlgTemplate, DLGPROC dlgProc,
                                       const wchar_t* title, LPARAM param, DWORD, int category) {
  HWND page = CreateDialogParamW(hInst, MAKEINTRESOURCEW(dlgTemplate), editorWindow(), dlgProc, param);
  pages.push_back({hInst, dlgTemplate, title, category, page});
  return page;
}

void ExpectRollupsAdded(RecordingMtlParams& params, const std::vector<AboutPanelRecord>& records) {
  ASSERT_EQ(params.pages.size(), records.size());
  for (std::size_t i = 0; i < records.size(); ++i) {
    const RecordingMtlParams::Page& p = params.pages[i];
    EXPECT_EQ(p.dlgTemplate, IDD_OSTREL_ABOUT);
    EXPECT_EQ(p.category, ROLLUP_CAT_STANDARD);
    EXPECT_EQ(p.title, WStr(L"About ") + records[i].className);
    ASSERT_NE(p.window, nullptr);
    EXPECT_EQ(itemText(p.window, IDC_ABOUT_CLASS), records[i].className.str());
    const wchar_t* version = records[i].version == 2.05f ? L"Version 2.05" : L"Version 2.043";
    EXPECT_EQ(itemText(p.window, IDC_ABOUT_VERSION), version);
    EXPECT_EQ(itemText(p.window, IDC_ABOUT_BUILD), L"Built Mar 11 2018");
    EXPECT_EQ(itemText(p.window, IDC_ABOUT_SDK), L"SDK 0x52083400");
    EXPECT_EQ(itemText(p.window, IDC_ABOUT_RIGHTS), records[i].rightsNotice.str());
    DestroyWindow(p.window);
  }
}
