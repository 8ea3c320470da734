#include "host/ParamDimension.h"

namespace {

// Shown as stored.
class DefaultDimension : public ParamDimension {};

class PercentDimension : public ParamDimension {
 public:
  float Convert(float value) override { return value * 100.0f; }
  float UnConvert(float value) override { return value / 100.0f; }
  const wchar_t* DimensionName() override { return L"Percent"; }
};

class Color255Dimension : public ParamDimension {
 public:
  float Convert(float value) override { return value * 255.0f; }
  float UnConvert(float value) override { return value / 255.0f; }
  const wchar_t* DimensionName() override { return L"Color"; }
};

DefaultDimension theDefaultDim;
PercentDimension thePercentDim;
Color255Dimension theColor255Dim;

}  // namespace

ParamDimension::~ParamDimension() = default;
float ParamDimension::Convert(float value) { return value; }
float ParamDimension::UnConvert(float value) { return value; }
const wchar_t* ParamDimension::DimensionName() { return L""; }

ParamDimension* defaultDim = &theDefaultDim;
ParamDimension* stdPercentDim = &thePercentDim;
ParamDimension* stdColor255Dim = &theColor255Dim;
