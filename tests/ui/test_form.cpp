// The window as a whole: start-up, keyboard, output area, boxes and the
// handlers wired to the runs, driven through Qt events with recording boxes.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <clocale>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

#include "model/app_error.h"
#include "model/sim_state.h"
#include "runs/memory_sinks.h"
#include "ui/boxes.h"
#include "ui/fonts.h"
#include "ui/form1.h"
#include "ui/help_text.h"
#include "ui/memo_log.h"

namespace {

struct TRecordingErrorBox final : TErrorBox {
    std::vector<std::string> Shown;
    void Show(std::string_view text) override { Shown.emplace_back(text); }
};

int LineBreaks(const std::string& text)
{
    int count = 0;
    for (std::size_t i = text.find("\r\n"); i != std::string::npos; i = text.find("\r\n", i + 2))
        ++count;
    return count;
}

std::string LastLine(const std::string& text)
{
    std::string body = text.ends_with("\r\n") ? text.substr(0, text.size() - 2) : text;
    const std::size_t start = body.rfind("\r\n");
    return start == std::string::npos ? body : body.substr(start + 2);
}

// Lets queued replots and repaints happen, as after a handler returns.
void Settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

class FormTest : public testing::Test {
protected:
    void SetUp() override
    {
        ResetSimulationState();
        Form = std::make_unique<TForm1>(Messages, Errors);
        Form->show();
        Form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
        Settle();
    }
    void TearDown() override { Form.reset(); }

    std::string Log() const { return Form->Log().Text(); }
    // What the widget shows, in the log's CR LF form.
    std::string Shown() const { return LogTextOf(Form->Memo1->toPlainText()); }
    std::array<int, 4> Points() const
    {
        return {Form->Chart1->PointCount(), Form->Chart2->PointCount(), Form->Chart3->PointCount(),
                Form->Chart4->PointCount()};
    }
    std::array<int, 4> Replots() const
    {
        return {Form->Chart1->ReplotCount(), Form->Chart2->ReplotCount(),
                Form->Chart3->ReplotCount(), Form->Chart4->ReplotCount()};
    }
    void Click(QPushButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton);
        Settle();
    }

    TRecordingBox Messages;
    TRecordingErrorBox Errors;
    std::unique_ptr<TForm1> Form;
};

// --- Start-up --------------------------------------------------------------

TEST_F(FormTest, StartsWithDefaultsEmptyOutputAndFocusOnKrokuj)
{
    EXPECT_EQ(Form->windowTitle(), QString::fromUtf8("Mechanický nelineárny systém"));
    const std::pair<TEditField*, const char*> fields[] = {
        {Form->Edit1, "500"}, {Form->Edit2, "0.1"},   {Form->Edit3, "10"},       {Form->Edit4, "1"},
        {Form->Edit5, "1"},   {Form->Edit6, "0.002"}, {Form->Edit7, "0.000001"}, {Form->Edit8, "4"},
    };
    for (const auto& [field, text] : fields) EXPECT_EQ(field->text(), QString::fromUtf8(text)) << text;
    EXPECT_EQ(Form->Memo1->toPlainText(), QString());
    EXPECT_EQ(Log(), "");
    EXPECT_EQ(Points(), (std::array{0, 0, 0, 0}));
    EXPECT_EQ(QApplication::focusWidget(), Form->Button3);
    EXPECT_EQ(DecimalSeparator, '.');
    EXPECT_EQ(Sim.StepIndex, 0);
    EXPECT_EQ(Sim.Params.StepCount, 500);
    EXPECT_EQ(Sim.Params.CoefB, 0.000001);
    EXPECT_FALSE(Form->windowIcon().isNull());
    EXPECT_EQ(Form->size(), QSize(1400, 803));
}

TEST_F(FormTest, ControlsStandWhereTheLayoutPutsThem)
{
    const std::pair<QWidget*, QRect> controls[] = {
        {Form->Chart1, {24, 56, 450, 350}},     {Form->Chart2, {480, 56, 450, 350}},
        {Form->Chart3, {24, 408, 450, 350}},    {Form->Chart4, {480, 408, 450, 350}},
        {Form->Edit2, {1128, 104, 57, 21}},     {Form->Edit1, {1128, 128, 54, 21}},
        {Form->Edit3, {1128, 156, 54, 21}},     {Form->Edit4, {1128, 182, 54, 21}},
        {Form->Edit5, {1128, 209, 54, 21}},     {Form->Edit6, {1128, 235, 54, 21}},
        {Form->Edit7, {1128, 261, 54, 21}},     {Form->Edit8, {1128, 288, 54, 21}},
        {Form->Button3, {936, 360, 113, 25}},   {Form->Button1, {936, 392, 113, 25}},
        {Form->Button2, {936, 424, 113, 25}},   {Form->Button4, {936, 456, 113, 25}},
        {Form->Memo1, {1184, 104, 209, 665}},
    };
    for (const auto& [control, rect] : controls)
        EXPECT_EQ(control->geometry(), rect) << "control at " << rect.x() << "," << rect.y();

    // Labels size themselves; their corner is fixed, and a label must end
    // before the field on its row (the title before the charts' right column).
    const std::tuple<QLabel*, QPoint, const char*, int> labels[] = {
        {Form->Label2, {440, 8}, "Nelineárny mechanický systém", 32},
        {Form->Label10, {936, 64}, "Nastavenie parametrov modelu:", 16},
        {Form->Label9, {1248, 64}, "Výstup", 16},
        {Form->Label11, {936, 104}, "veľkosť kroku", 16},
        {Form->Label1, {936, 128}, "počet krokov:", 16},
        {Form->Label3, {936, 156}, "unášacia rýchlosť [m/s]:", 16},
        {Form->Label4, {936, 182}, "hmotnosť [kg]:", 16},
        {Form->Label5, {936, 209}, "konštanta pružiny [N/m]:", 16},
        {Form->Label6, {936, 235}, "koeficient a:", 16},
        {Form->Label7, {936, 261}, "koeficient b:", 16},
        {Form->Label8, {936, 288}, "koeficient trenia:", 16},
    };
    for (const auto& [label, corner, caption, pixels] : labels) {
        SCOPED_TRACE(caption);
        EXPECT_EQ(label->text(), QString::fromUtf8(caption));
        EXPECT_EQ(label->pos(), corner);
        EXPECT_EQ(label->font().pixelSize(), pixels);
        EXPECT_EQ(label->size(), label->sizeHint());
        if (corner.x() == 936 && corner.y() > 64) {
            EXPECT_LT(label->geometry().right(), 1128);
        }
    }
    EXPECT_EQ(Form->font().pixelSize(), 11);
    EXPECT_EQ(Form->Button1->font().pixelSize(), 11);
    EXPECT_EQ(Form->Memo1->font().pixelSize(), 11);

    // Resizing the window moves nothing.
    Form->resize(700, 500);
    Settle();
    EXPECT_EQ(Form->Memo1->geometry(), QRect(1184, 104, 209, 665));
    EXPECT_EQ(Form->Button4->geometry(), QRect(936, 456, 113, 25));
}

// Without "MS Sans Serif" the fontconfig default (DejaVu Sans) would be
// picked, whose wider letters push the labels into the fields.
TEST_F(FormTest, WindowFontsAreMsSansSerifOrASansOfItsWidths)
{
    QStringList fitting = ArialMetricFamilies();
    fitting << QStringLiteral("MS Sans Serif") << QStringLiteral("Microsoft Sans Serif");
    const std::pair<QWidget*, const char*> controls[] = {
        {Form.get(), "window"}, {Form->Label2, "Label2"}, {Form->Label5, "Label5"},
        {Form->Button1, "Button1"}, {Form->Edit7, "Edit7"}, {Form->Memo1, "Memo1"},
    };
    for (const auto& [control, name] : controls)
        EXPECT_TRUE(fitting.contains(QFontInfo(control->font()).family()))
            << name << " drawn in " << QFontInfo(control->font()).family().toStdString();
    // The chart titles ask for Arial.
    EXPECT_TRUE(ArialMetricFamilies().contains(
        QFontInfo(static_cast<QCPTextElement*>(Form->Chart1->plotLayout()->element(0, 0))->font()).family()));
}

TEST_F(FormTest, CaptionsAndHints)
{
    const std::tuple<QWidget*, const char*, const char*> buttons[] = {
        {Form->Button3, "Krokuj", "Po stlačení <ENTER> alebo ľavého tlačidla myši vykreslí bod."},
        {Form->Button1, "Vykresli", "Vykreslí všetky grafy."},
        {Form->Button2, "Ulož",
         "Uloží grafy a \"výstup\" do suborov vo formate: rok:mesiac:den:hodina:min:sekunda..."},
        {Form->Button4, "Pomoc", ""},
    };
    for (const auto& [widget, caption, hint] : buttons) {
        auto* button = static_cast<QPushButton*>(widget);
        EXPECT_EQ(button->text(), QString::fromUtf8(caption));
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(hint)) << caption;
        EXPECT_FALSE(button->isDefault());
        EXPECT_FALSE(button->autoDefault());
    }
    const std::pair<TEditField*, const char*> fields[] = {
        {Form->Edit1, "500 <1; 1000>"},  {Form->Edit2, "0.1 (0; 0.1>"},
        {Form->Edit3, "10 <-1000; 1000>"}, {Form->Edit4, "1 (0; 10000>"},
        {Form->Edit5, "1 (0; 1000>"},    {Form->Edit6, "0.002 <0; 1>"},
        {Form->Edit7, "0.000001 <0; 1>"}, {Form->Edit8, "4 <0; 10>"},
    };
    for (const auto& [field, hint] : fields) {
        EXPECT_EQ(field->toolTip(), QString::fromUtf8(hint));
        EXPECT_EQ(field->toolTipDuration(), 4000);
    }
    EXPECT_EQ(Form->Button3->toolTipDuration(), 4000);
    EXPECT_TRUE(Form->Memo1->toolTip().isEmpty());
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 250);
}

// --- Keyboard ---------------------------------------------------------------

TEST_F(FormTest, TabCyclesThroughTheControlsInOrder)
{
    const std::vector<QWidget*> order = {
        Form->Button3, Form->Button1, Form->Button2, Form->Chart1, Form->Chart2, Form->Chart3,
        Form->Chart4,  Form->Edit1,   Form->Edit3,   Form->Edit4,  Form->Edit5,  Form->Edit6,
        Form->Edit7,   Form->Edit8,   Form->Memo1,   Form->Edit2,  Form->Button4};
    ASSERT_EQ(QApplication::focusWidget(), Form->Button3);
    for (std::size_t i = 1; i <= order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), order[i % order.size()]) << "after tab " << i;
    }
    for (std::size_t i = order.size(); i-- > 0;) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        ASSERT_EQ(QApplication::focusWidget(), order[i]) << "back to " << i;
    }
}

TEST_F(FormTest, EnterAndSpacePressTheFocusedButtonOnly)
{
    const struct {
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        bool Presses;
    } cases[] = {
        {Qt::Key_Return, Qt::NoModifier, true},      {Qt::Key_Enter, Qt::KeypadModifier, true},
        {Qt::Key_Space, Qt::NoModifier, true},       {Qt::Key_Return, Qt::ShiftModifier, false},
        {Qt::Key_Return, Qt::ControlModifier, false}, {Qt::Key_Return, Qt::AltModifier, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "key " << c.Key << " modifiers " << c.Modifiers.toInt());
        Sim.StepIndex = 0;
        Form->Button3->setFocus();
        QTest::keyClick(Form->Button3, c.Key, c.Modifiers);
        Settle();
        EXPECT_EQ(Sim.StepIndex, c.Presses ? 1 : 0);
    }
}

TEST_F(FormTest, EnterRightAfterStartShowsTheFirstPoint)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    Settle();
    EXPECT_EQ(LineBreaks(Log()), 11);  // nine parameter lines, header, step 1
    EXPECT_EQ(Points(), (std::array{1, 1, 1, 1}));
    EXPECT_EQ(Shown(), Log());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    Settle();
    EXPECT_EQ(LineBreaks(Log()), 12);
    EXPECT_EQ(Sim.StepIndex, 2);
}

TEST_F(FormTest, EnterInAFieldOrOnAChartPressesNoButtonAndBreaksALineInTheOutput)
{
    for (QWidget* w : std::initializer_list<QWidget*>{Form->Edit1, Form->Edit2, Form->Chart1, Form->Chart4}) {
        w->setFocus();
        QTest::keyClick(w, Qt::Key_Return);
        Settle();
    }
    EXPECT_EQ(Sim.StepIndex, 0);
    EXPECT_EQ(Log(), "");
    Form->Memo1->setFocus();
    QTest::keyClicks(Form->Memo1, "ab");
    QTest::keyClick(Form->Memo1, Qt::Key_Return);
    EXPECT_EQ(Log(), "ab\r\n");
    EXPECT_EQ(Sim.StepIndex, 0);
}

// --- Runs through the window ---------------------------------------------

TEST_F(FormTest, VykresliWithDefaultsListsAndDrawsEveryStepWithOneRepaintPerChart)
{
    const auto before = Replots();
    Click(Form->Button1);
    EXPECT_EQ(LineBreaks(Log()), 510);
    EXPECT_TRUE(Log().ends_with("\r\n"));
    EXPECT_EQ(Shown(), Log());
    EXPECT_EQ(Points(), (std::array{500, 500, 500, 500}));
    const auto after = Replots();
    for (int k = 0; k < 4; ++k) EXPECT_EQ(after[k] - before[k], 1) << "chart " << k + 1;
    EXPECT_TRUE(Messages.Shown.empty());
    EXPECT_TRUE(Errors.Shown.empty());
    // The newest line is in view.
    EXPECT_EQ(Form->Memo1->verticalScrollBar()->value(), Form->Memo1->verticalScrollBar()->maximum());
}

TEST_F(FormTest, RangeFailureShowsTheMessageOnceAndKeepsEarlierOutput)
{
    Click(Form->Button1);
    const std::string earlier = Log();
    Form->Edit1->setFocus();
    Form->Edit1->end(false);
    QTest::keyClick(Form->Edit1, Qt::Key_0);  // "5000"
    ASSERT_EQ(Form->Edit1->text(), QStringLiteral("5000"));
    for (QPushButton* button : {Form->Button1, Form->Button3}) {
        Messages.Shown.clear();
        Click(button);
        EXPECT_EQ(Messages.Shown, std::vector<std::string>{"Hodnota parametra je mimo rozsah!"});
        EXPECT_EQ(Log(), earlier);
        EXPECT_EQ(Shown(), earlier);
        EXPECT_EQ(Points(), (std::array{500, 500, 500, 500}));
    }
    EXPECT_TRUE(Errors.Shown.empty());
}

TEST_F(FormTest, FieldThatDoesNotConvertRaisesTheErrorBoxWithAFullStop)
{
    const struct {
        TEditField* TForm1::*Field;
        const char* Text;
        const char* Shown;
    } cases[] = {
        {&TForm1::Edit3, "12a", "'12a' is not a valid floating point value."},
        {&TForm1::Edit1, "5x", "'5x' is not a valid integer value."},
        {&TForm1::Edit5, "abc", "'abc' is not a valid floating point value."},
        {&TForm1::Edit8, "", "'' is not a valid floating point value."},
        {&TForm1::Edit2, "0,1", "'0,1' is not a valid floating point value."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        const TFieldTexts defaults = StartFieldTexts();
        const std::array fields{Form->Edit1, Form->Edit2, Form->Edit3, Form->Edit4,
                                Form->Edit5, Form->Edit6, Form->Edit7, Form->Edit8};
        for (std::size_t k = 0; k < fields.size(); ++k)
            fields[k]->setText(QString::fromStdString(defaults[k]));
        (Form.get()->*c.Field)->setText(QString::fromUtf8(c.Text));  // as pasted: no filter
        Errors.Shown.clear();
        Click(Form->Button1);
        EXPECT_EQ(Errors.Shown, std::vector<std::string>{c.Shown});
        EXPECT_TRUE(Messages.Shown.empty());
    }
}

TEST_F(FormTest, RunThatFailsMidwayShowsWhatItWroteBeforeTheError)
{
    // A tiny mass passes the range check and overflows in the integration,
    // after the parameter block has been written.
    Form->Edit4->setText("1e-300");
    Click(Form->Button1);
    ASSERT_EQ(Errors.Shown.size(), 1u);
    EXPECT_TRUE(Errors.Shown[0].starts_with("Floating point")) << Errors.Shown[0];
    EXPECT_TRUE(Errors.Shown[0].ends_with(".")) << Errors.Shown[0];
    EXPECT_EQ(Shown(), Log());
    EXPECT_GE(LineBreaks(Log()), 9);
    EXPECT_TRUE(Log().starts_with("počet krokov= 500\r\n"));
}

TEST_F(FormTest, HandTypedLastLineThenAProgramLine)
{
    Click(Form->Button3);
    const std::string before = Log();
    Form->Memo1->setFocus();
    Form->Memo1->moveCursor(QTextCursor::End);
    QTest::keyClicks(Form->Memo1, "note");
    Form->Memo1->moveCursor(QTextCursor::Start);  // the caret does not decide where lines go
    Click(Form->Button3);
    const std::string after = Log();
    ASSERT_TRUE(after.starts_with(before + "note\r\n")) << after;
    EXPECT_FALSE(after.ends_with("\r\n"));
    EXPECT_EQ(LineBreaks(after), LineBreaks(before) + 1);
    EXPECT_EQ(Shown(), after);
    EXPECT_EQ(Form->Memo1->textCursor().position(), 0);
}

TEST_F(FormTest, HelpThenKrokujAppendsBelowTheHelp)
{
    Click(Form->Button3);
    Click(Form->Button3);
    Click(Form->Button4);
    std::string help;
    for (std::string_view line : HelpLines) (help += line) += "\r\n";
    EXPECT_EQ(Log(), help);
    EXPECT_EQ(Shown(), help);
    EXPECT_EQ(Points(), (std::array{2, 2, 2, 2}));
    EXPECT_EQ(Sim.StepIndex, 2);
    Click(Form->Button4);
    EXPECT_EQ(Log(), help);  // replaced, not doubled
    Click(Form->Button3);
    EXPECT_TRUE(Log().starts_with(help));
    EXPECT_EQ(LineBreaks(Log()), 7);
    EXPECT_TRUE(LastLine(Log()).starts_with("0.3   ")) << LastLine(Log());
    EXPECT_EQ(Points(), (std::array{3, 3, 3, 3}));
}

TEST_F(FormTest, FieldChangeStartsKrokujOverButADiscardedKeyDoesNot)
{
    const struct {
        TEditField* TForm1::*Field;
        Qt::Key Key;
        bool Resets;
    } cases[] = {
        {&TForm1::Edit1, Qt::Key_X, false},     {&TForm1::Edit1, Qt::Key_Period, false},
        {&TForm1::Edit4, Qt::Key_Minus, false}, {&TForm1::Edit2, Qt::Key_Comma, false},
        {&TForm1::Edit4, Qt::Key_5, true},      {&TForm1::Edit7, Qt::Key_Backspace, true},
        {&TForm1::Edit3, Qt::Key_3, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "key " << c.Key);
        Sim.StepIndex = 7;
        TEditField* field = Form.get()->*c.Field;
        field->setFocus();
        field->end(false);
        const QString text = field->text();
        QTest::keyClick(field, c.Key);
        EXPECT_EQ(Sim.StepIndex, c.Resets ? 0 : 7);
        EXPECT_EQ(field->text() != text, c.Resets);
        field->setText(text);
    }
}

TEST_F(FormTest, RunAfterAZoomKeepsTheZoomedRanges)
{
    Click(Form->Button1);
    TChartPanel* chart = Form->Chart1;
    const QPoint start = chart->axisRect()->rect().center() - QPoint(60, 60);
    const QPoint end = start + QPoint(80, 70);
    QTest::mousePress(chart, Qt::LeftButton, {}, start);
    QTest::mouseMove(chart, end);
    QTest::mouseRelease(chart, Qt::LeftButton, {}, end);
    Settle();
    ASSERT_FALSE(chart->IsAutoScaled());
    const QCPRange x = chart->xAxis->range(), y = chart->yAxis->range();
    Form->Edit3->setText("20");
    Click(Form->Button1);
    EXPECT_EQ(chart->xAxis->range(), x);
    EXPECT_EQ(chart->yAxis->range(), y);
    EXPECT_FALSE(chart->IsAutoScaled());
    EXPECT_TRUE(Form->Chart2->IsAutoScaled());
}

// Generates a locale with "," as decimal separator when the system has none.
class CommaLocale {
public:
    CommaLocale()
    {
        Saved = std::setlocale(LC_NUMERIC, nullptr);
        for (const char* name : {"sk_SK.UTF-8", "de_DE.UTF-8", "sk_SK.utf8", "de_DE.utf8"})
            if (std::setlocale(LC_NUMERIC, name)) return;
        if (!Dir.isValid()) return;
        const QString target = Dir.filePath("sk_SK.UTF-8");
        if (QProcess::execute("localedef", {"-i", "sk_SK", "-f", "UTF-8", target}) != 0) return;
        qputenv("LOCPATH", Dir.path().toLocal8Bit());
        std::setlocale(LC_NUMERIC, "sk_SK.UTF-8");
    }
    ~CommaLocale()
    {
        std::setlocale(LC_NUMERIC, Saved.c_str());
        qunsetenv("LOCPATH");
    }
    bool Active() const { return std::localeconv()->decimal_point[0] == ','; }

private:
    std::string Saved;
    QTemporaryDir Dir;
};

TEST_F(FormTest, CommaLocaleStillComputesWithPoint)
{
    Click(Form->Button1);
    const std::string reference = Log();
    {
        const QLocale savedQt;
        QLocale::setDefault(QLocale(QLocale::Slovak, QLocale::Slovakia));
        CommaLocale comma;
        if (!comma.Active()) std::cout << "[ note ] no C locale with ',' available; Qt locale only\n";
        Form->Memo1->clear();
        Click(Form->Button1);
        EXPECT_EQ(Log(), reference);
        EXPECT_NE(Log().find("veľkosť kroku= 0.1 s\r\n"), std::string::npos);
        Form->Edit2->setFocus();
        Form->Edit2->setCursorPosition(0);
        QTest::keyClick(Form->Edit2, Qt::Key_Comma);
        EXPECT_EQ(Form->Edit2->text(), QStringLiteral("0.1"));
        QLocale::setDefault(savedQt);
    }
    EXPECT_TRUE(Errors.Shown.empty());
}

TEST_F(FormTest, UlozWritesFourBitmapsAndTheLogInTheCurrentDirectory)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString saved = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    Form->SetClock([] { return TClockReading{2009, 1, 5, 8, 7, 6}; });
    Click(Form->Button4);
    Click(Form->Button2);
    QDir::setCurrent(saved);
    EXPECT_TRUE(Errors.Shown.empty()) << (Errors.Shown.empty() ? "" : Errors.Shown[0]);
    for (int k = 1; k <= 4; ++k) {
        QFile bmp(dir.filePath(QStringLiteral("090105_080706graf%1.bmp").arg(k)));
        ASSERT_TRUE(bmp.open(QIODevice::ReadOnly)) << k;
        const QByteArray head = bmp.read(26);
        EXPECT_TRUE(head.startsWith("BM"));
        EXPECT_EQ(qFromLittleEndian<qint32>(head.constData() + 18), 450);
        EXPECT_EQ(std::abs(qFromLittleEndian<qint32>(head.constData() + 22)), 350);
    }
    QFile log(dir.filePath("090105_080706.txt"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(log.size(), 628);  // the help, in Windows-1250
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 5);
}

// --- Output area -------------------------------------------------------------

TEST(MemoLog, AppendFollowsTheLineRuleOnTheWidgetsText)
{
    const struct {
        const char* Initial;  // widget text
        std::vector<std::string> Lines;
        const char* Expected;  // log text
    } cases[] = {
        {"", {"a", "b"}, "a\r\nb\r\n"},
        {"", {""}, "\r\n"},
        {"x\n", {"a"}, "x\r\na\r\n"},
        {"x", {"a"}, "x\r\na"},
        {"x", {"a", "b"}, "x\r\na\r\nb"},
        {"x", {""}, "x\r\n"},
        {"x", {"", "a"}, "x\r\na\r\n"},
        {"x\ny", {"č"}, "x\r\ny\r\nč"},
        {"\n\n", {"a"}, "\r\n\r\na\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Initial);
        QPlainTextEdit memo;
        memo.setPlainText(QString::fromUtf8(c.Initial));
        TMemoLog log(&memo);
        for (const auto& line : c.Lines) log.Append(line);
        EXPECT_EQ(log.Text(), c.Expected);  // pending text counts
        log.Flush();
        EXPECT_FALSE(log.HasPending());
        EXPECT_EQ(log.Text(), c.Expected);
        EXPECT_EQ(LogTextOf(memo.toPlainText()), c.Expected);
    }
}

TEST(MemoLog, ClearInABatchReplacesTheText)
{
    QPlainTextEdit memo;
    memo.setPlainText("old\nlines");
    memo.moveCursor(QTextCursor::End);
    TMemoLog log(&memo);
    log.Append("gone");
    log.Clear();
    EXPECT_EQ(log.Text(), "");
    log.Append("new");
    EXPECT_EQ(log.Text(), "new\r\n");
    EXPECT_EQ(memo.toPlainText(), "old\nlines");  // nothing shown before the flush
    log.Flush();
    EXPECT_EQ(memo.toPlainText(), "new\n");
    log.Clear();
    log.Flush();
    EXPECT_EQ(memo.toPlainText(), "");
    EXPECT_EQ(log.Text(), "");
}

TEST(MemoLog, KeepsNonBreakingSpacesAndLineSeparatorsAsLineBreaks)
{
    QPlainTextEdit memo;
    memo.setPlainText(QString::fromUtf8("a\u00a0b"));
    TMemoLog log(&memo);
    EXPECT_EQ(log.Text(), "a\u00a0b");
    memo.moveCursor(QTextCursor::End);
    memo.insertPlainText(QString(QChar::LineSeparator));
    EXPECT_EQ(log.Text(), "a\u00a0b\r\n");
    log.Append("c");
    EXPECT_EQ(log.Text(), "a\u00a0b\r\nc\r\n");
}

// --- Boxes and the handler helper -------------------------------------------

TEST(Boxes, FullStopRule)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Floating point overflow", "Floating point overflow."},
        {"'12a' is not a valid floating point value", "'12a' is not a valid floating point value."},
        {"Hodnota parametra je mimo rozsah!", "Hodnota parametra je mimo rozsah!"},
        {"ends.", "ends."},       {"(paren)", "(paren)"},     {"quote\"", "quote\""},
        {"apostrophe'", "apostrophe'"}, {"blank ", "blank "}, {"comma,", "comma,"},
        {"dash-", "dash-"},       {"slash/", "slash/."},      {"digit 7", "digit 7."},
        {"colon:", "colon:."},    {"diacritic č", "diacritic č."}, {"", ""},
    };
    for (const auto& [message, shown] : cases) EXPECT_EQ(ErrorBoxText(message), shown) << message;
}

TEST(Boxes, ApplicationTitleFromTheProgramFile)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/usr/bin/oscilator", "oscilator"},
        {"/opt/x/Project1.exe", "Project1"},
        {"/opt/x/OSCILATOR.bin.old", "Oscilator"},
        {"/dir.with.dots/prog", "prog"},
        {"relative/MixedCase", "Mixedcase"},
        {"/x/Čas.exe", "Čas"},
    };
    for (const auto& [path, title] : cases)
        EXPECT_EQ(ApplicationTitleOf(QString::fromUtf8(path)), QString::fromUtf8(title)) << path;
    EXPECT_EQ(ApplicationTitle(), QStringLiteral("form_tests"));
}

// Closes the modal box as soon as it is open, after noting how it looks.
struct TBoxLook {
    QString Title, Text, Button;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    int Buttons = 0;
    bool Seen = false;
};

TBoxLook ShowAndClose(TMessageBox* messageBox, TErrorBox* errorBox, std::string_view text, Qt::Key closeKey)
{
    TBoxLook look;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        poll.stop();
        look.Seen = true;
        look.Title = box->windowTitle();
        look.Text = box->text();
        look.Icon = box->icon();
        look.Buttons = int(box->buttons().size());
        if (!box->buttons().isEmpty()) look.Button = box->buttons().front()->text();
        if (closeKey == Qt::Key_unknown)
            box->close();
        else
            QTest::keyClick(box, closeKey);
    });
    poll.start();
    if (messageBox) messageBox->Show(text);
    if (errorBox) errorBox->Show(text);
    return look;
}

TEST(Boxes, MessageAndErrorBoxLookAndClose)
{
    TQtMessageBox message;
    TQtErrorBox error;
    const struct {
        TMessageBox* Message;
        TErrorBox* Error;
        Qt::Key Close;  // Key_unknown: the close box
        QMessageBox::Icon Icon;
    } cases[] = {
        {&message, nullptr, Qt::Key_Return, QMessageBox::NoIcon},
        {&message, nullptr, Qt::Key_Escape, QMessageBox::NoIcon},
        {&message, nullptr, Qt::Key_unknown, QMessageBox::NoIcon},
        {nullptr, &error, Qt::Key_Return, QMessageBox::Critical},
        {nullptr, &error, Qt::Key_Escape, QMessageBox::Critical},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "close " << c.Close);
        const TBoxLook look = ShowAndClose(c.Message, c.Error, "Hodnota parametra je mimo rozsah!", c.Close);
        ASSERT_TRUE(look.Seen);
        EXPECT_EQ(look.Title, QStringLiteral("form_tests"));
        EXPECT_EQ(look.Text, QString::fromUtf8("Hodnota parametra je mimo rozsah!"));
        EXPECT_EQ(look.Icon, c.Icon);
        EXPECT_EQ(look.Buttons, 1);
        EXPECT_EQ(look.Button, QStringLiteral("OK"));
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}

TEST(Boxes, HandlerHelperShowsErrorsAfterShowingThePartialOutput)
{
    const struct {
        const char* Name;
        std::function<void()> Throw;
        std::vector<std::string> Shown;
    } cases[] = {
        {"none", [] {}, {}},
        {"app error", [] { RaiseOverflow(); }, {"Floating point overflow."}},
        {"other exception", [] { throw std::runtime_error("bad thing"); }, {"bad thing."}},
        {"non-standard", [] { throw 42; }, {"Unknown error."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        QPlainTextEdit memo;
        TMemoLog log(&memo);
        TRecordingErrorBox errors;
        std::string shownWhenBoxOpened;
        struct TPeek final : TErrorBox {
            TRecordingErrorBox& Into;
            QPlainTextEdit& Memo;
            std::string& Seen;
            TPeek(TRecordingErrorBox& into, QPlainTextEdit& memo, std::string& seen) : Into(into), Memo(memo), Seen(seen) {}
            void Show(std::string_view text) override
            {
                Seen = LogTextOf(Memo.toPlainText());
                Into.Show(text);
            }
        } peek(errors, memo, shownWhenBoxOpened);
        RunHandler(
            peek,
            [&] {
                log.Append("one");
                log.Append("two");
                c.Throw();
                log.Append("three");
            },
            [&] { log.Flush(); });
        EXPECT_EQ(errors.Shown, c.Shown);
        if (!c.Shown.empty()) {
            EXPECT_EQ(shownWhenBoxOpened, "one\r\ntwo\r\n");
        }
        EXPECT_EQ(LogTextOf(memo.toPlainText()), c.Shown.empty() ? "one\r\ntwo\r\nthree\r\n" : "one\r\ntwo\r\n");
    }
}

}  // namespace
