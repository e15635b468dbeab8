// Speed of the runs into in-memory log and chart sinks.
#include <benchmark/benchmark.h>

#include "model/sim_state.h"
#include "runs/memory_sinks.h"
#include "runs/runs.h"

namespace {

struct Sinks {
    TMemoryLog Log;
    TMemoryCharts Charts;
    TRecordingBox Box;
    TRunPorts Ports{Log, Charts, Box};
    TFieldTexts Texts = StartFieldTexts();
    Sinks()
    {
        ResetSimulationState();
        Texts[0] = "1000";
        Log.Contents.reserve(64 * 1024);
        for (auto& points : Charts.Points) points.reserve(1000);
    }
};

// "Vykresli" with N = 1000: 1010 log lines, 4000 points.
void BM_RunFull1000(benchmark::State& state)
{
    Sinks s;
    for (auto _ : state) {
        RunFull(s.Texts, s.Ports);
        benchmark::DoNotOptimize(s.Log.Contents.data());
    }
    state.counters["lines"] = 1010;
}
BENCHMARK(BM_RunFull1000)->Unit(benchmark::kMicrosecond);

// One "Krokuj" click in the middle of a 1000-step sequence.
void BM_RunStepClick1000(benchmark::State& state)
{
    Sinks s;
    RunStep(s.Texts, s.Ports);
    for (auto _ : state) {
        Sim.StepIndex = 500;
        RunStep(s.Texts, s.Ports);
    }
}
BENCHMARK(BM_RunStepClick1000)->Unit(benchmark::kMicrosecond);

// A complete sequence: 1000 clicks, each integrating all 1000 steps again.
void BM_StepSequence1000(benchmark::State& state)
{
    Sinks s;
    for (auto _ : state) {
        Sim.StepIndex = 0;
        for (int click = 0; click < 1000; ++click) RunStep(s.Texts, s.Ports);
    }
}
BENCHMARK(BM_StepSequence1000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
