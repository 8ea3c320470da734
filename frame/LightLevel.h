#pragma once
// How strongly a shading sample is lit: one definition for every plug-in that measures it.
#include "host/ShadeContext.h"

// Over the sample's lights in index order, the lights that reach it with a diffuse weight
// above 0 add colour × weight per channel; the level is |(r + g + b) × 0.33333334|.
// `normal` is passed to each light's Illuminate.
float LightLevel(ShadeContext& sc, Point3& normal);
