#pragma once
// The probe material's editor panel. The material has nothing to edit, so it adds no rollup.
#include "host/ParamDlg.h"

class NullMtl;

class NullMtlDlg : public ParamDlg {
 public:
  explicit NullMtlDlg(NullMtl* owner);
  // Makes the material drop its pointer first, so nothing reaches a deleted panel.
  ~NullMtlDlg() override;

  Class_ID ClassID() override;
  void SetThing(ReferenceTarget* m) override;
  ReferenceTarget* GetThing() override;
  void SetTime(TimeValue t) override;
  void ReloadDialog() override;
  void DeleteThis() override;
  void ActivateDlg(BOOL onOff) override;
  int FindSubTexFromHWND(HWND hwnd) override;
  int FindSubMtlFromHWND(HWND hwnd) override;
  INT_PTR Execute(int cmd, ULONG_PTR arg1 = 0, ULONG_PTR arg2 = 0, ULONG_PTR arg3 = 0) override;

 private:
  friend class NullMtl;
  // The material whose editorPanel is this panel, or null once the link is gone.
  NullMtl* owner;
};
