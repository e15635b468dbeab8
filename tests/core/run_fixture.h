#pragma once
// Shared set-up for the run tests: fresh simulation state and in-memory sinks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "error_of.h"
#include "model/sim_state.h"
#include "runs/memory_sinks.h"
#include "runs/runs.h"

class RunFixture : public testing::Test {
public:
    void SetUp() override { ResetSimulationState(); }

    TMemoryLog Log;
    TMemoryCharts Charts;
    TRecordingBox Box;
    TFieldTexts Texts = StartFieldTexts();
    TRunPorts Ports{Log, Charts, Box};

    // Field numbers as on the window: 1 = Edit1 (steps) ... 8 = Edit8 (c).
    RunFixture& Field(int number, std::string text)
    {
        Texts.at(number - 1) = std::move(text);
        return *this;
    }

    std::string Full() { return ErrorOf([&] { RunFull(Texts, Ports); }); }
    std::string Step() { return ErrorOf([&] { RunStep(Texts, Ports); }); }

    std::vector<std::string> Lines() const
    {
        std::vector<std::string> lines;
        const std::string& t = Log.Contents;
        for (std::size_t start = 0; start < t.size();) {
            const std::size_t end = t.find("\r\n", start);
            if (end == std::string::npos) {
                lines.push_back(t.substr(start));
                break;
            }
            lines.push_back(t.substr(start, end - start));
            start = end + 2;
        }
        return lines;
    }

    std::size_t PointCount(int slot) const { return Charts.Points.at(slot - 1).size(); }
};
