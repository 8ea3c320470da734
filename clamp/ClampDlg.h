#pragma once
// The material's editor panel as the material sees it. The hand-driven panel itself comes
// later; the material only asks it to reload after a change.
#include "host/ParamDlg.h"

class ClampDlg : public ParamDlg {
 public:
  // Marks the controls for a reload at the next paint.
  virtual void Invalidate() = 0;
};
