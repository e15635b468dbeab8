#include "model/oscillator.h"

#include "model/app_error.h"
#include "model/sim_state.h"

double FrictionValue(double w)
{
    const TModelParams& p = Sim.Params;
    const double sum = (-p.CoefA) * w + ((p.CoefB * w) * w) * w;
    // The constant term follows the sign of w; w = 0 counts as negative.
    return Stored(w > 0 ? sum + p.CoefC : sum - p.CoefC);
}

double Acceleration(double /*t*/, double x, double v)
{
    const TModelParams& p = Sim.Params;
    const double w = Stored(v - p.TransportVelocity);
    const double cubic = ((p.CoefB * w) * w) * w;
    const double s = Stored(w > 0 ? p.CoefA * w - cubic - p.CoefC : p.CoefA * w - cubic + p.CoefC);
    // m x'' = -f(w) - k x; SpringRatio already holds k/m.
    return Stored(s / p.Mass - p.SpringRatio * x);
}

double SpringRatioOf(double springConstant, double mass)
{
    if (mass == 0) {
        if (springConstant == 0) RaiseInvalidOperation();
        RaiseDivisionByZero();
    }
    return Stored(springConstant / mass);
}
