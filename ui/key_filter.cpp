#include "ui/key_filter.h"

namespace {

bool IsDigit(char16_t key) { return key >= u'0' && key <= u'9'; }

}  // namespace

bool KeyPasses(TFilterKind kind, char16_t key, std::u16string_view text, int selectionStart,
               char16_t decimalSeparator)
{
    if (kind == TFilterKind::Digits) return key == KeyBackspace || IsDigit(key);

    // The set of characters that can pass; the separator is whatever the
    // setting holds at this keystroke.
    const bool inSet = key == KeyBackspace || IsDigit(key) || key == decimalSeparator ||
                       (kind == TFilterKind::SignedDecimal && key == u'-');
    if (!inSet) return false;

    // One separator and one sign at most, judged on the whole text: a selected
    // character that the key would replace still counts.
    if ((key == decimalSeparator || key == u'-') && text.find(key) != std::u16string_view::npos)
        return false;

    if (key == u'-' && selectionStart != 0) return false;
    return true;
}
