#pragma once
// What the map asks of its open editor panel. The map calls these only while a panel shows it.

class PenumbrixPanel {
 public:
  // Repaint the curve view now; the map's transition table becomes stale.
  virtual void RedrawCurve() = 0;
  // The map's values changed: reload every control at the next paint.
  virtual void InvalidateControls() = 0;
  // Relabel the two sub-map buttons.
  virtual void RefreshMapButtons(bool create) = 0;
  // Show a value the map changed itself, without notifying anyone.
  virtual void ShowLowThreshold(float v) = 0;
  virtual void ShowHighThreshold(float v) = 0;
  virtual void ShowAmount(int side, int percent) = 0;

 protected:
  ~PenumbrixPanel() = default;
};
