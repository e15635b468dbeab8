#include "ui/memo_log.h"

#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

#include "runs/log_text.h"

std::string LogTextOf(const QString& widgetText)
{
    const QByteArray utf8 = widgetText.toUtf8();
    std::string text;
    text.reserve(std::size_t(utf8.size()) + std::size_t(utf8.size() / 32));
    for (const char c : utf8) {
        if (c == '\n') text += '\r';
        text += c;
    }
    return text;
}

QString WidgetTextOf(std::string_view logText)
{
    std::string text;
    text.reserve(logText.size());
    for (std::size_t i = 0; i < logText.size(); ++i) {
        if (logText[i] == '\r' && i + 1 < logText.size() && logText[i + 1] == '\n') continue;
        text += logText[i];
    }
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

void TMemoLog::BeginBatch()
{
    if (Pending) return;
    Pending = true;
    Replaced = false;
    Tail.clear();
    // AppendLine looks only at whether the text is empty or ends with CR LF,
    // and the whole text ends with CR LF exactly when the widget's ends with '\n'.
    const QTextDocument* doc = Memo->document();
    const int count = doc->characterCount();  // includes the final paragraph separator
    if (count > 1) {
        const QChar last = doc->characterAt(count - 2);
        const bool lineBreak = last == QChar::ParagraphSeparator || last == u'\n' ||
                               last == QChar::LineSeparator;
        Tail = lineBreak ? "\r\n" : "x";
    }
    SeedLength = Tail.size();
}

void TMemoLog::Clear()
{
    Pending = true;
    Replaced = true;
    Tail.clear();
    SeedLength = 0;
}

void TMemoLog::Append(std::string_view line)
{
    BeginBatch();
    AppendLine(Tail, line);
}

namespace {

// The widget's text with '\n' between lines. toPlainText would also turn
// non-breaking spaces into spaces, which the saved log must keep.
QString WidgetText(const QPlainTextEdit* memo)
{
    QString text = memo->document()->toRawText();
    for (QChar& c : text)
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) c = u'\n';
    return text;
}

}  // namespace

std::string TMemoLog::Text() const
{
    if (Pending && Replaced) return Tail;
    std::string text = LogTextOf(WidgetText(Memo));
    if (Pending) text.append(Tail, SeedLength);
    return text;
}

void TMemoLog::Flush()
{
    if (!Pending) return;
    Pending = false;
    const QString added = WidgetTextOf(std::string_view(Tail).substr(Replaced ? 0 : SeedLength));
    if (Replaced) {
        Memo->setPlainText(added);
    } else if (!added.isEmpty()) {
        // A cursor of its own: the user's caret and selection stay where they are.
        QTextCursor end(Memo->document());
        end.movePosition(QTextCursor::End);
        end.insertText(added);
    }
    Tail.clear();
    Tail.shrink_to_fit();
    SeedLength = 0;
    Replaced = false;
    if (QScrollBar* bar = Memo->verticalScrollBar()) bar->setValue(bar->maximum());
}
