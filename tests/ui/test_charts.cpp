// Chart panels: point order, one repaint per handler, automatic scaling with
// whole edge markers, mouse zoom / un-zoom / pan, the bitmap export, drawing
// at the screen's device pixel ratio, and the font stand-ins.
#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <cmath>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "ui/chart_panel.h"
#include "ui/fonts.h"
#include "ui/qt_chart_slots.h"

namespace {

// Lets the queued replot run, as the event loop does after a handler.
void Settle()
{
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

void SendMouse(QWidget* w, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint pos)
{
    QMouseEvent event(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

// Press at `from`, move in two steps to `to`, release there.
void DragWith(QWidget* w, Qt::MouseButton button, QPoint from, QPoint to)
{
    SendMouse(w, QEvent::MouseButtonPress, button, button, from);
    SendMouse(w, QEvent::MouseMove, Qt::NoButton, button, (from + to) / 2);
    SendMouse(w, QEvent::MouseMove, Qt::NoButton, button, to);
    SendMouse(w, QEvent::MouseButtonRelease, button, Qt::NoButton, to);
    Settle();
}

struct TView {
    QCPRange X, Y;
};

// True if a whole 5x5 black square, with no black in the ring around it, is
// centred within a pixel of `at`.
bool WholeMarkerAt(const QImage& image, QPointF at)
{
    const auto black = [&](int x, int y) { return image.pixel(x, y) == qRgb(0, 0, 0); };
    for (int cy = qRound(at.y()) - 1; cy <= qRound(at.y()) + 1; ++cy)
        for (int cx = qRound(at.x()) - 1; cx <= qRound(at.x()) + 1; ++cx) {
            bool whole = true;
            for (int dy = -3; dy <= 3; ++dy)
                for (int dx = -3; dx <= 3; ++dx) {
                    const bool ring = std::abs(dx) == 3 || std::abs(dy) == 3;
                    whole = whole && black(cx + dx, cy + dy) != ring;
                }
            if (whole) return true;
        }
    return false;
}

// True if the pixels around `center` hold a solid black square of `side`
// pixels (rounded the way the marker's outline is) with no black around it.
bool SolidSquareAt(const QImage& image, QPointF center, int side)
{
    const auto black = [&](int x, int y) { return image.pixel(x, y) == qRgb(0, 0, 0); };
    // Find the square's left and top edge by walking out from the centre.
    int left = int(std::floor(center.x())), top = int(std::floor(center.y()));
    if (!black(left, top)) return false;
    while (black(left - 1, top)) --left;
    while (black(left, top - 1)) --top;
    for (int y = top - 1; y <= top + side; ++y)
        for (int x = left - 1; x <= left + side; ++x) {
            const bool inside = x >= left && x < left + side && y >= top && y < top + side;
            if (black(x, y) != inside) return false;
        }
    return true;
}

TView ViewOf(const TChartPanel& p) { return {p.xAxis->range(), p.yAxis->range()}; }

bool SameView(const TView& a, const TView& b) { return a.X == b.X && a.Y == b.Y; }

class ChartPanelTest : public testing::Test {
protected:
    void SetUp() override
    {
        Panel = std::make_unique<TChartPanel>(QString::fromUtf8("súradnica vs. čas"));
        Panel->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Panel.get()));
        Settle();
    }

    // A spread of points like a short run: x ascending, y oscillating.
    void FillRun(double xOffset = 0)
    {
        Panel->ClearPoints();
        for (int i = 1; i <= 200; ++i) Panel->AddPoint(xOffset + i * 0.1, std::sin(i * 0.1) * 3);
        Settle();
    }

    QPoint PlotCenter() const { return Panel->axisRect()->rect().center(); }

    std::unique_ptr<TChartPanel> Panel;
};

TEST_F(ChartPanelTest, KeepsPointsSortedByXWithLaterEqualXAfterEarlier)
{
    // y is the order of adding; the expected series lists y values in series order.
    struct TCase {
        std::vector<double> Xs;
        std::vector<int> Expected;
    };
    const TCase cases[] = {
        {{1, 2, 3}, {0, 1, 2}},
        {{1, 2, 2, 2}, {0, 1, 2, 3}},              // equal x at the end
        {{1, 3, 2, 2}, {0, 2, 3, 1}},              // equal x in the middle
        {{1, 2, 3, 2, 1, 3}, {0, 4, 1, 3, 2, 5}},  // several runs of equal x
        {{2, 3, 1}, {2, 0, 1}},                    // below every x: first
        {{2, 2, 1, 2}, {2, 0, 1, 3}},
        {{5, 4, 3, 2, 1}, {4, 3, 2, 1, 0}},
    };
    for (const TCase& c : cases) {
        Panel->ClearPoints();
        for (std::size_t i = 0; i < c.Xs.size(); ++i) Panel->AddPoint(c.Xs[i], double(i));
        ASSERT_EQ(Panel->PointCount(), int(c.Expected.size()));
        for (int i = 0; i < Panel->PointCount(); ++i) {
            const QPointF p = Panel->PointAt(i);
            EXPECT_EQ(p.y(), c.Expected[i]) << "case starting " << c.Xs[0] << ", position " << i;
            EXPECT_EQ(p.x(), c.Xs[c.Expected[i]]);
        }
    }
}

TEST(ChartSlots, HandlerOfPointsCostsOneReplotPerChartAndReachesItsOwnChart)
{
    std::array<std::unique_ptr<TChartPanel>, 4> panels;
    std::array<TChartPanel*, 4> raw{};
    for (int k = 0; k < 4; ++k) {
        panels[k] = std::make_unique<TChartPanel>(QStringLiteral("chart %1").arg(k + 1));
        panels[k]->show();
        raw[k] = panels[k].get();
    }
    Settle();
    std::array<int, 4> before{};
    for (int k = 0; k < 4; ++k) before[k] = raw[k]->ReplotCount();

    TQtChartSlots charts(raw);
    for (int slot = 1; slot <= 4; ++slot) charts.ClearSeries(slot);
    for (int i = 1; i <= 1000; ++i)
        for (int slot = 1; slot <= 4; ++slot) charts.AddPoint(slot, i * 0.1, slot * 100 + i);

    for (int k = 0; k < 4; ++k) EXPECT_EQ(raw[k]->ReplotCount(), before[k]) << "drawn inside the handler";
    Settle();
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(raw[k]->ReplotCount(), before[k] + 1) << "chart " << k + 1;
        ASSERT_EQ(raw[k]->PointCount(), 1000);
        EXPECT_EQ(raw[k]->PointAt(0).y(), (k + 1) * 100 + 1);
        EXPECT_EQ(raw[k]->PointAt(999).y(), (k + 1) * 100 + 1000);
    }
}

TEST_F(ChartPanelTest, AutomaticScalingKeepsEveryMarkerWholeInsideThePlotArea)
{
    struct TCase {
        const char* Name;
        std::vector<QPointF> Points;
    };
    const TCase cases[] = {
        {"spread", {{0.1, -2}, {5, 7}, {50, 0.5}}},
        {"single point", {{3, 4}}},
        {"single point at origin", {{0, 0}}},
        {"equal x", {{2, -1}, {2, 1}, {2, 3}}},
        {"equal y", {{-1, 5}, {1, 5}}},
        {"large and tiny", {{1e14, -1e-9}, {3e14, 2e-9}}},
        {"negative", {{-300, -0.004}, {-100, -0.001}}},
    };
    for (const TCase& c : cases) {
        Panel->ClearPoints();
        for (const QPointF& p : c.Points) Panel->AddPoint(p.x(), p.y());
        Settle();
        const QRect plot = Panel->axisRect()->rect();
        EXPECT_GT(Panel->xAxis->range().size(), 0) << c.Name;
        EXPECT_GT(Panel->yAxis->range().size(), 0) << c.Name;
        for (const QPointF& p : c.Points) {
            const double px = Panel->xAxis->coordToPixel(p.x());
            const double py = Panel->yAxis->coordToPixel(p.y());
            EXPECT_GE(px, plot.left() + 3) << c.Name;
            EXPECT_LE(px, plot.right() - 3) << c.Name;
            EXPECT_GE(py, plot.top() + 3) << c.Name;
            EXPECT_LE(py, plot.bottom() - 3) << c.Name;
        }
        const QImage image = Panel->RenderImage();
        for (const QPointF& p : c.Points)
            EXPECT_TRUE(WholeMarkerAt(image, {Panel->xAxis->coordToPixel(p.x()), Panel->yAxis->coordToPixel(p.y())}))
                << c.Name << " at " << p.x() << ", " << p.y();
    }
    Panel->ClearPoints();
    Settle();
    EXPECT_TRUE(QCPRange::validRange(Panel->xAxis->range()));
    EXPECT_TRUE(QCPRange::validRange(Panel->yAxis->range()));
}

TEST_F(ChartPanelTest, LeftDragZoomsOnlyBeyondSixteenPixelsAndOtherDirectionsUnZoom)
{
    FillRun();
    const TView automatic = ViewOf(*Panel);
    const QPoint c = PlotCenter();

    enum class TOutcome { Zoom, Nothing, UnZoom };
    struct TCase {
        int Dx, Dy;
        TOutcome Outcome;
    };
    const TCase cases[] = {
        {17, 17, TOutcome::Zoom},     {17, 16, TOutcome::Nothing},  {16, 17, TOutcome::Nothing},
        {-40, 5, TOutcome::Nothing},  {0, 0, TOutcome::Nothing},    {-17, -17, TOutcome::UnZoom},
        {17, -17, TOutcome::UnZoom},  {-17, 17, TOutcome::UnZoom},
    };
    for (const bool fromZoomed : {false, true}) {
        for (const TCase& t : cases) {
            // Un-zoom, then optionally zoom into the upper left quarter first.
            DragWith(Panel.get(), Qt::LeftButton, c, c - QPoint(40, 40));
            ASSERT_TRUE(SameView(ViewOf(*Panel), automatic));
            if (fromZoomed) DragWith(Panel.get(), Qt::LeftButton, c - QPoint(100, 100), c + QPoint(20, 20));
            const TView before = ViewOf(*Panel);
            const bool autoBefore = Panel->IsAutoScaled();
            const QPoint end = c + QPoint(t.Dx, t.Dy);
            const QCPRange wantX(Panel->xAxis->pixelToCoord(c.x()), Panel->xAxis->pixelToCoord(end.x()));
            const QCPRange wantY(Panel->yAxis->pixelToCoord(end.y()), Panel->yAxis->pixelToCoord(c.y()));

            DragWith(Panel.get(), Qt::LeftButton, c, end);

            const std::string where = std::to_string(t.Dx) + "/" + std::to_string(t.Dy)
                + (fromZoomed ? " zoomed" : " automatic");
            switch (t.Outcome) {
            case TOutcome::Zoom:
                EXPECT_FALSE(Panel->IsAutoScaled()) << where;
                EXPECT_DOUBLE_EQ(Panel->xAxis->range().lower, wantX.lower) << where;
                EXPECT_DOUBLE_EQ(Panel->xAxis->range().upper, wantX.upper) << where;
                EXPECT_DOUBLE_EQ(Panel->yAxis->range().lower, wantY.lower) << where;
                EXPECT_DOUBLE_EQ(Panel->yAxis->range().upper, wantY.upper) << where;
                break;
            case TOutcome::Nothing:
                EXPECT_TRUE(SameView(ViewOf(*Panel), before)) << where;
                EXPECT_EQ(Panel->IsAutoScaled(), autoBefore) << where;
                break;
            case TOutcome::UnZoom:
                EXPECT_TRUE(Panel->IsAutoScaled()) << where;
                EXPECT_TRUE(SameView(ViewOf(*Panel), automatic)) << where;
                break;
            }
        }
    }
}

TEST_F(ChartPanelTest, UnZoomAfterTwoZoomsAndAPanReturnsToTheAutomaticView)
{
    FillRun();
    const TView automatic = ViewOf(*Panel);
    const QPoint c = PlotCenter();

    DragWith(Panel.get(), Qt::LeftButton, c - QPoint(100, 80), c + QPoint(60, 50));
    DragWith(Panel.get(), Qt::LeftButton, c - QPoint(50, 50), c + QPoint(30, 30));
    DragWith(Panel.get(), Qt::RightButton, c, c + QPoint(25, -15));
    ASSERT_FALSE(Panel->IsAutoScaled());
    ASSERT_FALSE(SameView(ViewOf(*Panel), automatic));

    DragWith(Panel.get(), Qt::LeftButton, c + QPoint(30, 30), c - QPoint(30, 30));
    EXPECT_TRUE(Panel->IsAutoScaled());
    EXPECT_TRUE(SameView(ViewOf(*Panel), automatic));
}

TEST_F(ChartPanelTest, LeftPressStartsAZoomOnThePlotAreaAndTheAxesButNotOnTheTitle)
{
    FillRun();
    const QRect plot = Panel->axisRect()->rect();
    const QRect title = Panel->plotLayout()->element(0, 0)->outerRect();
    ASSERT_LT(title.bottom(), plot.top());
    struct TCase {
        const char* Name;
        QPoint Start;
        bool Zooms;
    };
    const TCase cases[] = {
        {"title", title.center(), false},
        {"plot area", plot.topLeft() + QPoint(10, 10), true},
        {"left axis labels", QPoint(plot.left() - 15, plot.top() + 20), true},
        {"bottom axis labels", QPoint(plot.left() + 20, plot.bottom() + 10), true},
    };
    for (const TCase& t : cases) {
        DragWith(Panel.get(), Qt::LeftButton, PlotCenter(), PlotCenter() - QPoint(40, 40));  // un-zoom
        const TView before = ViewOf(*Panel);
        DragWith(Panel.get(), Qt::LeftButton, t.Start, t.Start + QPoint(60, 60));
        EXPECT_EQ(!Panel->IsAutoScaled(), t.Zooms) << t.Name;
        EXPECT_EQ(!SameView(ViewOf(*Panel), before), t.Zooms) << t.Name;
    }
}

TEST_F(ChartPanelTest, RightDragPansWithThePointerUntilItLeavesThePlotArea)
{
    FillRun();
    const QPoint start = PlotCenter();
    const QPoint moved = start + QPoint(30, -20);
    const QPointF grabbed(Panel->xAxis->pixelToCoord(start.x()), Panel->yAxis->pixelToCoord(start.y()));

    SendMouse(Panel.get(), QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, start);
    SendMouse(Panel.get(), QEvent::MouseMove, Qt::NoButton, Qt::RightButton, moved);
    Settle();
    // The value that was under the pointer stays under it.
    EXPECT_NEAR(Panel->xAxis->pixelToCoord(moved.x()), grabbed.x(), 1e-9);
    EXPECT_NEAR(Panel->yAxis->pixelToCoord(moved.y()), grabbed.y(), 1e-9);
    EXPECT_FALSE(Panel->IsAutoScaled());

    // Out of the plot area and back with the button still held: the pan is over.
    const TView panned = ViewOf(*Panel);
    SendMouse(Panel.get(), QEvent::MouseMove, Qt::NoButton, Qt::RightButton, QPoint(2, 2));
    SendMouse(Panel.get(), QEvent::MouseMove, Qt::NoButton, Qt::RightButton, start);
    SendMouse(Panel.get(), QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, start);
    Settle();
    EXPECT_TRUE(SameView(ViewOf(*Panel), panned));

    // A right drag that starts outside the plot area does nothing.
    const QPoint onAxis(Panel->axisRect()->rect().left() - 15, start.y());
    DragWith(Panel.get(), Qt::RightButton, onAxis, onAxis + QPoint(40, 40));
    EXPECT_TRUE(SameView(ViewOf(*Panel), panned));
}

TEST_F(ChartPanelTest, ZoomedRangesSurviveNewPointsUntilUnZoomShowsThemAll)
{
    FillRun();
    const QPoint c = PlotCenter();
    DragWith(Panel.get(), Qt::LeftButton, c - QPoint(60, 60), c + QPoint(40, 40));
    const TView zoomed = ViewOf(*Panel);

    FillRun(1000);  // a new run far to the right of the zoomed view
    EXPECT_TRUE(SameView(ViewOf(*Panel), zoomed));
    EXPECT_FALSE(Panel->IsAutoScaled());

    DragWith(Panel.get(), Qt::LeftButton, c, c - QPoint(30, 30));
    EXPECT_TRUE(Panel->IsAutoScaled());
    EXPECT_LT(Panel->xAxis->range().lower, Panel->PointAt(0).x());
    EXPECT_GT(Panel->xAxis->range().upper, Panel->PointAt(Panel->PointCount() - 1).x());
}

TEST_F(ChartPanelTest, BitmapIsTheWhite450x350PictureOfThePresentView)
{
    const QImage empty = Panel->RenderImage();
    ASSERT_EQ(empty.size(), QSize(450, 350));
    EXPECT_EQ(empty.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(empty.pixel(449, 349), qRgb(255, 255, 255));
    // The title is drawn in black at the top even with no points.
    const QRect title = Panel->plotLayout()->element(0, 0)->outerRect();
    bool titleInk = false;
    for (int y = title.top(); y <= title.bottom(); ++y)
        for (int x = title.left(); x <= title.right(); ++x) titleInk |= empty.pixel(x, y) == qRgb(0, 0, 0);
    EXPECT_TRUE(titleInk);

    FillRun();
    const QImage automatic = Panel->RenderImage();
    // As on screen; text drawn from the screen's label cache may differ in a few
    // antialiased pixels. (At a device pixel ratio above 1 the screen holds more
    // pixels than the export, which stays 450x350.)
    const QImage screen = Panel->grab().toImage().convertToFormat(automatic.format());
    if (screen.size() == automatic.size()) {
        int differing = 0;
        for (int y = 0; y < screen.height(); ++y)
            for (int x = 0; x < screen.width(); ++x) differing += screen.pixel(x, y) != automatic.pixel(x, y);
        EXPECT_LT(differing, 450 * 350 / 100);
    }
    const QPoint c = PlotCenter();
    DragWith(Panel.get(), Qt::LeftButton, c - QPoint(60, 60), c + QPoint(40, 40));
    const QImage zoomed = Panel->RenderImage();
    EXPECT_EQ(zoomed.size(), QSize(450, 350));
    EXPECT_NE(zoomed, automatic);

    // Uncompressed Windows BMP of the same size.
    const QByteArray bmp = Panel->BmpBytes();
    ASSERT_GE(bmp.size(), 54);
    const auto u16 = [&](int at) { return quint8(bmp[at]) | quint8(bmp[at + 1]) << 8; };
    const auto u32 = [&](int at) { return quint32(u16(at)) | quint32(u16(at + 2)) << 16; };
    EXPECT_EQ(bmp.left(2), QByteArray("BM"));
    EXPECT_EQ(u32(18), 450u);
    EXPECT_EQ(u32(22), 350u);  // positive: stored bottom-up
    EXPECT_EQ(u32(30), 0u);    // BI_RGB
    EXPECT_EQ(u32(2), quint32(bmp.size()));
    EXPECT_EQ(QImage::fromData(bmp, "BMP").convertToFormat(zoomed.format()), zoomed);
}

// --- Screens with a device pixel ratio above 1 --------------------------------
// These also run with QT_SCALE_FACTOR=2 (see tests/CMakeLists.txt).

// The ratio read while the panel was built may not be its screen's (built
// before its window was on a screen, or moved to another one since).
TEST(ChartScreenRatio, ShownPanelDrawsAtItsScreensRatioAndExportsAtOne)
{
    TChartPanel panel(QStringLiteral("chart"));
    const double screen = panel.devicePixelRatioF();
    panel.setBufferDevicePixelRatio(screen + 1);  // a stale reading
    panel.AddPoint(3, 4);
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    Settle();
    EXPECT_EQ(panel.bufferDevicePixelRatio(), screen);

    // On screen the marker is 5x5 logical pixels, drawn in device pixels.
    const QImage grabbed = panel.grab().toImage();
    EXPECT_EQ(grabbed.size(), QSize(qRound(450 * screen), qRound(350 * screen)));
    const QPointF center(panel.xAxis->coordToPixel(3), panel.yAxis->coordToPixel(4));
    EXPECT_TRUE(SolidSquareAt(grabbed, center * screen, qRound(5 * screen)));

    // The saved picture does not depend on the screen.
    const QImage exported = panel.RenderImage();
    EXPECT_EQ(exported.size(), QSize(450, 350));
    EXPECT_EQ(exported.devicePixelRatio(), 1.0);
    EXPECT_TRUE(SolidSquareAt(exported, center, 5));
}

// The bitmap of a chart with text, ticks and markers, drawn while the panel
// is shown on this process's screen.
QByteArray ReferenceChartBitmap()
{
    TChartPanel panel(QString::fromUtf8("rýchlosť vs. súradnica"));
    panel.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&panel));
    for (int i = 0; i <= 120; ++i) panel.AddPoint(std::cos(i * 0.05) * 7.5, std::sin(i * 0.05) * 0.0042);
    Settle();
    return panel.BmpBytes();
}

constexpr char ReferenceOutVariable[] = "OSCILATOR_CHART_REFERENCE_OUT";

// Compares with the same chart saved by a child process at scale factor 1;
// run in that child, it only writes its bitmap.
TEST(ChartExport, SavedBitmapIsTheSameAtEveryScaleFactor)
{
    const QByteArray here = ReferenceChartBitmap();
    ASSERT_FALSE(here.isEmpty());
    if (const QString out = qEnvironmentVariable(ReferenceOutVariable); !out.isEmpty()) {
        QFile file(out);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(here);
        return;
    }
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("reference.bmp"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("1"));
    environment.insert(QString::fromLatin1(ReferenceOutVariable), path);
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=ChartExport.SavedBitmapIsTheSameAtEveryScaleFactor")});
    ASSERT_TRUE(child.waitForFinished(120000));
    ASSERT_EQ(child.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(child.exitCode(), 0);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray reference = file.readAll();

    const QImage a = QImage::fromData(here, "BMP"), b = QImage::fromData(reference, "BMP");
    ASSERT_EQ(a.size(), QSize(450, 350));
    ASSERT_EQ(b.size(), QSize(450, 350));
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) differing += a.pixel(x, y) != b.pixel(x, y);
    EXPECT_EQ(differing, 0) << "pixels that differ from the bitmap saved at scale factor 1";
    EXPECT_TRUE(here == reference) << "BMP bytes differ";
}

TEST(Fonts, MissingFamilyIsAskedForByTheNameOfAnInstalledStandIn)
{
    const QStringList standIns{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")};
    const auto only = [](QStringList installed) {
        return [installed](const QString& family) { return installed.contains(family); };
    };
    const QString wanted = QStringLiteral("MS Sans Serif");
    EXPECT_EQ(FamilyOrStandIn(wanted, standIns, only({wanted, QStringLiteral("Arimo")})), wanted);
    EXPECT_EQ(FamilyOrStandIn(wanted, standIns, only({QStringLiteral("Arimo"), QStringLiteral("Liberation Sans")})),
              QStringLiteral("Liberation Sans"));
    EXPECT_EQ(FamilyOrStandIn(wanted, standIns, only({QStringLiteral("Arimo")})), QStringLiteral("Arimo"));
    EXPECT_EQ(FamilyOrStandIn(wanted, standIns, only({QStringLiteral("DejaVu Sans")})), wanted);
}

}  // namespace
