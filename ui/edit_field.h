#pragma once
// A one-line entry field whose typed characters pass through a keystroke
// handler first, as (Sender, Key&): setting Key to 0 discards the keystroke
// with no effect at all. Keys that type no character (arrows, Home, End,
// Delete, Shift+Insert, Shift+Delete, Tab) and the context menu are not filtered.
#include <QLineEdit>
#include <functional>

class TEditField : public QLineEdit {
    Q_OBJECT
public:
    using TKeyPressHandler = std::function<void(QObject* sender, char16_t& key)>;

    TEditField(const QString& text, QWidget* parent = nullptr);
    void SetKeyPressHandler(TKeyPressHandler handler);

    // Start of the selection, or the caret position when nothing is selected.
    int SelStart() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    TKeyPressHandler KeyPress;
};
