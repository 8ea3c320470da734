#pragma once
// A material editor that records the rollup pages it is asked to add.
#include <vector>

#include "host/ParamDlg.h"
#include "ostrellib/AboutPanel.h"

class RecordingMtlParams : public IMtlParams {
 public:
  struct Page {
    HINSTANCE instance;
    int dlgTemplate;
    WStr title;
    int category;
    HWND window;
  };
  std::vector<Page> pages;

  void MtlChanged() override {}
  HWND AddRollupPage(HINSTANCE hInst, int dlgTemplate, DLGPROC dlgProc, const wchar_t* title, LPARAM param,
                     DWORD flags, int category) override;
  void DeleteRollupPage(HWND) override {}
  void RollupMouseMessage(HWND, UINT, WPARAM, LPARAM) override {}
  int IsRollupPanelOpen(HWND) override { return 1; }
  int GetRollupScrollPos() override { return 0; }
  void SetRollupScrollPos(int) override {}
  TimeValue GetTime() override { return 0; }
};

// What the platform's about panel added to the editor for these calls.
void ExpectRollupsAdded(RecordingMtlParams& params, const std::vector<AboutPanelRecord>& records);
