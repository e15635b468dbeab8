#include "runs/runs.h"

#include <charconv>

#include "model/app_error.h"
#include "model/check_ranges.h"
#include "model/integrator.h"
#include "model/oscillator.h"
#include "model/sim_state.h"
#include "runs/number_text.h"

namespace {

// The two runs label their parameter blocks slightly differently; saved logs
// keep both forms.
struct TParamBlockUnits {
    const char* StepSize;
    const char* Mass;
    const char* SpringConstant;
};
constexpr TParamBlockUnits FullRunUnits{" s", " kg", " N/m"};
constexpr TParamBlockUnits StepModeUnits{"", "kg", ""};

void AppendParamBlock(TOutputLog& log, const TModelParams& p, const TParamBlockUnits& units)
{
    std::string line = "počet krokov= ";
    char buf[16];
    line.append(buf, std::to_chars(buf, buf + sizeof buf, p.StepCount).ptr);
    log.Append(line);

    const auto numberLine = [&log](const char* prefix, double value, const char* suffix) {
        std::string text = prefix;
        AppendNumberText(text, value);
        text += suffix;
        log.Append(text);
    };
    numberLine("veľkosť kroku= ", p.StepSize, units.StepSize);
    numberLine("unášacia rýchlosť= ", p.TransportVelocity, " m/s");
    numberLine("hmotnosť= ", p.Mass, units.Mass);
    numberLine("konštanta pružiny= ", p.SpringConstant, units.SpringConstant);
    numberLine("koeficient a= ", p.CoefA, "");
    numberLine("koeficient b= ", p.CoefB, "");
    numberLine("koeficient c= ", p.CoefC, "");
    log.Append("");
}

// One log line of index i. Built completely before it is appended, so a value
// too large to round leaves no partial line.
void BuildDataRow(std::string& row, int i, double stepSize, std::string_view frictionGap)
{
    const TTrajectory& tr = Sim.Trajectory;
    row.clear();
    AppendRoundedNumberText(row, static_cast<double>(i) * stepSize);
    row += "     ";
    AppendRoundedNumberText(row, tr.Position[i]);
    row += "     ";
    AppendRoundedNumberText(row, tr.Velocity[i]);
    row += frictionGap;
    AppendRoundedNumberText(row, tr.Friction[i]);
}

void AddPoints(TChartSlots& charts, int i)
{
    const TTrajectory& tr = Sim.Trajectory;
    charts.AddPoint(1, tr.Time[i], tr.Position[i]);
    charts.AddPoint(2, tr.Position[i], tr.Velocity[i]);
    charts.AddPoint(3, tr.Time[i], tr.Velocity[i]);
    charts.AddPoint(4, tr.RelVelocity[i], tr.Friction[i]);
}

void ClearAllSeries(TChartSlots& charts)
{
    for (int slot = 1; slot <= 4; ++slot) charts.ClearSeries(slot);
}

void IntegrateFromRest(const TModelParams& p)
{
    TTrajectory& tr = Sim.Trajectory;
    tr.Time[0] = 0;
    tr.Position[0] = 0;
    tr.Velocity[0] = 0;
    IntegrateRKN(Acceleration, tr.Position, tr.Velocity, 0, 0, 0, p.StepSize, p.StepCount);
}

// Relative velocity and friction of index i.
void DeriveFriction(const TModelParams& p, int i)
{
    TTrajectory& tr = Sim.Trajectory;
    const double w = Stored(tr.Velocity[i] - p.TransportVelocity);
    tr.RelVelocity[i] = w;
    tr.Friction[i] = FrictionValue(w);
}

}  // namespace

void RunFull(const TFieldTexts& texts, const TRunPorts& ports)
{
    TModelParams& p = Sim.Params;
    TTrajectory& tr = Sim.Trajectory;
    ReadParams(p, texts);
    if (!CheckRanges(p, ports.Box)) return;

    ports.Log.Clear();
    Sim.StepIndex = 0;
    ClearAllSeries(ports.Charts);
    AppendParamBlock(ports.Log, p, FullRunUnits);

    p.SpringRatio = SpringRatioOf(p.SpringConstant, p.Mass);
    IntegrateFromRest(p);
    const int n = p.StepCount;
    for (int i = 0; i <= n; ++i) {
        if (i > 0) tr.Time[i] = Stored(tr.Time[i - 1] + p.StepSize);
        DeriveFriction(p, i);
    }
    ports.Log.Append(HeaderLine);

    std::string row;
    row.reserve(96);
    for (int i = 1; i <= n; ++i) {
        AddPoints(ports.Charts, i);
        BuildDataRow(row, i, p.StepSize, "     ");
        ports.Log.Append(row);
    }
}

void RunStep(const TFieldTexts& texts, const TRunPorts& ports)
{
    TModelParams& p = Sim.Params;
    TTrajectory& tr = Sim.Trajectory;
    ReadParams(p, texts);
    if (!CheckRanges(p, ports.Box)) return;

    if (Sim.StepIndex >= p.StepCount) Sim.StepIndex = 0;
    if (Sim.StepIndex == 0) {
        ClearAllSeries(ports.Charts);
        ports.Log.Clear();
        AppendParamBlock(ports.Log, p, StepModeUnits);
        ports.Log.Append(HeaderLine);
    }

    p.SpringRatio = SpringRatioOf(p.SpringConstant, p.Mass);
    // Steps from 0.1 up to the range limit count as 0.1, in either direction.
    if (p.StepSize >= 0.1) p.StepSize = 0.1;
    if (p.StepSize <= -0.1) p.StepSize = -0.1;
    IntegrateFromRest(p);

    const int j = ++Sim.StepIndex;
    const double w = Stored(tr.Velocity[j] - p.TransportVelocity);
    tr.RelVelocity[j] = w;
    tr.Time[j] = Stored(tr.Time[j - 1] + p.StepSize);
    tr.Friction[j] = FrictionValue(w);

    std::string row;
    BuildDataRow(row, j, p.StepSize, "   ");
    ports.Log.Append(row);
    AddPoints(ports.Charts, j);
}
