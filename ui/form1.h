#pragma once
// Form1, the program's one window: charts, parameter fields, buttons and the
// output area at fixed positions, and one handler per control event.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <memory>

#include "model/message_box.h"
#include "model/model_params.h"
#include "runs/ports.h"
#include "ui/boxes.h"
#include "ui/chart_panel.h"
#include "ui/edit_field.h"
#include "ui/memo_log.h"
#include "ui/qt_chart_slots.h"
#include "ui/save_outputs.h"

class TForm1 : public QWidget {
    Q_OBJECT
public:
    // With the program's own modal boxes.
    explicit TForm1(QWidget* parent = nullptr);
    // With boxes supplied by the caller (tests record what they would show).
    TForm1(TMessageBox& messageBox, TErrorBox& errorBox, QWidget* parent = nullptr);
    ~TForm1() override;

    // Controls, owned by the window.
    QPushButton* Button1;
    TChartPanel* Chart1;
    TChartPanel* Chart2;
    TChartPanel* Chart3;
    TChartPanel* Chart4;
    QLabel* Label1;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    TEditField* Edit1;
    TEditField* Edit3;
    TEditField* Edit4;
    TEditField* Edit5;
    TEditField* Edit6;
    TEditField* Edit7;
    TEditField* Edit8;
    QPushButton* Button2;
    QPushButton* Button3;
    QPlainTextEdit* Memo1;
    QLabel* Label2;
    QLabel* Label9;
    QLabel* Label10;
    QLabel* Label11;
    TEditField* Edit2;
    QPushButton* Button4;

    // Event handlers.
    void Button1Click(QObject* Sender);
    void Edit1Change(QObject* Sender);
    void FormCreate(QObject* Sender);
    void Edit1KeyPress(QObject* Sender, char16_t& Key);
    void Edit3KeyPress(QObject* Sender, char16_t& Key);
    void Edit4KeyPress(QObject* Sender, char16_t& Key);
    void Edit5KeyPress(QObject* Sender, char16_t& Key);
    void Edit6KeyPress(QObject* Sender, char16_t& Key);
    void Edit7KeyPress(QObject* Sender, char16_t& Key);
    void Edit8KeyPress(QObject* Sender, char16_t& Key);
    void Button2Click(QObject* Sender);
    void Button3Click(QObject* Sender);
    void Edit6Change(QObject* Sender);
    void Edit3Change(QObject* Sender);
    void Edit4Change(QObject* Sender);
    void Edit5Change(QObject* Sender);
    void Edit7Change(QObject* Sender);
    void Edit8Change(QObject* Sender);
    void Edit2Change(QObject* Sender);
    void Edit2KeyPress(QObject* Sender, char16_t& Key);
    void Button4Click(QObject* Sender);

    // The output log over Memo1, and the eight field texts in field order.
    TMemoLog& Log() { return *MemoLog; }
    TFieldTexts FieldTexts() const;
    TChartPanel* Chart(int slot) const;  // 1..4

    // The clock "Ulož" names its files by (the local clock unless replaced).
    void SetClock(TClock clock) { Clock = std::move(clock); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    TRunPorts Ports();
    // Every handler body runs through here: errors end up in the error box,
    // and the batched output is shown afterwards in either case.
    template <class Body>
    void Handle(Body&& body);

    std::unique_ptr<TMessageBox> OwnMessageBox;
    std::unique_ptr<TErrorBox> OwnErrorBox;
    TMessageBox* MessageBox;
    TErrorBox* ErrorBox;
    std::unique_ptr<TMemoLog> MemoLog;
    std::unique_ptr<TQtChartSlots> ChartSlots;
    TClock Clock = ReadLocalClock;
};
