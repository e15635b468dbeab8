#pragma once
#include <string>
#include <string_view>

// Appends one line to a CR LF text: after a final line break (or to an empty
// text) the line and CR LF; after a last line the user left without a break,
// CR LF and then the line.
void AppendLine(std::string& text, std::string_view line);
