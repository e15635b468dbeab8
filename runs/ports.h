#pragma once
// How the runs reach the window: the window implements these with Qt, tests
// and the benchmark in memory.
#include <string>
#include <string_view>

#include "model/message_box.h"

// The text of the output area. Lines end in CR LF as long as only the program writes.
struct TOutputLog {
    virtual ~TOutputLog() = default;
    virtual void Clear() = 0;
    virtual void Append(std::string_view line) = 0;  // by AppendLine's rule
    virtual std::string Text() const = 0;
};

// Chart slots 1..4, one point series each.
struct TChartSlots {
    virtual ~TChartSlots() = default;
    virtual void ClearSeries(int slot) = 0;
    virtual void AddPoint(int slot, double x, double y) = 0;
};

struct TRunPorts {
    TOutputLog& Log;
    TChartSlots& Charts;
    TMessageBox& Box;
};
