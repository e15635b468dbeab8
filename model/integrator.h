#pragma once
#include <cstdint>
#include <span>

// Right-hand side of x'' = F(t, x, x').
using TAccelerationFunc = double (*)(double t, double x, double v);

// Fourth-order Runge-Kutta-Nystroem over n fixed steps of size h. Writes
// X[0..n] and V[0..n] (X[0], V[0] even when n <= 0) and nothing else; the
// caller guarantees n + 1 entries.
void IntegrateRKN(TAccelerationFunc F, std::span<double> X, std::span<double> V, double startTime,
                  double startPosition, double startVelocity, double h, std::int32_t n);
