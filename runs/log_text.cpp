#include "runs/log_text.h"

void AppendLine(std::string& text, std::string_view line)
{
    if (text.empty() || text.ends_with("\r\n")) {
        text += line;
        text += "\r\n";
    } else {
        // The user left a last line without a break: the new line goes below it.
        text += "\r\n";
        text += line;
    }
}
