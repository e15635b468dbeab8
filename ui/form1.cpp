#include "ui/form1.h"

#include <QApplication>
#include <QFont>
#include <QKeyEvent>
#include <QPalette>
#include <QProxyStyle>
#include <QTextOption>

#include "model/sim_state.h"
#include "runs/runs.h"
#include "ui/fonts.h"
#include "ui/help_text.h"
#include "ui/key_filter.h"

// The resources live in a static library: reference them so the linker keeps them.
static void LoadResources()
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    (void)loaded;
}

namespace {

// The window keeps its size and positions in pixels; this is the client area
// that gives the 1408 x 830 outer frame with a 4 px border and a 19 px caption.
constexpr int ClientWidth = 1400;
constexpr int ClientHeight = 803;

constexpr int HintDelay = 250;     // ms the pointer rests before a hint shows
constexpr int HintDuration = 4000; // ms a hint stays

const char* const WindowFontFamily = "MS Sans Serif";

// Hint delay for the whole application, on top of whatever style is in use.
class THintStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == QStyle::SH_ToolTip_WakeUpDelay) return HintDelay;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// Where "MS Sans Serif" is missing, a sans of the same widths by name, so the
// labels come out near the sizes they were laid out for.
QFont FormFont(int pixelSize) { return PixelFont(QString::fromLatin1(WindowFontFamily), pixelSize); }

QLabel* MakeLabel(QWidget* parent, const char* caption, int left, int top, int pixelSize = 16)
{
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    label->setFont(FormFont(pixelSize));
    label->move(left, top);
    label->adjustSize();  // a label sizes itself to its caption
    return label;
}

TEditField* MakeEdit(QWidget* parent, const char* text, const char* hint, int left, int top,
                     int width)
{
    auto* edit = new TEditField(QString::fromUtf8(text), parent);
    edit->setGeometry(left, top, width, 21);
    edit->setToolTip(QString::fromUtf8(hint));
    edit->setToolTipDuration(HintDuration);
    return edit;
}

QPushButton* MakeButton(QWidget* parent, const char* caption, const char* hint, int top)
{
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setGeometry(936, top, 113, 25);
    button->setAutoDefault(false);
    button->setDefault(false);
    if (hint) {
        button->setToolTip(QString::fromUtf8(hint));
        button->setToolTipDuration(HintDuration);
    }
    return button;
}

TChartPanel* MakeChart(QWidget* parent, const char* title, int left, int top)
{
    auto* chart = new TChartPanel(QString::fromUtf8(title), parent);
    chart->setGeometry(left, top, 450, 350);
    chart->setFocusPolicy(Qt::StrongFocus);  // charts are tab stops
    return chart;
}

QPixmap IconPixmap()
{
    LoadResources();
    return QPixmap(QStringLiteral(":/ui/icon.png"));
}

std::u16string_view TextOf(const QString& text)
{
    return {reinterpret_cast<const char16_t*>(text.utf16()), std::size_t(text.size())};
}

void FilterKey(TEditField* field, TFilterKind kind, char16_t& Key)
{
    const QString text = field->text();
    const char16_t separator = static_cast<unsigned char>(DecimalSeparator);
    if (!KeyPasses(kind, Key, TextOf(text), field->SelStart(), separator)) Key = 0;
}

}  // namespace

TForm1::TForm1(QWidget* parent) : TForm1(*new TQtMessageBox, *new TQtErrorBox, parent)
{
    // The boxes above are the window's own.
    OwnMessageBox.reset(MessageBox);
    OwnErrorBox.reset(ErrorBox);
}

TForm1::TForm1(TMessageBox& messageBox, TErrorBox& errorBox, QWidget* parent)
    : QWidget(parent), MessageBox(&messageBox), ErrorBox(&errorBox)
{
    BuildControls();
    FormCreate(this);
}

TForm1::~TForm1() = default;

void TForm1::BuildControls()
{
    setWindowTitle(QString::fromUtf8("Mechanický nelineárny systém"));
    setWindowIcon(IconPixmap());
    setFont(FormFont(11));
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);
    resize(ClientWidth, ClientHeight);
    move(228, 87);  // of the outer frame

    // Created in the window's declaration order; positions are absolute and
    // no layout moves them when the window is resized.
    Button1 = MakeButton(this, "Vykresli", "Vykreslí všetky grafy.", 392);
    Chart1 = MakeChart(this, "súradnica vs. čas", 24, 56);
    Chart2 = MakeChart(this, "rýchlosť vs. súradnica", 480, 56);
    Chart3 = MakeChart(this, "rýchlosť vs. čas", 24, 408);
    Chart4 = MakeChart(this, "f() vs. rýchlosť", 480, 408);
    Label1 = MakeLabel(this, "počet krokov:", 936, 128);
    Label3 = MakeLabel(this, "unášacia rýchlosť [m/s]:", 936, 156);
    Label4 = MakeLabel(this, "hmotnosť [kg]:", 936, 182);
    Label5 = MakeLabel(this, "konštanta pružiny [N/m]:", 936, 209);
    Label6 = MakeLabel(this, "koeficient a:", 936, 235);
    Label7 = MakeLabel(this, "koeficient b:", 936, 261);
    Label8 = MakeLabel(this, "koeficient trenia:", 936, 288);
    Edit1 = MakeEdit(this, "500", "500 <1; 1000>", 1128, 128, 54);
    Edit3 = MakeEdit(this, "10", "10 <-1000; 1000>", 1128, 156, 54);
    Edit4 = MakeEdit(this, "1", "1 (0; 10000>", 1128, 182, 54);
    Edit5 = MakeEdit(this, "1", "1 (0; 1000>", 1128, 209, 54);
    Edit6 = MakeEdit(this, "0.002", "0.002 <0; 1>", 1128, 235, 54);
    Edit7 = MakeEdit(this, "0.000001", "0.000001 <0; 1>", 1128, 261, 54);
    Edit8 = MakeEdit(this, "4", "4 <0; 10>", 1128, 288, 54);
    Button2 = MakeButton(this, "Ulož",
                         "Uloží grafy a \"výstup\" do suborov vo formate: "
                         "rok:mesiac:den:hodina:min:sekunda...",
                         424);
    Button3 = MakeButton(this, "Krokuj",
                         "Po stlačení <ENTER> alebo ľavého tlačidla myši vykreslí bod.", 360);
    Memo1 = new QPlainTextEdit(QStringLiteral("Memo1"), this);
    Memo1->setGeometry(1184, 104, 209, 665);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    Memo1->setTabChangesFocus(true);
    Label2 = MakeLabel(this, "Nelineárny mechanický systém", 440, 8, 32);
    Label9 = MakeLabel(this, "Výstup", 1248, 64);
    Label10 = MakeLabel(this, "Nastavenie parametrov modelu:", 936, 64);
    Label11 = MakeLabel(this, "veľkosť kroku", 936, 104);
    Edit2 = MakeEdit(this, "0.1", "0.1 (0; 0.1>", 1128, 104, 57);
    Button4 = MakeButton(this, "Pomoc", nullptr, 456);

    MemoLog = std::make_unique<TMemoLog>(Memo1);
    ChartSlots = std::make_unique<TQtChartSlots>(std::array{Chart1, Chart2, Chart3, Chart4});

    QWidget* const tabOrder[] = {Button3, Button1, Button2, Chart1, Chart2, Chart3,
                                 Chart4,  Edit1,   Edit3,   Edit4,  Edit5,  Edit6,
                                 Edit7,   Edit8,   Memo1,   Edit2,  Button4};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);

    // Enter presses the focused button, as Space does; Qt's push buttons only
    // take Enter when they are default buttons, and none is.
    for (QPushButton* button : {Button1, Button2, Button3, Button4}) button->installEventFilter(this);

    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(Button1); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(Button2); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(Button3); });
    connect(Button4, &QPushButton::clicked, this, [this] { Button4Click(Button4); });

    using TKeyPress = void (TForm1::*)(QObject*, char16_t&);
    using TChange = void (TForm1::*)(QObject*);
    const struct {
        TEditField* Field;
        TKeyPress KeyPress;
        TChange Change;
    } fields[] = {
        {Edit1, &TForm1::Edit1KeyPress, &TForm1::Edit1Change},
        {Edit2, &TForm1::Edit2KeyPress, &TForm1::Edit2Change},
        {Edit3, &TForm1::Edit3KeyPress, &TForm1::Edit3Change},
        {Edit4, &TForm1::Edit4KeyPress, &TForm1::Edit4Change},
        {Edit5, &TForm1::Edit5KeyPress, &TForm1::Edit5Change},
        {Edit6, &TForm1::Edit6KeyPress, &TForm1::Edit6Change},
        {Edit7, &TForm1::Edit7KeyPress, &TForm1::Edit7Change},
        {Edit8, &TForm1::Edit8KeyPress, &TForm1::Edit8Change},
    };
    for (const auto& f : fields) {
        f.Field->SetKeyPressHandler(
            [this, keyPress = f.KeyPress](QObject* sender, char16_t& key) { (this->*keyPress)(sender, key); });
        connect(f.Field, &QLineEdit::textChanged, this,
                [this, field = f.Field, change = f.Change] { (this->*change)(field); });
    }
}

void TForm1::FormCreate(QObject* /*Sender*/)
{
    DecimalSeparator = '.';
    TModelParams& p = Sim.Params;
    p.CoefA = 0.002;
    p.CoefB = 0.000001;
    p.CoefC = 4;
    p.TransportVelocity = 10;
    p.StepSize = 0.1;
    p.StepCount = 500;
    p.SpringConstant = 1;
    p.Mass = 1;
    MemoLog->Clear();
    MemoLog->Flush();
    // Date and time texts for file names are always "yymmdd" and "hhmmss"
    // (FileStamp); nothing to set for them here.
    if (!dynamic_cast<THintStyle*>(QApplication::style())) QApplication::setStyle(new THintStyle);
    Button3->setFocus();  // the first tab stop has the focus when the window shows
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const auto held = key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
        if (enter && !held) {
            if (auto* button = qobject_cast<QPushButton*>(watched); button && button->isEnabled()) {
                button->click();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

template <class Body>
void TForm1::Handle(Body&& body)
{
    RunHandler(*ErrorBox, std::forward<Body>(body), [this] { MemoLog->Flush(); });
}

TRunPorts TForm1::Ports() { return TRunPorts{*MemoLog, *ChartSlots, *MessageBox}; }

TFieldTexts TForm1::FieldTexts() const
{
    return {Edit1->text().toStdString(), Edit2->text().toStdString(), Edit3->text().toStdString(),
            Edit4->text().toStdString(), Edit5->text().toStdString(), Edit6->text().toStdString(),
            Edit7->text().toStdString(), Edit8->text().toStdString()};
}

TChartPanel* TForm1::Chart(int slot) const
{
    const std::array charts{Chart1, Chart2, Chart3, Chart4};
    return charts.at(std::size_t(slot - 1));
}

void TForm1::Button1Click(QObject* /*Sender*/)
{
    Handle([this] { RunFull(FieldTexts(), Ports()); });
}

void TForm1::Button3Click(QObject* /*Sender*/)
{
    Handle([this] { RunStep(FieldTexts(), Ports()); });
}

void TForm1::Button2Click(QObject* /*Sender*/)
{
    Handle([this] {
        SaveOutputs(Clock, TSaveSources{
                               [this](int chart) {
                                   const QByteArray bytes = Chart(chart)->BmpBytes();
                                   return std::string(bytes.constData(), std::size_t(bytes.size()));
                               },
                               [this] { return MemoLog->Text(); },
                           });
    });
}

void TForm1::Button4Click(QObject* /*Sender*/)
{
    Handle([this] { ShowHelp(*MemoLog); });
}

// Keystroke filters: a discarded character becomes 0.
void TForm1::Edit1KeyPress(QObject*, char16_t& Key)
{
    Handle([&] { FilterKey(Edit1, TFilterKind::Digits, Key); });
}
void TForm1::Edit2KeyPress(QObject*, char16_t& Key)
{
    Handle([&] { FilterKey(Edit2, TFilterKind::SignedDecimal, Key); });
}
void TForm1::Edit3KeyPress(QObject*, char16_t& Key)
{
    Handle([&] { FilterKey(Edit3, TFilterKind::SignedDecimal, Key); });
}
void TForm1::Edit4KeyPress(QObject*, char16_t& Key)
{
    Handle([&] { FilterKey(Edit4, TFilterKind::UnsignedDecimal, Key); });
}
void TForm1::Edit5KeyPress(QObject*, char16_t& Key)
{
    Handle([&] { FilterKey(Edit5, TFilterKind::UnsignedDecimal, Key); });
}
void TForm1::Edit6KeyPress(QObject*, char16_t& Key)
{
    Handle([&] { FilterKey(Edit6, TFilterKind::SignedDecimal, Key); });
}
void TForm1::Edit7KeyPress(QObject*, char16_t& Key)
{
    Handle([&] { FilterKey(Edit7, TFilterKind::SignedDecimal, Key); });
}
void TForm1::Edit8KeyPress(QObject*, char16_t& Key)
{
    Handle([&] { FilterKey(Edit8, TFilterKind::SignedDecimal, Key); });
}

// Any change of a field starts the next "Krokuj" over.
void TForm1::Edit1Change(QObject*) { Handle([] { Sim.StepIndex = 0; }); }
void TForm1::Edit2Change(QObject*) { Handle([] { Sim.StepIndex = 0; }); }
void TForm1::Edit3Change(QObject*) { Handle([] { Sim.StepIndex = 0; }); }
void TForm1::Edit4Change(QObject*) { Handle([] { Sim.StepIndex = 0; }); }
void TForm1::Edit5Change(QObject*) { Handle([] { Sim.StepIndex = 0; }); }
void TForm1::Edit6Change(QObject*) { Handle([] { Sim.StepIndex = 0; }); }
void TForm1::Edit7Change(QObject*) { Handle([] { Sim.StepIndex = 0; }); }
void TForm1::Edit8Change(QObject*) { Handle([] { Sim.StepIndex = 0; }); }
