// The entry fields driven by real key events, wired to the filters the way
// the window wires them.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QInputMethodEvent>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTest>
#include <QVBoxLayout>

#include <array>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "model/model_params.h"
#include "ui/edit_field.h"
#include "ui/key_filter.h"

namespace {

constexpr std::array<TFilterKind, 8> Kinds = {
    TFilterKind::Digits,          TFilterKind::SignedDecimal,   TFilterKind::SignedDecimal,
    TFilterKind::UnsignedDecimal, TFilterKind::UnsignedDecimal, TFilterKind::SignedDecimal,
    TFilterKind::SignedDecimal,   TFilterKind::SignedDecimal,
};

// Eight fields in one dialog, each with its own filter and a change handler
// that resets a stand-in for StepIndex.
class Fields : public testing::Test {
protected:
    void SetUp() override
    {
        DecimalSeparator = '.';
        Window = std::make_unique<QDialog>();
        auto* layout = new QVBoxLayout(Window.get());
        const TFieldTexts texts = {"500", "0.1", "10", "1", "1", "0.002", "0.000001", "4"};
        for (int i = 0; i < 8; ++i) {
            auto* field = new TEditField(QString::fromStdString(texts[i]), Window.get());
            const TFilterKind kind = Kinds[i];
            field->SetKeyPressHandler([field, kind, this](QObject*, char16_t& key) {
                Handed.push_back(key);
                if (!KeyPasses(kind, key, field->text().toStdU16String(), field->SelStart(),
                               static_cast<unsigned char>(DecimalSeparator)))
                    key = 0;
            });
            QObject::connect(field, &QLineEdit::textChanged, [this] { StepIndex = 0; });
            layout->addWidget(field);
            Edit[i + 1] = field;
        }
        DefaultButton = new QPushButton("OK", Window.get());
        DefaultButton->setDefault(true);
        QObject::connect(DefaultButton, &QPushButton::clicked, [this] { ++DefaultClicks; });
        layout->addWidget(DefaultButton);
        Window->show();
        StepIndex = 7;
    }

    void TearDown() override { DecimalSeparator = '.'; }

    // Text and caret/selection: the selection runs from `start` over `length`
    // characters; a length of 0 is a plain caret at `start`.
    static void Place(TEditField* field, const QString& text, int start, int length = 0)
    {
        field->setText(text);
        if (length > 0)
            field->setSelection(start, length);
        else
            field->setCursorPosition(start);
    }

    std::unique_ptr<QDialog> Window;
    std::array<TEditField*, 9> Edit{};
    QPushButton* DefaultButton = nullptr;
    int DefaultClicks = 0;
    std::int32_t StepIndex = 7;
    std::vector<char16_t> Handed;
};

// An entry of the field's own context menu (no translation is loaded).
QAction* MenuAction(const QMenu& menu, const QString& label)
{
    for (QAction* action : menu.actions())
        if (action->text().startsWith(label)) return action;
    return nullptr;
}

// One typed key; Qt::Key_Backspace stands for backspace.
struct TKeyCase {
    int Field;
    const char* Before;
    int SelStart, SelLength;
    char Key;  // '\b' is backspace
    const char* After;
};

void Type(QWidget* field, char key)
{
    if (key == '\b')
        QTest::keyClick(field, Qt::Key_Backspace);
    else
        QTest::keyClick(field, key);
}

const TKeyCase KeyCases[] = {
    // Edit1 "500": nothing but digits.
    {1, "500", 3, 0, '.', "500"},
    {1, "500", 3, 0, '-', "500"},
    {1, "500", 0, 0, '-', "500"},
    {1, "500", 3, 0, 'e', "500"},
    {1, "500", 3, 0, ' ', "500"},
    {1, "500", 3, 0, '0', "5000"},
    {1, "500", 1, 0, '\b', "00"},
    // Edit2 "0.1": a second "." nowhere, not even over a selected "."
    {2, "0.1", 0, 0, '.', "0.1"},
    {2, "0.1", 1, 0, '.', "0.1"},
    {2, "0.1", 2, 0, '.', "0.1"},
    {2, "0.1", 3, 0, '.', "0.1"},
    {2, "0.1", 0, 3, '.', "0.1"},
    {2, "0.1", 1, 1, '.', "0.1"},
    {2, "0.1", 0, 3, '5', "5"},
    {2, "0.1", 2, 0, '\b', "01"},
    {2, "01", 1, 0, '.', "0.1"},
    {2, "0.1", 0, 0, '-', "-0.1"},
    // Edit3 "10": "-" only with the selection starting at 0, and only once.
    {3, "10", 2, 0, '-', "10"},
    {3, "10", 1, 0, '-', "10"},
    {3, "10", 0, 0, '-', "-10"},
    {3, "-10", 0, 0, '-', "-10"},
    {3, "-10", 3, 0, '-', "-10"},
    {3, "-10", 0, 3, '-', "-10"},
    {3, "10", 0, 2, '-', "-"},
    {3, "10", 1, 1, '-', "10"},
    // Edit6 "-5": digits go anywhere, even before the sign.
    {6, "-5", 0, 0, '3', "3-5"},
    // Edit4 "1": no sign at all; the separator anywhere once.
    {4, "1", 0, 0, '-', "1"},
    {4, "1", 1, 0, '-', "1"},
    {4, "1", 0, 1, '-', "1"},
    {4, "1", 0, 0, '.', ".1"},
    {5, "1.5", 3, 0, '.', "1.5"},
    // "," is not the separator.
    {1, "1", 1, 0, ',', "1"},
    {2, "1", 1, 0, ',', "1"},
    {3, "1", 1, 0, ',', "1"},
    {4, "1", 1, 0, ',', "1"},
    {5, "1", 1, 0, ',', "1"},
    {6, "1", 1, 0, ',', "1"},
    {7, "1", 1, 0, ',', "1"},
    {8, "1", 1, 0, ',', "1"},
    {8, "1", 1, 0, '+', "1"},
    {7, "1", 1, 0, 'E', "1"},
};

TEST_F(Fields, TypedKeysFollowTheFilterOfTheirField)
{
    for (const TKeyCase& c : KeyCases) {
        SCOPED_TRACE(testing::Message() << "Edit" << c.Field << " \"" << c.Before << "\" sel "
                                        << c.SelStart << "+" << c.SelLength << " key '" << c.Key << "'");
        TEditField* field = Edit[c.Field];
        Place(field, c.Before, c.SelStart, c.SelLength);
        StepIndex = 7;
        const int cursorBefore = field->cursorPosition();
        const QString selectedBefore = field->selectedText();

        Type(field, c.Key);

        EXPECT_EQ(field->text().toStdString(), c.After);
        if (std::string(c.Before) == c.After) {
            // Discarded: no trace at all.
            EXPECT_EQ(field->cursorPosition(), cursorBefore);
            EXPECT_EQ(field->selectedText(), selectedBefore);
            EXPECT_EQ(StepIndex, 7);
        } else {
            EXPECT_EQ(StepIndex, 0);
        }
    }
}

TEST_F(Fields, EachFilterLooksAtItsOwnFieldOnly)
{
    Place(Edit[3], "-10", 3);
    Place(Edit[2], "0.1", 0);
    QTest::keyClick(Edit[2], '-');
    EXPECT_EQ(Edit[2]->text(), "-0.1");
    Place(Edit[4], "1.5", 3);
    Place(Edit[5], "1", 1);
    QTest::keyClick(Edit[5], '.');
    EXPECT_EQ(Edit[5]->text(), "1.");
}

TEST_F(Fields, TheSeparatorIsReadAtEachKeystroke)
{
    Place(Edit[2], "1", 1);
    DecimalSeparator = ',';
    QTest::keyClick(Edit[2], '.');
    EXPECT_EQ(Edit[2]->text(), "1");
    QTest::keyClick(Edit[2], ',');
    EXPECT_EQ(Edit[2]->text(), "1,");
    DecimalSeparator = '.';
    QTest::keyClick(Edit[2], '.');
    EXPECT_EQ(Edit[2]->text(), "1,.");
}

TEST_F(Fields, ControlKeysReachTheHandlerAsControlCharacters)
{
    TEditField* field = Edit[2];
    Place(field, "0.1", 1);
    Handed.clear();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(field, Qt::Key_Return);
    QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(field, Qt::Key_Escape);
    QTest::keyClick(field, Qt::Key_Backspace, Qt::ControlModifier);
    QTest::keyClick(field, 'x');
    EXPECT_EQ(Handed, (std::vector<char16_t>{1, 3, 22, 24, 26, 26, 13, 13, 27, 127, u'x'}));
    EXPECT_EQ(field->text(), "0.1");
    EXPECT_EQ(field->cursorPosition(), 1);
    EXPECT_FALSE(field->hasSelectedText());
    EXPECT_EQ(StepIndex, 7);
}

TEST_F(Fields, EditingKeysTypeNothingAndWorkUnfiltered)
{
    TEditField* field = Edit[3];
    Place(field, "10", 2);
    Handed.clear();
    QTest::keyClick(field, Qt::Key_Home);
    QTest::keyClick(field, '-');  // the caret is at 0 now
    EXPECT_EQ(field->text(), "-10");
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClick(field, Qt::Key_Left);
    QTest::keyClick(field, Qt::Key_Delete);
    EXPECT_EQ(field->text(), "-1");
    QTest::keyClick(field, Qt::Key_Home);
    QTest::keyClick(field, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(field->selectedText(), "-");
    QTest::keyClick(field, Qt::Key_Delete, Qt::ShiftModifier);  // cut
    EXPECT_EQ(field->text(), "1");
    EXPECT_EQ(QApplication::clipboard()->text(), "-");
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);  // paste
    EXPECT_EQ(field->text(), "1-");
    // Only the two typed characters were handed to the filter.
    EXPECT_EQ(Handed, std::vector<char16_t>{u'-'});
}

TEST_F(Fields, PasteBypassesTheFilterButCtrlVDoesNothing)
{
    QApplication::clipboard()->setText("abc");
    for (int i = 1; i <= 8; ++i) {
        SCOPED_TRACE(i);
        Place(Edit[i], "1", 1);
        StepIndex = 7;
        QTest::keyClick(Edit[i], Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(Edit[i]->text(), "1");
        EXPECT_EQ(StepIndex, 7);
    }

    Place(Edit[5], "", 0);
    QTest::keyClick(Edit[5], Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(Edit[5]->text(), "abc");
    EXPECT_EQ(StepIndex, 0);

    // The context menu's Paste.
    Place(Edit[5], "1", 1);
    StepIndex = 7;
    std::unique_ptr<QMenu> menu(Edit[5]->createStandardContextMenu());
    QAction* paste = MenuAction(*menu, "&Paste");
    ASSERT_NE(paste, nullptr);
    paste->trigger();
    EXPECT_EQ(Edit[5]->text(), "1abc");
    EXPECT_EQ(StepIndex, 0);
}

TEST_F(Fields, ClipboardAndUndoShortcutsDoNothing)
{
    TEditField* field = Edit[2];
    QApplication::clipboard()->setText("clip");
    Place(field, "0.1", 0, 3);
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "clip");
    EXPECT_EQ(field->text(), "0.1");
    EXPECT_EQ(field->selectedText(), "0.1");

    Place(field, "0.1", 3);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    EXPECT_FALSE(field->hasSelectedText());
    QTest::keyClick(field, '5');
    EXPECT_EQ(field->text(), "0.15");
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field->text(), "0.15");

    // The menu's undo still works, and redo by key does not.
    std::unique_ptr<QMenu> menu(field->createStandardContextMenu());
    QAction* undo = MenuAction(*menu, "&Undo");
    ASSERT_NE(undo, nullptr);
    undo->trigger();
    EXPECT_EQ(field->text(), "0.1");
    QTest::keyClick(field, Qt::Key_Y, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(field->text(), "0.1");
}

TEST_F(Fields, EnterAndEscapeStayInTheField)
{
    Window->activateWindow();
    Edit[3]->setFocus();
    QTest::keyClick(Edit[3], Qt::Key_Return);
    QTest::keyClick(Edit[3], Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(Edit[3], Qt::Key_Escape);
    EXPECT_EQ(DefaultClicks, 0);
    EXPECT_TRUE(Window->isVisible());
    EXPECT_EQ(Window->result(), 0);

    // The same keys in a plain line edit do reach the dialog: the check above
    // would catch a field that let them through.
    auto* plain = new QLineEdit(Window.get());
    Window->layout()->addWidget(plain);
    QTest::keyClick(plain, Qt::Key_Return);
    EXPECT_EQ(DefaultClicks, 1);
    QTest::keyClick(plain, Qt::Key_Escape);
    EXPECT_FALSE(Window->isVisible());
}

TEST_F(Fields, TypedKeysNeverTriggerAWindowShortcut)
{
    int fired = 0;
    for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::Key_S), QKeySequence(Qt::Key_Return),
                                    QKeySequence(Qt::Key_Escape), QKeySequence(Qt::Key_5)}) {
        auto* shortcut = new QShortcut(keys, Window.get());
        shortcut->setContext(Qt::ApplicationShortcut);
        QObject::connect(shortcut, &QShortcut::activated, [&fired] { ++fired; });
    }
    QApplication::setActiveWindow(Window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
    Edit[8]->setFocus();
    QTest::keyClick(Edit[8], Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(Edit[8], Qt::Key_Return);
    QTest::keyClick(Edit[8], Qt::Key_Escape);
    QTest::keyClick(Edit[8], '5');
    EXPECT_EQ(fired, 0);
    EXPECT_EQ(Edit[8]->text(), "45");

    // The same keys on a button do reach the shortcuts.
    QTest::keyClick(DefaultButton, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(DefaultButton, '5');
    EXPECT_EQ(fired, 2);
}

TEST_F(Fields, AltKeysTypeNothing)
{
    Place(Edit[1], "5", 1);
    QTest::keyClick(Edit[1], '7', Qt::AltModifier);
    EXPECT_EQ(Edit[1]->text(), "5");
}

TEST_F(Fields, InputMethodCharactersAreFilteredToo)
{
    TEditField* field = Edit[2];
    Place(field, "1", 1);
    StepIndex = 7;
    QInputMethodEvent accented;
    accented.setCommitString(QStringLiteral("á"));
    QApplication::sendEvent(field, &accented);
    EXPECT_EQ(field->text(), "1");
    EXPECT_EQ(StepIndex, 7);

    QInputMethodEvent digits;
    digits.setCommitString(QStringLiteral("2.3."));
    QApplication::sendEvent(field, &digits);
    EXPECT_EQ(field->text(), "12.3");
    EXPECT_EQ(StepIndex, 0);
}

TEST_F(Fields, StepIndexResetsOnlyWhenTheTextChanges)
{
    TEditField* field = Edit[1];
    Place(field, "500", 3);
    StepIndex = 7;
    QTest::keyClicks(field, ".-e ,");
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Left);
    EXPECT_EQ(StepIndex, 7);
    QTest::keyClick(field, '1');
    EXPECT_EQ(StepIndex, 0);
    EXPECT_EQ(field->text(), "5010");

    StepIndex = 7;
    Place(field, "5", 0);
    StepIndex = 7;
    QTest::keyClick(field, Qt::Key_Backspace);  // nothing before the caret
    EXPECT_EQ(StepIndex, 7);
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(field->text(), "");
    EXPECT_EQ(StepIndex, 0);
}

// The text grammar the filters keep, as far as typing can reach: only
// digits, one separator at most, one "-" at most (it can end up behind
// digits typed in front of it later, e.g. "3-5").
bool TextAllowed(TFilterKind kind, const QString& text)
{
    int separators = 0, signs = 0;
    for (const QChar c : text) {
        if (c.unicode() >= u'0' && c.unicode() <= u'9') continue;
        if (kind != TFilterKind::Digits && c == QLatin1Char('.')) {
            ++separators;
            continue;
        }
        if (kind == TFilterKind::SignedDecimal && c == QLatin1Char('-')) {
            ++signs;
            continue;
        }
        return false;
    }
    return separators <= 1 && signs <= 1;
}

TEST_F(Fields, RandomTypingNeverBreaksTheGrammar)
{
    const char keys[] = {'0', '1', '5', '9', '.', '.', '-', '-', ',', 'a', 'e', 'E', ' ', '+', '\b', '\b'};
    std::mt19937 random(20240611);
    for (int i = 1; i <= 8; ++i) Edit[i]->clear();
    int passed = 0, discarded = 0;

    for (int step = 0; step < 6000; ++step) {
        const int index = 1 + int(random() % 8);
        TEditField* field = Edit[index];
        const int length = int(field->text().size());
        switch (random() % 4) {
        case 0: field->setCursorPosition(int(random() % (length + 1))); break;
        case 1: {
            const int start = int(random() % (length + 1));
            field->setSelection(start, int(random() % (length - start + 1)));
            break;
        }
        default: break;
        }

        const QString before = field->text();
        const int selStart = field->SelStart();
        const int selLength = int(field->selectedText().size());
        const char key = keys[random() % std::size(keys)];
        StepIndex = 7;
        Type(field, key);
        const QString after = field->text();

        // What the field should hold: the model of the filter and the edit.
        QString expected = before;
        const char16_t typed = key == '\b' ? KeyBackspace : char16_t(key);
        const bool passes = KeyPasses(Kinds[index - 1], typed, before.toStdU16String(), selStart, u'.');
        ++(passes ? passed : discarded);
        if (passes) {
            if (selLength > 0)
                expected.remove(selStart, selLength);
            else if (key == '\b' && selStart > 0)
                expected.remove(selStart - 1, 1);
            if (key != '\b') expected.insert(selStart, QChar(key));
        }
        ASSERT_EQ(after, expected) << "Edit" << index << " before \"" << before.toStdString()
                                   << "\" sel " << selStart << "+" << selLength << " key " << int(key);
        ASSERT_TRUE(TextAllowed(Kinds[index - 1], after)) << after.toStdString();
        // A passing key changes the text even when it puts back what it replaced.
        ASSERT_EQ(StepIndex, passes && (selLength > 0 || key != '\b' || selStart > 0) ? 0 : 7);
        if (after.count(QLatin1Char('-')) > before.count(QLatin1Char('-'))) {
            ASSERT_TRUE(after.startsWith(QLatin1Char('-')));  // a sign goes in only at the front
        }
    }
    // Both outcomes were exercised plenty.
    EXPECT_GT(passed, 1500);
    EXPECT_GT(discarded, 1500);
}

}  // namespace
