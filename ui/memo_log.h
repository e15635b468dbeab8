#pragma once
// The output log over the text of Memo1. The log's text uses CR LF line
// breaks; the widget holds '\n' and the conversion happens here.
//
// Changes are batched: Clear and Append only touch a pending text, and Flush
// puts it into the widget in one go (a full run appends 1010 lines, and a
// relayout per line would dominate the click). Text() sees pending changes.
#include <QPlainTextEdit>
#include <string>

#include "runs/ports.h"

class TMemoLog final : public TOutputLog {
public:
    explicit TMemoLog(QPlainTextEdit* memo) : Memo(memo) {}

    void Clear() override;
    void Append(std::string_view line) override;
    std::string Text() const override;

    // Shows pending changes in the widget and scrolls to the last line.
    void Flush();
    bool HasPending() const { return Pending; }

private:
    void BeginBatch();

    QPlainTextEdit* Memo;
    bool Pending = false;
    bool Replaced = false;  // cleared within the batch: Tail is the whole text
    // Text appended within the batch, after SeedLength characters that only
    // stand for the end of the widget's text so that AppendLine sees the same
    // ending as it would on the whole text.
    std::string Tail;
    std::size_t SeedLength = 0;
};

// Widget text ('\n') to log text (CR LF) and back.
std::string LogTextOf(const QString& widgetText);
QString WidgetTextOf(std::string_view logText);
