// The native build has no material editor windows; the call is only recorded.
#include "ostrellib/AboutPanel.h"
#include "ostrellib/AboutText.h"

void ShowAboutRollup(IMtlParams* /*imp*/, const AboutPanelRecord& /*r*/) {}
