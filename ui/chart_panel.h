#pragma once
// One chart panel: a QCustomPlot with one scatter series of black 5x5 squares,
// automatic scaling that keeps edge markers whole, left-drag zoom / un-zoom,
// right-drag pan, and a 450x350 bitmap of what it shows.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <qcustomplot.h>

class TChartPanel : public QCustomPlot {
    Q_OBJECT
public:
    TChartPanel(const QString& title, QWidget* parent = nullptr);

    // Slot operations: change the points and queue one repaint.
    void ClearPoints();
    void AddPoint(double x, double y);  // kept in ascending x, later equal x after earlier

    int PointCount() const;
    QPointF PointAt(int index) const;   // (x, y) in series order

    bool IsAutoScaled() const;          // false after a zoom or pan, until un-zoom

    // The chart drawn as on screen (present zoom state) into a white 450x350 image.
    QImage RenderImage();
    // Uncompressed Windows BMP bytes of RenderImage().
    QByteArray BmpBytes();
};
