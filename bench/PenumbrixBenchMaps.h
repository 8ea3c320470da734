#pragma once
// A sub-map with a constant answer. It lives in a source file of its own so that neither the
// map nor the baseline can see through its virtual calls.
#include "host/Materials.h"

Texmap* NewConstMap(const AColor& c);
