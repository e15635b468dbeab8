#include "model/app_error.h"

void RaiseError(std::string_view message) { throw TAppError(std::string(message)); }
void RaiseOverflow() { RaiseError(MsgOverflow); }
void RaiseDivisionByZero() { RaiseError(MsgDivisionByZero); }
void RaiseInvalidOperation() { RaiseError(MsgInvalidOperation); }

namespace {
std::string QuotedTextMessage(std::string_view text, std::string_view tail)
{
    std::string message;
    message.reserve(text.size() + tail.size() + 2);
    message += '\'';
    message += text;
    message += '\'';
    message += tail;
    return message;
}
}  // namespace

std::string InvalidIntegerMessage(std::string_view text)
{
    return QuotedTextMessage(text, " is not a valid integer value");
}

std::string InvalidFloatMessage(std::string_view text)
{
    return QuotedTextMessage(text, " is not a valid floating point value");
}
