// Our fixed-step integrator against an independent adaptive one (Boost.Odeint,
// Dormand-Prince 5(4) at 1e-12) on the same oscillator.
#include <gtest/gtest.h>

#include <array>
#include <boost/numeric/odeint.hpp>
#include <cmath>

#include "model/integrator.h"
#include "model/oscillator.h"
#include "model/sim_state.h"

namespace {

using TState = std::array<double, 2>;  // position, velocity

// m x'' = -f(v - v0) - k x, written out from the physics rather than from Acceleration.
struct TReferenceOscillator {
    double Mass, SpringConstant, TransportVelocity, A, B, C;
    void operator()(const TState& s, TState& ds, double /*t*/) const
    {
        const double w = s[1] - TransportVelocity;
        const double friction = -A * w + B * w * w * w + (w > 0 ? C : -C);
        ds[0] = s[1];
        ds[1] = (-friction - SpringConstant * s[0]) / Mass;
    }
};

TState Reference(const TReferenceOscillator& rhs, double endTime)
{
    namespace odeint = boost::numeric::odeint;
    TState s{0, 0};
    odeint::integrate_adaptive(odeint::make_controlled<odeint::runge_kutta_dopri5<TState>>(1e-12, 1e-12),
                               rhs, s, 0.0, endTime, 1e-3);
    return s;
}

// Position and velocity after `steps` steps of size h from rest, with the
// current Sim.Params.
TState Ours(double h, int steps)
{
    static TTable x, v;
    Sim.Params.SpringRatio = SpringRatioOf(Sim.Params.SpringConstant, Sim.Params.Mass);
    IntegrateRKN(Acceleration, x, v, 0, 0, 0, h, steps);
    return {x[steps], v[steps]};
}

double ErrorOf(const TState& a, const TState& b) { return std::hypot(a[0] - b[0], a[1] - b[1]); }

TReferenceOscillator FromParams()
{
    const TModelParams& p = Sim.Params;
    return {p.Mass, p.SpringConstant, p.TransportVelocity, p.CoefA, p.CoefB, p.CoefC};
}

// With the start values the mass never reaches the belt speed (|v| < 10 over
// the interval), so the right-hand side is smooth and the scheme's order shows.
TEST(Accuracy, FourthOrderConvergenceWithUnitMass)
{
    ResetSimulationState();
    const double endTime = 10;
    const TState exact = Reference(FromParams(), endTime);
    const double coarse = ErrorOf(Ours(0.1, 100), exact);
    const double fine = ErrorOf(Ours(0.05, 200), exact);
    EXPECT_GT(coarse / fine, 12);
    EXPECT_LT(coarse / fine, 20);
    // Harmonic part with omega = 1, amplitude about 4: a fourth-order one-step
    // method accumulates roughly T * A * (omega h)^4 / 120 = 10 * 4 * 1e-4 / 120,
    // about 3.3e-5 at t = 10; allow a factor of three.
    EXPECT_LT(coarse, 1e-4);
}

TEST(Accuracy, NonUnitMassFollowsTheEquationOfMotion)
{
    ResetSimulationState();
    Sim.Params.Mass = 2;
    Sim.Params.SpringConstant = 3;
    const double endTime = 10;
    const TState exact = Reference(FromParams(), endTime);
    EXPECT_LT(ErrorOf(Ours(0.05, 200), exact), 1e-5);
}

}  // namespace
