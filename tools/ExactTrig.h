#pragma once
// Sine and cosine from plain arithmetic, so that meshes built from angles come out bit for bit the
// same whatever C library the program runs on.

// Sine and cosine of `turns` × 2π.
void SinCosTurns(double turns, double& s, double& c);
