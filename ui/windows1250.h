#pragma once
#include <string>
#include <string_view>

// UTF-8 to Windows-1250 bytes through iconv; a character the code page cannot
// hold becomes '?'.
std::string ToWindows1250(std::string_view utf8);
