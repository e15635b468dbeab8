#include <gtest/gtest.h>

#include "runs/log_text.h"

namespace {

TEST(AppendLine, AppendRule)
{
    struct Case {
        std::string before;
        std::string line;
        std::string after;
    };
    const Case cases[] = {
        {"", "a", "a\r\n"},
        {"", "", "\r\n"},
        {"x\r\n", "a", "x\r\na\r\n"},
        {"x\r\n", "", "x\r\n\r\n"},
        // A last line typed without a break: the new line starts on its own line,
        // and the text again ends without a break.
        {"typed", "a", "typed\r\na"},
        {"typed", "", "typed\r\n"},
    };
    for (const Case& c : cases) {
        std::string text = c.before;
        AppendLine(text, c.line);
        EXPECT_EQ(text, c.after) << c.before << "+" << c.line;
    }
}

}  // namespace
