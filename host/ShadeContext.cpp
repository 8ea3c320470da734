// The renderer's per-sample interfaces.
#include "host/ShadeContext.h"

LightDesc::~LightDesc() = default;
ShadeContext::~ShadeContext() = default;
