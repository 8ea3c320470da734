#include "facetor/NullMtlDlg.h"

#include "facetor/FacetorIds.h"
#include "facetor/NullMtl.h"

NullMtlDlg::NullMtlDlg(NullMtl* owner) : owner(owner) {}

NullMtlDlg::~NullMtlDlg() {
  if (owner) owner->PanelGone(this);
}

Class_ID NullMtlDlg::ClassID() { return kNullMtlClassID; }
void NullMtlDlg::SetThing(ReferenceTarget* m) {}
ReferenceTarget* NullMtlDlg::GetThing() { return nullptr; }
void NullMtlDlg::SetTime(TimeValue t) {}
void NullMtlDlg::ReloadDialog() {}
void NullMtlDlg::DeleteThis() { delete this; }
void NullMtlDlg::ActivateDlg(BOOL onOff) {}
int NullMtlDlg::FindSubTexFromHWND(HWND hwnd) { return -1; }
int NullMtlDlg::FindSubMtlFromHWND(HWND hwnd) { return -1; }
INT_PTR NullMtlDlg::Execute(int cmd, ULONG_PTR arg1, ULONG_PTR arg2, ULONG_PTR arg3) { return 0; }
