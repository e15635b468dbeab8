#pragma once
// The window and the charts name Windows fonts ("MS Sans Serif", "Arial").
// Where one is missing we ask for a sans of the same character widths by its
// own name instead of leaving the choice to fontconfig, whose default sans
// (usually DejaVu Sans) is much wider and would overflow the fixed layout.
#include <QFont>
#include <QString>
#include <QStringList>

#include <functional>

// Installed sans families with Arial's widths, best first.
const QStringList& ArialMetricFamilies();

// `wanted` if `installed` says so, else the first installed of `standIns`,
// else `wanted` again (Qt's own fallback then decides).
QString FamilyOrStandIn(const QString& wanted, const QStringList& standIns,
                        const std::function<bool(const QString&)>& installed);

// The same against this machine's font database; the answer is cached per family.
QString InstalledFamily(const QString& wanted);

// A sans font of `family` (or its stand-in), its height in logical pixels.
QFont PixelFont(const QString& family, int pixelSize, bool bold = false);
