#pragma once
// In-memory stand-ins for the window's log, charts and message box.
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "runs/log_text.h"
#include "runs/ports.h"

struct TMemoryLog final : TOutputLog {
    std::string Contents;
    void Clear() override { Contents.clear(); }
    void Append(std::string_view line) override { AppendLine(Contents, line); }
    std::string Text() const override { return Contents; }
};

struct TMemoryCharts final : TChartSlots {
    std::array<std::vector<std::pair<double, double>>, 4> Points;  // in call order
    void ClearSeries(int slot) override { Points.at(slot - 1).clear(); }
    void AddPoint(int slot, double x, double y) override { Points.at(slot - 1).emplace_back(x, y); }
};

struct TRecordingBox final : TMessageBox {
    std::vector<std::string> Shown;
    void Show(std::string_view text) override { Shown.emplace_back(text); }
};
