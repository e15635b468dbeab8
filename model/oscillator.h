#pragma once
// Friction characteristic and equation of motion; both read Sim.Params.

// -a*w + b*w^3 + c for w > 0, -a*w + b*w^3 - c for w <= 0.
double FrictionValue(double w);

// x'' = (-FrictionValue(v - v0) - k*x) / m, with k/m held in SpringRatio.
double Acceleration(double t, double x, double v);

// SpringConstant / Mass with the platform's division errors.
double SpringRatioOf(double springConstant, double mass);
