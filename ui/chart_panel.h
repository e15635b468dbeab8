#pragma once
// One chart panel: a QCustomPlot with one scatter series of black 5x5 squares,
// automatic scaling that keeps edge markers whole, left-drag zoom / un-zoom,
// right-drag pan, and a 450x350 bitmap of what it shows.
#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <qcustomplot.h>

class TChartPanel : public QCustomPlot {
    Q_OBJECT
public:
    static constexpr int PanelWidth = 450;
    static constexpr int PanelHeight = 350;
    // Pixels between the plot area's edge and the centre of an outermost point
    // under automatic scaling; a marker reaches 2 px from its centre.
    static constexpr int EdgeMargin = 5;
    // A drag must exceed this many pixels on both axes to zoom or un-zoom.
    static constexpr int DragThreshold = 16;

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

    // Number of replots done so far (queued or not); lets tests and benchmarks
    // see that a handler's points cost one repaint.
    int ReplotCount() const { return Replots; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    enum class TDrag { None, Zoom, Pan };

    void BeforeReplot();
    void ApplyAutoScale();
    bool StartsZoom(QPoint pos) const;
    void FinishZoom(QPoint end);
    void PanTo(QPoint pos);
    void FixView();
    void UnZoom();
    void FollowScreenRatio();

    QCPGraph* Series = nullptr;
    bool AutoScaled = true;

    TDrag Drag = TDrag::None;
    QPoint DragStart, DragNow;
    QCPRange PanStartX, PanStartY;

    int Replots = 0;

    QPointer<QWindow> ScreenWindow;  // whose screenChanged we follow
    QMetaObject::Connection ScreenChanged;
};
