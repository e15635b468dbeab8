#include "model/integrator.h"

#include "model/app_error.h"

void IntegrateRKN(TAccelerationFunc F, std::span<double> X, std::span<double> V, double startTime,
                  double startPosition, double startVelocity, double h, std::int32_t n)
{
    X[0] = startPosition;
    V[0] = startVelocity;
    const double q = Stored(h * h / 2);
    if (n <= 0) return;

    double t = startTime;
    double x = startPosition;
    double v = startVelocity;
    // Evaluated left to right exactly as written; every stored value is checked,
    // so an overflow ends the run at the step where it happens.
    for (std::int32_t i = 1; i <= n; ++i) {
        const double k1 = Stored(q * Stored(F(t, x, v)));
        const double midTime = Stored(h / 2 + t);
        const double midPosition = Stored(h * v / 2 + x + k1 / 4);
        const double k2 = Stored(q * Stored(F(midTime, midPosition, Stored(k1 / h + v))));
        const double k3 = Stored(q * Stored(F(midTime, midPosition, Stored(k2 / h + v))));
        const double k4 = Stored(q * Stored(F(Stored(t + h), Stored(h * v + x + k3), Stored(2 * k3 / h + v))));
        t = Stored(t + h);
        x = Stored(h * v + x + (k1 + k2 + k3) / 3);
        v = Stored((2 * k2 + k1 + 2 * k3 + k4) / (3 * h) + v);
        X[i] = x;
        V[i] = v;
    }
}
