// The about rollup in the material editor: a page of OstrelLib's own dialog template.
#include <windows.h>

#include "ostrellib/AboutIds.h"
#include "ostrellib/AboutPanel.h"
#include "ostrellib/AboutText.h"

namespace {
HINSTANCE libraryInstance() {
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&libraryInstance), &module);
  return module;
}

// The page is filled once, from the record handed over as its init parameter; the controls
// keep their own copies of the texts.
INT_PTR CALLBACK AboutDlgProc(HWND hwnd, UINT msg, WPARAM /*wParam*/, LPARAM lParam) {
  if (msg != WM_INITDIALOG) return FALSE;
  const auto* r = reinterpret_cast<const AboutPanelRecord*>(lParam);
  if (r == nullptr) return TRUE;
  SetDlgItemTextW(hwnd, IDC_ABOUT_CLASS, r->className.data());
  SetDlgItemTextW(hwnd, IDC_ABOUT_VERSION, AboutVersionLine(*r).data());
  SetDlgItemTextW(hwnd, IDC_ABOUT_BUILD, AboutBuildLine(*r).data());
  SetDlgItemTextW(hwnd, IDC_ABOUT_SDK, AboutSdkLine(*r).data());
  SetDlgItemTextW(hwnd, IDC_ABOUT_RIGHTS, r->rightsNotice.data());
  return TRUE;
}
}  // namespace

void ShowAboutRollup(IMtlParams* imp, const AboutPanelRecord& r) {
  const WStr title = AboutTitle(r);
  imp->AddRollupPage(libraryInstance(), IDD_OSTREL_ABOUT, AboutDlgProc, title.data(),
                     reinterpret_cast<LPARAM>(&r), 0, ROLLUP_CAT_STANDARD);
}
