#include "frame/Perturb.h"

void Perturb::SetParamDlg(PerturbDlg* dlg) { paramDlg = dlg; }
