// The keystroke rules alone, without a field.
#include <gtest/gtest.h>

#include <string>

#include "ui/key_filter.h"

namespace {

struct TCase {
    TFilterKind Kind;
    char16_t Key;
    std::u16string Text;
    int SelStart;
    char16_t Separator;
    bool Passes;
};

constexpr auto Dig = TFilterKind::Digits;
constexpr auto Sgn = TFilterKind::SignedDecimal;
constexpr auto Uns = TFilterKind::UnsignedDecimal;

const TCase Cases[] = {
    // Digits: backspace and 0..9, nothing else, wherever the caret is.
    {Dig, u'0', u"500", 3, u'.', true},
    {Dig, u'9', u"", 0, u'.', true},
    {Dig, 8, u"500", 3, u'.', true},
    {Dig, u'.', u"500", 3, u'.', false},
    {Dig, u'-', u"500", 0, u'.', false},
    {Dig, u'e', u"500", 3, u'.', false},
    {Dig, u' ', u"500", 3, u'.', false},
    {Dig, u',', u"500", 3, u',', false},  // no separator even when it is ','
    {Dig, 0, u"500", 3, u'.', false},
    {Dig, 13, u"500", 3, u'.', false},
    {Dig, 22, u"500", 3, u'.', false},
    // Signed decimal.
    {Sgn, u'5', u"0.1", 0, u'.', true},
    {Sgn, 8, u"0.1", 2, u'.', true},
    {Sgn, u'.', u"0.1", 0, u'.', false},
    {Sgn, u'.', u"0.1", 3, u'.', false},
    {Sgn, u'.', u"01", 1, u'.', true},
    {Sgn, u'.', u"", 0, u'.', true},
    {Sgn, u'-', u"10", 2, u'.', false},
    {Sgn, u'-', u"10", 1, u'.', false},
    {Sgn, u'-', u"10", 0, u'.', true},
    {Sgn, u'-', u"-10", 0, u'.', false},
    {Sgn, u'-', u"1-0", 0, u'.', false},  // anywhere in the text
    {Sgn, u'3', u"-5", 0, u'.', true},    // digits never look at the caret
    {Sgn, u',', u"1", 1, u'.', false},
    {Sgn, u',', u"1", 1, u',', true},     // the separator of the moment
    {Sgn, u'.', u"1", 1, u',', false},
    {Sgn, u',', u"1,5", 1, u',', false},
    {Sgn, u'+', u"1", 0, u'.', false},
    {Sgn, u'e', u"1", 1, u'.', false},
    {Sgn, u'E', u"1", 1, u'.', false},
    {Sgn, u' ', u"1", 1, u'.', false},
    {Sgn, u'á', u"1", 1, u'.', false},
    {Sgn, 1, u"1", 1, u'.', false},
    {Sgn, 3, u"1", 1, u'.', false},
    {Sgn, 24, u"1", 1, u'.', false},
    {Sgn, 26, u"1", 1, u'.', false},
    {Sgn, 27, u"1", 1, u'.', false},
    {Sgn, 127, u"1", 1, u'.', false},
    // Unsigned decimal: no sign at all.
    {Uns, u'-', u"1", 0, u'.', false},
    {Uns, u'-', u"", 0, u'.', false},
    {Uns, u'.', u"1", 0, u'.', true},
    {Uns, u'.', u"1.", 0, u'.', false},
    {Uns, u'7', u"1.5", 3, u'.', true},
    {Uns, 8, u"1", 1, u'.', true},
    {Uns, u',', u"1", 1, u'.', false},
};

TEST(KeyFilter, DecidesAsTheRulesSay)
{
    for (const TCase& c : Cases) {
        EXPECT_EQ(KeyPasses(c.Kind, c.Key, c.Text, c.SelStart, c.Separator), c.Passes)
            << "key " << int(c.Key) << " kind " << int(c.Kind) << " text \""
            << std::string(c.Text.begin(), c.Text.end()) << "\" selStart " << c.SelStart;
    }
}

TEST(KeyFilter, NoCharacterOtherThanTheListedOnesEverPasses)
{
    // Over every 16-bit code, in an empty field with the caret at 0 (the most
    // permissive state): exactly backspace, digits, separator and sign pass.
    for (unsigned code = 0; code <= 0xFFFF; ++code) {
        const auto key = static_cast<char16_t>(code);
        const bool digit = key >= u'0' && key <= u'9';
        EXPECT_EQ(KeyPasses(Dig, key, u"", 0, u'.'), digit || key == 8) << code;
        EXPECT_EQ(KeyPasses(Uns, key, u"", 0, u'.'), digit || key == 8 || key == u'.') << code;
        EXPECT_EQ(KeyPasses(Sgn, key, u"", 0, u'.'), digit || key == 8 || key == u'.' || key == u'-')
            << code;
    }
}

}  // namespace
