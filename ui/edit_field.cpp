#include "ui/edit_field.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

#include <optional>

namespace {

// The character a key press types, the way the original platform turns key
// presses into characters: backspace, Enter, Escape and Ctrl+letter become
// control characters; a key with printable text types that text; navigation
// and editing keys (arrows, Home, End, Delete, Insert, Tab...) type nothing.
// Returns no value for a key that types nothing.
std::optional<char16_t> TypedCharacter(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers mods = event.modifiers();
    const bool ctrl = mods.testFlag(Qt::ControlModifier);
    const bool alt = mods.testFlag(Qt::AltModifier);
    const int key = event.key();

    switch (key) {
    case Qt::Key_Backspace: return ctrl && !alt ? char16_t(127) : char16_t(8);
    case Qt::Key_Return:
    case Qt::Key_Enter: return ctrl ? char16_t(10) : char16_t(13);
    case Qt::Key_Escape: return char16_t(27);
    default: break;
    }
    // Alt+key is a menu or button accelerator, never a typed character.
    if (alt && !ctrl) return std::nullopt;
    if (ctrl && !alt) {
        // Ctrl+A is 1 ... Ctrl+Z is 26, whatever shortcut the toolkit binds to it.
        if (key >= Qt::Key_A && key <= Qt::Key_Z) return char16_t(key - Qt::Key_A + 1);
        return std::nullopt;
    }
    const QString text = event.text();
    if (text.isEmpty()) return std::nullopt;
    const char16_t first = text.at(0).unicode();
    if (first < 0x20 || first == 0x7f) return std::nullopt;
    return first;
}

}  // namespace

TEditField::TEditField(const QString& text, QWidget* parent) : QLineEdit(text, parent)
{
    // A dropped text would be neither a typed character nor one of the
    // editing commands that may bypass the filter.
    setAcceptDrops(false);
}

void TEditField::SetKeyPressHandler(TKeyPressHandler handler) { KeyPress = std::move(handler); }

int TEditField::SelStart() const
{
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

void TEditField::keyPressEvent(QKeyEvent* event)
{
    if (!KeyPress) {
        QLineEdit::keyPressEvent(event);
        return;
    }

    // Text of several characters at once (a compose sequence): one at a time.
    const QString text = event->text();
    if (text.size() > 1 && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        for (const QChar c : text) {
            QKeyEvent single(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            keyPressEvent(&single);
        }
        event->accept();
        return;
    }

    const std::optional<char16_t> typed = TypedCharacter(*event);
    if (!typed) {
        if (event->modifiers().testFlag(Qt::AltModifier) &&
            !event->modifiers().testFlag(Qt::ControlModifier) && !text.isEmpty()) {
            // Alt+key types nothing here; leave it to the window (mnemonics).
            event->ignore();
            return;
        }
        QLineEdit::keyPressEvent(event);
        return;
    }

    char16_t key = *typed;
    KeyPress(this, key);
    if (key == 0) {
        // Discarded: no effect at all, and the window never sees it either.
        event->accept();
        return;
    }
    if (key == *typed) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // The handler typed another character instead.
    QKeyEvent replaced(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(key)));
    QLineEdit::keyPressEvent(&replaced);
    event->setAccepted(replaced.isAccepted());
}

bool TEditField::event(QEvent* event)
{
    if (KeyPress && event->type() == QEvent::ShortcutOverride) {
        // A key that types a character belongs to the field and its handler,
        // never to a shortcut of the window (Ctrl+V, Enter, Escape...).
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        if (TypedCharacter(*keyEvent)) {
            event->accept();
            return true;
        }
    }
    if (KeyPress && event->type() == QEvent::InputMethod) {
        // Characters committed by an input method (dead keys, compose) are
        // typed characters too: each goes through the handler.
        auto* im = static_cast<QInputMethodEvent*>(event);
        const QString commit = im->commitString();
        if (!commit.isEmpty() && im->replacementLength() == 0) {
            QInputMethodEvent clearPreedit;
            QLineEdit::event(&clearPreedit);
            for (const QChar c : commit) {
                QKeyEvent single(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
                keyPressEvent(&single);
            }
            if (!im->preeditString().isEmpty()) {
                QInputMethodEvent preedit(im->preeditString(), im->attributes());
                QLineEdit::event(&preedit);
            }
            event->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}
