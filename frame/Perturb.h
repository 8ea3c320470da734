#pragma once
// The maker's shared Perturb class, of which the modules define only the exported setter
// (ordinal 6 of Penumbrix, clamp and Filamesh). Nothing in the modules calls it.
#include "frame/ModuleEntry.h"

class PerturbDlg;

class Perturb {
 public:
  OSTREL_EXPORT void SetParamDlg(PerturbDlg* dlg);
  PerturbDlg* paramDlg = nullptr;
};
