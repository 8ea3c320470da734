#pragma once
// What the wire map asks of its open editor panel. The panel keeps a parameter map over the
// map's block; the map only tells it when that block is replaced or has changed.
class IParamBlock;

class FilameshPanel {
 public:
  // Point the panel's parameter map at `block` (a new block after Reset).
  virtual void BindBlock(IParamBlock* block) = 0;
  // The block's values changed: redraw the controls.
  virtual void Invalidate() = 0;

 protected:
  ~FilameshPanel() = default;
};
