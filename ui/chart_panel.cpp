#include "ui/chart_panel.h"

#include "ui/fonts.h"

#include <QBuffer>
#include <QMouseEvent>
#include <QPainter>
#include <QShowEvent>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace {

// Pixels around the plot area that still count as "on the plot area or an axis"
// for starting a zoom, so a press on the axis line or a label's overhang works.
constexpr int AxisTolerance = 6;

// Chart text with one hinting on every screen: Qt drops hinting whenever
// high-DPI scaling is on, which would change the text in the saved bitmaps
// under a scale factor.
QFont ChartFont(const QString& family, int pixelSize, bool bold)
{
    QFont font = PixelFont(family, pixelSize, bold);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

// The range that puts lo and hi EdgeMargin pixels inside an axis of `pixels` length.
QCPRange FitRange(bool found, const QCPRange& data, int pixels)
{
    if (!found) return QCPRange(0, 1);  // empty series
    const double lo = data.lower, hi = data.upper;
    const double span = hi - lo;
    const double center = lo + span / 2;
    // One distinct value (or values too close to tell apart): show it centred.
    if (!(span > std::max(1e-250, std::abs(center) * 1e-13))) {
        const double half = center == 0 ? 1.0 : std::abs(center) * 0.1;
        const QCPRange around(center - half, center + half);
        return QCPRange::validRange(around) ? around : QCPRange(center - 1, center + 1);
    }
    const int margin = TChartPanel::EdgeMargin;
    const double usable = std::max(pixels - 2 * margin, 1);
    const double perPixel = span / usable;
    return QCPRange(lo - margin * perPixel, hi + margin * perPixel);
}

}  // namespace

TChartPanel::TChartPanel(const QString& title, QWidget* parent) : QCustomPlot(parent)
{
    setFixedSize(PanelWidth, PanelHeight);
    // A hidden widget gets its resize event only when shown; the export and the
    // hit tests need the real size before that.
    setViewport(QRect(0, 0, PanelWidth, PanelHeight));
    setFocusPolicy(Qt::StrongFocus);
    setInteractions(QCP::Interactions());  // all mouse work is ours
    setBackground(QBrush(Qt::white));
    axisRect()->setBackground(Qt::NoBrush);
    // Room on the right for the overhang of the last bottom tick label.
    axisRect()->setMinimumMargins(QMargins(10, 5, 16, 5));
    legend->setVisible(false);

    plotLayout()->insertRow(0);
    auto* heading = new QCPTextElement(this, title, ChartFont(QStringLiteral("Arial"), 16, true));
    heading->setTextColor(Qt::black);
    heading->setSelectable(false);
    plotLayout()->addElement(0, 0, heading);

    const QFont tickFont = ChartFont(QStringLiteral("Sans Serif"), 11, false);
    for (QCPAxis* axis : {xAxis, yAxis}) {
        axis->setTickLabelFont(tickFont);
        axis->setTickLabelColor(Qt::black);
        axis->setBasePen(QPen(Qt::black, 1));
        axis->setTickPen(QPen(Qt::black, 1));
        axis->setSubTickPen(QPen(Qt::black, 1));
        axis->setTickLength(0, 4);  // ticks point outward, never over a marker
        axis->setSubTickLength(0, 2);
        axis->setNumberFormat(QStringLiteral("g"));
        axis->setNumberPrecision(6);
    }
    // Top and right axes only close the frame around the plot area.
    for (QCPAxis* axis : {xAxis2, yAxis2}) {
        axis->setVisible(true);
        axis->setBasePen(QPen(Qt::black, 1));
        axis->setTicks(false);
        axis->setTickLabels(false);
    }

    Series = addGraph();
    Series->setPen(QPen(Qt::red));  // the series' own colour; the markers hide it
    Series->setLineStyle(QCPGraph::lsNone);
    // Mitred corners: at a device pixel ratio above 1 the outline is more than
    // one device pixel wide, and the default bevel would clip the corners.
    Series->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssSquare,
                                            QPen(QBrush(Qt::black), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin),
                                            QBrush(Qt::black), 4));
    Series->setAntialiasedScatters(false);  // crisp 5x5 squares
    Series->setAdaptiveSampling(false);     // every point is drawn, never thinned

    connect(this, &QCustomPlot::beforeReplot, this, &TChartPanel::BeforeReplot);
    xAxis->setRange(0, 1);
    yAxis->setRange(0, 1);
    replot(rpQueuedReplot);
}

void TChartPanel::ClearPoints()
{
    Series->data()->clear();
    replot(rpQueuedReplot);
}

void TChartPanel::AddPoint(double x, double y)
{
    QCPGraphDataContainer& data = *Series->data();
    const QCPGraphData point(x, y);
    const int count = data.size();
    if (count == 0 || !(x < (data.constEnd() - 1)->key)) {
        data.add(point);  // plain append, no search
    } else {
        // Search from the end: the new point goes after the last point whose x
        // does not exceed its own, so after every point of equal x.
        int after = count;
        while (after > 0 && (data.constBegin() + (after - 1))->key > x) --after;
        int firstEqual = after;
        while (firstEqual > 0 && (data.constBegin() + (firstEqual - 1))->key == x) --firstEqual;
        // The container inserts before equal keys (or prepends); move the new
        // point past them.
        data.add(point);
        if (after > firstEqual)
            std::rotate(data.begin() + firstEqual, data.begin() + firstEqual + 1, data.begin() + after + 1);
    }
    replot(rpQueuedReplot);
}

int TChartPanel::PointCount() const { return Series->data()->size(); }

QPointF TChartPanel::PointAt(int index) const
{
    const auto it = Series->data()->at(index);
    return QPointF(it->key, it->value);
}

bool TChartPanel::IsAutoScaled() const { return AutoScaled; }

QImage TChartPanel::RenderImage()
{
    const QRect oldViewport = viewport();
    setViewport(QRect(0, 0, PanelWidth, PanelHeight));
    // Points may have been added since the last replot; scale for them now.
    if (AutoScaled) ApplyAutoScale();
    QImage image(PanelWidth, PanelHeight, QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    image.fill(Qt::white);
    {
        QCPPainter painter(&image);
        toPainter(&painter, PanelWidth, PanelHeight);
    }
    if (oldViewport != viewport()) {
        setViewport(oldViewport);
        updateLayout();
    }
    return image;
}

QByteArray TChartPanel::BmpBytes()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    RenderImage().save(&buffer, "BMP");
    return bytes;
}

void TChartPanel::BeforeReplot()
{
    ++Replots;
    if (AutoScaled) ApplyAutoScale();
}

void TChartPanel::ApplyAutoScale()
{
    bool foundX = false, foundY = false;
    const QCPRange keys = Series->data()->keyRange(foundX);
    const QCPRange values = Series->data()->valueRange(foundY);
    // New ranges change the tick labels, whose width changes the plot area;
    // repeat until the plot area stays put (two passes as a rule).
    QRect plot;
    for (int pass = 0; pass < 4; ++pass) {
        updateLayout();
        const QRect now = axisRect()->rect();
        if (pass > 0 && now == plot) break;
        plot = now;
        xAxis->setRange(FitRange(foundX, keys, plot.width()));
        yAxis->setRange(FitRange(foundY, values, plot.height()));
    }
}

bool TChartPanel::StartsZoom(QPoint pos) const
{
    const QRect plot = axisRect()->rect();
    const QRect outer = axisRect()->outerRect();
    const int t = AxisTolerance;
    if (plot.adjusted(-t, -t, t, t).contains(pos)) return true;
    // The left axis with its labels fills the strip left of the plot area,
    // the bottom axis the strip below it. The title lies outside both.
    const bool leftStrip = pos.x() >= outer.left() && pos.x() < plot.left()
        && pos.y() >= std::max(outer.top(), plot.top() - t) && pos.y() <= plot.bottom() + t;
    const bool bottomStrip = pos.y() > plot.bottom() && pos.y() <= outer.bottom()
        && pos.x() >= plot.left() - t && pos.x() <= plot.right() + t;
    return leftStrip || bottomStrip;
}

// The view before the first zoom or pan is always the automatic one, so
// remembering it means only switching automatic scaling off, and un-zooming
// switches it back on: the next replot fits the points as they are then.
void TChartPanel::FixView() { AutoScaled = false; }

void TChartPanel::UnZoom()
{
    AutoScaled = true;
    replot(rpQueuedReplot);
}

void TChartPanel::FinishZoom(QPoint end)
{
    const int dx = end.x() - DragStart.x();
    const int dy = end.y() - DragStart.y();
    if (std::abs(dx) <= DragThreshold || std::abs(dy) <= DragThreshold) return;
    if (dx < 0 || dy < 0) {
        UnZoom();
        return;
    }
    const QCPRange x(xAxis->pixelToCoord(DragStart.x()), xAxis->pixelToCoord(end.x()));
    const QCPRange y(yAxis->pixelToCoord(end.y()), yAxis->pixelToCoord(DragStart.y()));
    FixView();
    xAxis->setRange(x);
    yAxis->setRange(y);
    replot(rpQueuedReplot);
}

void TChartPanel::PanTo(QPoint pos)
{
    const QRect plot = axisRect()->rect();
    if (!plot.contains(pos)) {  // leaving the plot area ends the pan
        Drag = TDrag::None;
        return;
    }
    if (pos == DragStart && AutoScaled) return;
    FixView();
    const double dx = (DragStart.x() - pos.x()) * PanStartX.size() / std::max(plot.width(), 1);
    const double dy = (pos.y() - DragStart.y()) * PanStartY.size() / std::max(plot.height(), 1);
    xAxis->setRange(PanStartX.lower + dx, PanStartX.upper + dx);
    yAxis->setRange(PanStartY.lower + dy, PanStartY.upper + dy);
    replot(rpQueuedReplot);
}

void TChartPanel::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (Drag != TDrag::None) return;  // one gesture at a time
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton && StartsZoom(pos)) {
        Drag = TDrag::Zoom;
        DragStart = DragNow = pos;
    } else if (event->button() == Qt::RightButton && axisRect()->rect().contains(pos)) {
        Drag = TDrag::Pan;
        DragStart = DragNow = pos;
        PanStartX = xAxis->range();
        PanStartY = yAxis->range();
    }
}

// A quick second press arrives as a double click; it starts a drag all the same.
void TChartPanel::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void TChartPanel::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    const QPoint pos = event->position().toPoint();
    if (Drag == TDrag::Zoom) {
        DragNow = pos;
        update();  // only the rectangle over the buffered chart; no replot
    } else if (Drag == TDrag::Pan) {
        DragNow = pos;
        PanTo(pos);
    }
}

void TChartPanel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const QPoint pos = event->position().toPoint();
    if (Drag == TDrag::Zoom && event->button() == Qt::LeftButton) {
        Drag = TDrag::None;
        update();
        FinishZoom(pos);
    } else if (Drag == TDrag::Pan && event->button() == Qt::RightButton) {
        Drag = TDrag::None;
    }
}

void TChartPanel::leaveEvent(QEvent* event)
{
    if (Drag == TDrag::Pan) Drag = TDrag::None;
    QCustomPlot::leaveEvent(event);
}

// QCustomPlot takes the device pixel ratio for its buffers only when it is
// built, before the panel knows its screen; without this the chart would be
// drawn at the wrong resolution and scaled.
void TChartPanel::FollowScreenRatio()
{
    const double ratio = devicePixelRatioF();
    if (qFuzzyCompare(bufferDevicePixelRatio(), ratio)) return;
    setBufferDevicePixelRatio(ratio);
    replot(rpQueuedRefresh);  // buffers now, paint with the next update
}

void TChartPanel::showEvent(QShowEvent* event)
{
    QCustomPlot::showEvent(event);
    // The window exists once shown; follow it to other screens from now on.
    QWindow* const handle = window()->windowHandle();
    if (handle && handle != ScreenWindow) {
        disconnect(ScreenChanged);
        ScreenWindow = handle;
        ScreenChanged = connect(handle, &QWindow::screenChanged, this, &TChartPanel::FollowScreenRatio);
    }
    FollowScreenRatio();
}

void TChartPanel::paintEvent(QPaintEvent* event)
{
    // A ratio can also change without a screen change (a screen's scale setting).
    FollowScreenRatio();
    QCustomPlot::paintEvent(event);
    if (Drag == TDrag::Zoom && DragNow != DragStart) {
        QPainter painter(this);
        painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(DragStart, DragNow).normalized());
    }
}
