#pragma once
// The two modal boxes of the window, the application title they carry, and the
// one helper through which every event handler runs its body.
#include <QString>
#include <exception>
#include <string>
#include <string_view>

#include "model/app_error.h"
#include "model/message_box.h"

// The error box shown for an error that leaves a handler. Show returns once
// the user has closed it; the text is shown as given.
struct TErrorBox {
    virtual ~TErrorBox() = default;
    virtual void Show(std::string_view text) = 0;
};

// The program file's name without directory and without everything from its
// first '.'; first character as it is, the rest in lower case.
QString ApplicationTitleOf(const QString& programPath);
QString ApplicationTitle();  // of the running program

// The error's message, with a full stop added when its last byte is above '.'.
std::string ErrorBoxText(std::string_view message);

// No icon, one "OK", centred on the screen (the range message).
class TQtMessageBox final : public TMessageBox {
public:
    void Show(std::string_view text) override;
};

// Critical icon, one "OK", centred on the screen.
class TQtErrorBox final : public TErrorBox {
public:
    void Show(std::string_view text) override;
};

// Runs one handler body. An error that leaves the body is caught here, so no
// exception crosses Qt's event dispatch; `finish` runs after the body either
// way (the window shows what the body wrote before the error), then the error
// box shows the message.
template <class Body, class Finish>
void RunHandler(TErrorBox& errorBox, Body&& body, Finish&& finish) noexcept
{
    std::string message;
    bool failed = false;
    try {
        body();
    } catch (const std::exception& e) {  // TAppError and, defensively, the rest
        failed = true;
        message = e.what();
    } catch (...) {
        failed = true;
        message = "Unknown error";
    }
    try {
        finish();
    } catch (const std::exception& e) {
        if (!failed) message = e.what();
        failed = true;
    } catch (...) {
        failed = true;
    }
    if (failed) {
        try {
            errorBox.Show(ErrorBoxText(message));
        } catch (...) {
            // Nothing is left that could report it.
        }
    }
}
