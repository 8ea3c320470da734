// The host's output object: the "Output" adjustment a map applies to its colour, mono and bump
// results. Its values are not animated; they are kept as plain members and saved as its own chunks.
#include "host/TextureOutput.h"

#include <new>

#include "host/BuiltinClasses.h"
#include "host/ChunkIO.h"
#include "host/HostChunkIds.h"
#include "host/ValueChunks.h"

namespace {

constexpr std::uint32_t kInvertBit = 0x1;
constexpr std::uint32_t kClampBit = 0x2;

float Clamp01(float v) {
  if (v < 0.0f) return 0.0f;
  if (v > 1.0f) return 1.0f;
  return v;
}

class DefaultTextureOutput : public TextureOutput {
 public:
  DefaultTextureOutput() { SetDefaults(); }

  Class_ID ClassID() override { return TEXOUT_CLASS_ID; }
  void GetClassName(WStr& s) override { s = L"Output"; }

  // Invert, then output amount and RGB level, then RGB offset, then clamp. Alpha is only clamped.
  AColor Filter(AColor c) override {
    if (identity) return c;
    for (int i = 0; i < 3; ++i) {
      float v = invert ? 1.0f - c[i] : c[i];
      v = v * outputAmount * rgbLevel[i] + rgbOffset[i];
      c[i] = clamp ? Clamp01(v) : v;
    }
    if (clamp) c.a = Clamp01(c.a);
    return c;
  }

  // The mono value is treated as a grey, adjusted by the mean RGB level and offset.
  float Filter(float f) override {
    if (identity) return f;
    float v = invert ? 1.0f - f : f;
    v = v * outputAmount * monoLevel + monoOffset;
    return clamp ? Clamp01(v) : v;
  }

  // A bump is scaled by the output amount; an inverted map bumps the other way.
  Point3 Filter(Point3 p) override {
    if (identity) return p;
    return (invert ? -p : p) * outputAmount;
  }

  float GetOutputLevel(TimeValue /*t*/) override { return outputAmount; }
  void SetOutputLevel(TimeValue /*t*/, float v) override {
    outputAmount = v;
    Changed();
  }
  Color GetRGBLevel(TimeValue /*t*/) override { return rgbLevel; }
  void SetRGBLevel(TimeValue /*t*/, const Color& c) override {
    rgbLevel = c;
    Changed();
  }
  Color GetRGBOffset(TimeValue /*t*/) override { return rgbOffset; }
  void SetRGBOffset(TimeValue /*t*/, const Color& c) override {
    rgbOffset = c;
    Changed();
  }
  BOOL GetInvert() override { return invert; }
  void SetInvert(BOOL on) override {
    invert = on ? TRUE : FALSE;
    Changed();
  }
  BOOL GetClamp() override { return clamp; }
  void SetClamp(BOOL on) override {
    clamp = on ? TRUE : FALSE;
    Changed();
  }

  // Nothing here varies over time.
  void Update(TimeValue /*t*/, Interval& valid) override { valid &= FOREVER; }
  Interval Validity(TimeValue /*t*/) override { return FOREVER; }
  void Reset() override {
    SetDefaults();
    Changed();
  }

  RefTargetHandle Clone(RemapDir& /*remap*/) override {
    auto* copy = new (std::nothrow) DefaultTextureOutput();
    if (copy == nullptr) return nullptr;
    copy->CopyValues(*this);
    return copy;
  }

  IOResult Save(ISave* isave) override {
    const float level[3] = {rgbLevel.r, rgbLevel.g, rgbLevel.b};
    const float offset[3] = {rgbOffset.r, rgbOffset.g, rgbOffset.b};
    const std::uint32_t flags = (invert ? kInvertBit : 0u) | (clamp ? kClampBit : 0u);
    IOResult res = valuechunks::WriteFloatsChunk(isave, TEXOUT_AMOUNT_CHUNK, &outputAmount, 1);
    if (res == IO_OK) res = valuechunks::WriteFloatsChunk(isave, TEXOUT_LEVEL_CHUNK, level, 3);
    if (res == IO_OK) res = valuechunks::WriteFloatsChunk(isave, TEXOUT_OFFSET_CHUNK, offset, 3);
    if (res == IO_OK) res = valuechunks::WriteWordsChunk(isave, TEXOUT_FLAGS_CHUNK, &flags, 1);
    return res;
  }

  // Values missing from the file keep their defaults; chunks of other ids are skipped.
  IOResult Load(ILoad* iload) override {
    IOResult res = IO_OK;
    while ((res = iload->OpenChunk()) == IO_OK) {
      float v[3] = {};
      std::uint32_t flags = 0;
      switch (iload->CurChunkID()) {
        case TEXOUT_AMOUNT_CHUNK:
          res = valuechunks::ReadFloats(iload, &outputAmount, 1);
          break;
        case TEXOUT_LEVEL_CHUNK:
          res = valuechunks::ReadFloats(iload, v, 3);
          if (res == IO_OK) rgbLevel = Color(v[0], v[1], v[2]);
          break;
        case TEXOUT_OFFSET_CHUNK:
          res = valuechunks::ReadFloats(iload, v, 3);
          if (res == IO_OK) rgbOffset = Color(v[0], v[1], v[2]);
          break;
        case TEXOUT_FLAGS_CHUNK:
          res = valuechunks::ReadWords(iload, &flags, 1);
          if (res == IO_OK) {
            invert = (flags & kInvertBit) ? TRUE : FALSE;
            clamp = (flags & kClampBit) ? TRUE : FALSE;
          }
          break;
        default:
          break;
      }
      const IOResult closed = iload->CloseChunk();
      if (res != IO_OK) break;
      res = closed;
      if (res != IO_OK) break;
    }
    Refresh();
    return res == IO_END ? IO_OK : res;
  }

 private:
  void SetDefaults() {
    outputAmount = 1.0f;
    rgbLevel = Color(1.0f, 1.0f, 1.0f);
    rgbOffset = Color(0.0f, 0.0f, 0.0f);
    invert = FALSE;
    clamp = FALSE;
    Refresh();
  }

  void CopyValues(const DefaultTextureOutput& o) {
    outputAmount = o.outputAmount;
    rgbLevel = o.rgbLevel;
    rgbOffset = o.rgbOffset;
    invert = o.invert;
    clamp = o.clamp;
    Refresh();
  }

  static float Mean(const Color& c) { return c.r == c.g && c.g == c.b ? c.r : (c.r + c.g + c.b) / 3.0f; }

  // Derived values, recomputed whenever a value changes so that Filter stays a few operations.
  void Refresh() {
    identity = outputAmount == 1.0f && rgbLevel == Color(1.0f, 1.0f, 1.0f) &&
               rgbOffset == Color(0.0f, 0.0f, 0.0f) && !invert && !clamp;
    monoLevel = Mean(rgbLevel);
    monoOffset = Mean(rgbOffset);
  }

  // Maps above cache their filtered results; a changed value must reach them.
  void Changed() {
    Refresh();
    NotifyDependents(FOREVER, PART_ALL, REFMSG_CHANGE);
  }

  float outputAmount = 1.0f;
  Color rgbLevel;
  Color rgbOffset;
  BOOL invert = FALSE;
  BOOL clamp = FALSE;
  // At the defaults every Filter hands its value back untouched, bit for bit.
  bool identity = true;
  float monoLevel = 1.0f;
  float monoOffset = 0.0f;
};

class TextureOutputDesc : public ClassDesc {
 public:
  int IsPublic() override { return 0; }
  void* Create(BOOL /*loading*/) override { return new (std::nothrow) DefaultTextureOutput(); }
  const wchar_t* ClassName() override { return L"Output"; }
  SClass_ID SuperClassID() override { return TEXOUTPUT_CLASS_ID; }
  Class_ID ClassID() override { return TEXOUT_CLASS_ID; }
  const wchar_t* Category() override { return L""; }
};

}  // namespace

TextureOutput::~TextureOutput() = default;
SClass_ID TextureOutput::SuperClassID() { return TEXOUTPUT_CLASS_ID; }

TextureOutput* GetNewDefaultTextureOutput() { return new (std::nothrow) DefaultTextureOutput(); }

ClassDesc* TextureOutputClassDesc() {
  static TextureOutputDesc desc;
  return &desc;
}
