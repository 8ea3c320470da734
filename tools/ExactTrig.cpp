#include "tools/ExactTrig.h"

#include <cmath>

namespace {

constexpr double kHalfPi = 1.57079632679489661923;

// Taylor series on [-π/4, π/4]; the terms past these are below double precision there.
double SinSeries(double a) {
  const double a2 = a * a;
  double term = a;
  double sum = a;
  for (int n = 1; n <= 9; ++n) {
    term = -term * a2 / ((2.0 * n) * (2.0 * n + 1.0));
    sum += term;
  }
  return sum;
}

double CosSeries(double a) {
  const double a2 = a * a;
  double term = 1.0;
  double sum = 1.0;
  for (int n = 1; n <= 9; ++n) {
    term = -term * a2 / ((2.0 * n - 1.0) * (2.0 * n));
    sum += term;
  }
  return sum;
}

}  // namespace

void SinCosTurns(double turns, double& s, double& c) {
  // Quarter turns are exact in binary, so the reduction loses nothing for the angles meshes use.
  const double quarters = turns * 4.0;
  const double q = std::nearbyint(quarters);
  const double a = (quarters - q) * kHalfPi;
  const double sa = SinSeries(a);
  const double ca = CosSeries(a);
  switch (static_cast<long long>(q) & 3) {
    case 0:
      s = sa, c = ca;
      break;
    case 1:
      s = ca, c = -sa;
      break;
    case 2:
      s = -sa, c = -ca;
      break;
    default:
      s = -ca, c = sa;
      break;
  }
}
