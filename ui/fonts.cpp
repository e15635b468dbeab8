#include "ui/fonts.h"

#include <QFontDatabase>
#include <QHash>

const QStringList& ArialMetricFamilies()
{
    // Liberation Sans comes with the set-up (fonts-liberation); the others are
    // the usual metric clones on other systems.
    static const QStringList families{
        QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),       QStringLiteral("Arial"),
        QStringLiteral("Helvetica"),       QStringLiteral("Nimbus Sans"), QStringLiteral("Nimbus Sans L"),
        QStringLiteral("TeX Gyre Heros"),
    };
    return families;
}

QString FamilyOrStandIn(const QString& wanted, const QStringList& standIns,
                        const std::function<bool(const QString&)>& installed)
{
    if (installed(wanted)) return wanted;
    for (const QString& family : standIns)
        if (installed(family)) return family;
    return wanted;
}

QString InstalledFamily(const QString& wanted)
{
    static QHash<QString, QString> chosen;
    const auto found = chosen.constFind(wanted);
    if (found != chosen.constEnd()) return *found;
    // "MS Sans Serif" has Arial's widths, and so has its TrueType successor.
    QStringList standIns = ArialMetricFamilies();
    if (wanted == QLatin1String("MS Sans Serif")) standIns.prepend(QStringLiteral("Microsoft Sans Serif"));
    standIns.removeAll(wanted);
    const QString family =
        FamilyOrStandIn(wanted, standIns, [](const QString& f) { return QFontDatabase::hasFamily(f); });
    chosen.insert(wanted, family);
    return family;
}

QFont PixelFont(const QString& family, int pixelSize, bool bold)
{
    QFont font(InstalledFamily(family));
    font.setStyleHint(QFont::SansSerif);  // should nothing above be installed
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}
