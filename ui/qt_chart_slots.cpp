#include "ui/qt_chart_slots.h"

// Slots outside 1..4 do not occur; they are ignored rather than trusted.
void TQtChartSlots::ClearSeries(int slot)
{
    if (slot >= 1 && slot <= int(Panels.size())) Panels[slot - 1]->ClearPoints();
}

void TQtChartSlots::AddPoint(int slot, double x, double y)
{
    if (slot >= 1 && slot <= int(Panels.size())) Panels[slot - 1]->AddPoint(x, y);
}
