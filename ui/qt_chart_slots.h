#pragma once
#include <array>

#include "runs/ports.h"
#include "ui/chart_panel.h"

// Chart slots 1..4 bound to the window's four chart panels.
class TQtChartSlots final : public TChartSlots {
public:
    explicit TQtChartSlots(std::array<TChartPanel*, 4> panels) : Panels(panels) {}
    void ClearSeries(int slot) override;
    void AddPoint(int slot, double x, double y) override;

private:
    std::array<TChartPanel*, 4> Panels;
};
