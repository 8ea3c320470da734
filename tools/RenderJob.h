#pragma once
// What the host program saves with a scene: the layout, the image size and the time, and as its
// references the materials of the layout's slots.
#include <vector>

#include "host/ClassDesc.h"
#include "host/Materials.h"
#include "tools/SceneLayout.h"

constexpr Class_ID RENDER_JOB_CLASS_ID(0x0573E101, 0x2D6A7B01);
constexpr int kMaxJobSlots = 8;

// The job's own chunks, each little-endian 32-bit words.
constexpr USHORT JOB_LAYOUT_CHUNK = 0x0100;  // layout number
constexpr USHORT JOB_SIZE_CHUNK = 0x0101;    // width, height
constexpr USHORT JOB_TIME_CHUNK = 0x0102;    // time in ticks
constexpr USHORT JOB_SLOTS_CHUNK = 0x0103;   // number of material slots

// Image sizes the program accepts, here and from files.
constexpr int kMaxImageSide = 8192;

class RenderJob : public ReferenceTarget {
 public:
  LayoutId layout = LayoutId::kSample;
  int width = 320;
  int height = 240;
  TimeValue time = 0;

  // Sets the number of slots, up to kMaxJobSlots; new slots are empty.
  void SetSlotCount(int n);
  int SlotCount() const { return static_cast<int>(slots.size()); }
  void SetMaterial(int slot, Mtl* m);  // through the reference system
  Mtl* Material(int slot) const;
  std::vector<Mtl*> Materials() const;

  Class_ID ClassID() override { return RENDER_JOB_CLASS_ID; }
  SClass_ID SuperClassID() override { return REF_TARGET_CLASS_ID; }
  void GetClassName(WStr& s) override;
  int NumRefs() override { return SlotCount(); }
  RefTargetHandle GetReference(int i) override;
  int NumSubs() override { return SlotCount(); }
  Animatable* SubAnim(int i) override { return GetReference(i); }
  IOResult Save(ISave* isave) override;
  // Values out of range are refused, so a damaged file cannot ask for an impossible render.
  IOResult Load(ILoad* iload) override;

 protected:
  void SetReference(int i, RefTargetHandle target) override;

 private:
  std::vector<Mtl*> slots;
};

// The descriptor the scene file creates jobs through; register it before loading a scene.
ClassDesc* RenderJobClassDesc();
