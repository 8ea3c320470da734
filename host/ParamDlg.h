#pragma once
// Material-editor panels and the editor's interface to them.
#include "host/MaxHeap.h"
#include "host/Reference.h"
#include "host/WinTypes.h"

class HOSTAPI ParamDlg : public MaxHeapOperators {
public:
  virtual ~ParamDlg();
  virtual Class_ID ClassID() = 0;
  virtual void SetThing(ReferenceTarget* m) = 0;
  virtual ReferenceTarget* GetThing() = 0;
  virtual void SetTime(TimeValue t) = 0;
  virtual void ReloadDialog() = 0;
  virtual void DeleteThis() = 0;
  virtual void ActivateDlg(BOOL onOff) = 0;
  virtual int FindSubTexFromHWND(HWND hwnd);
  virtual int FindSubMtlFromHWND(HWND hwnd);
  virtual INT_PTR Execute(int cmd, ULONG_PTR arg1 = 0, ULONG_PTR arg2 = 0, ULONG_PTR arg3 = 0);
};

constexpr int ROLLUP_CAT_STANDARD = 4000;

class HOSTAPI IMtlParams {
public:
  virtual ~IMtlParams();
  virtual void MtlChanged() = 0;
  virtual HWND AddRollupPage(HINSTANCE hInst, int dlgTemplate, DLGPROC dlgProc, const wchar_t* title,
                             LPARAM param = 0, DWORD flags = 0, int category = ROLLUP_CAT_STANDARD) = 0;
  virtual void DeleteRollupPage(HWND hRollup) = 0;
  virtual void RollupMouseMessage(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam) = 0;
  virtual int IsRollupPanelOpen(HWND hwnd) = 0;
  virtual int GetRollupScrollPos() = 0;
  virtual void SetRollupScrollPos(int spos) = 0;
  virtual TimeValue GetTime() = 0;
};
