// Defaults of material-editor panels and of the editor's interface.
#include "host/ParamDlg.h"

ParamDlg::~ParamDlg() = default;
// A panel without sub-object buttons owns no window the editor could ask about.
int ParamDlg::FindSubTexFromHWND(HWND /*hwnd*/) { return -1; }
int ParamDlg::FindSubMtlFromHWND(HWND /*hwnd*/) { return -1; }
INT_PTR ParamDlg::Execute(int /*cmd*/, ULONG_PTR /*arg1*/, ULONG_PTR /*arg2*/, ULONG_PTR /*arg3*/) {
  return 0;
}

IMtlParams::~IMtlParams() = default;
