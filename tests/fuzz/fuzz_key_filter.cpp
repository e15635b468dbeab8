// Arbitrary sequences of typed keys, caret moves and selections on a model of
// an entry field. Whatever is typed, the text keeps to what the field's filter
// admits: only its characters, at most one separator and at most one "-".
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ui/key_filter.h"

namespace {

void Check(bool condition)
{
    if (!condition) std::abort();
}

struct TFieldModel {
    std::u16string Text;
    int SelStart = 0;
    int SelLength = 0;

    void Type(char16_t key)
    {
        if (key == KeyBackspace) {
            if (SelLength == 0 && SelStart > 0) {
                --SelStart;
                SelLength = 1;
            }
        }
        Text.erase(static_cast<std::size_t>(SelStart), static_cast<std::size_t>(SelLength));
        if (key != KeyBackspace) Text.insert(Text.begin() + SelStart++, key);
        SelLength = 0;
    }
};

void CheckGrammar(TFilterKind kind, const std::u16string& text)
{
    int separators = 0;
    int minus = 0;
    for (char16_t c : text) {
        if (c >= u'0' && c <= u'9') continue;
        Check(kind != TFilterKind::Digits);
        if (c == u'.') {
            ++separators;
        } else {
            Check(c == u'-' && kind == TFilterKind::SignedDecimal);
            ++minus;
        }
    }
    Check(separators <= 1 && minus <= 1);
}

const char16_t Alphabet[] = {u'0', u'1', u'9', u'.', u'-', u',', u'e', u'+', u' ', u'a', u'\u013E',
                             KeyBackspace, 13, 27, 22, 3, 0};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const auto kind = static_cast<TFilterKind>(data[0] % 3);
    TFieldModel field;
    for (std::size_t i = 1; i + 1 < size; i += 2) {
        const std::uint8_t op = data[i];
        const std::uint8_t arg = data[i + 1];
        const int length = static_cast<int>(field.Text.size());
        switch (op % 4) {
        case 0:  // a typed character from the interesting set
        case 1: {  // or any 16-bit code
            const char16_t key = op % 4 == 0 ? Alphabet[arg % std::size(Alphabet)]
                                             : static_cast<char16_t>(arg | (op << 8));
            if (KeyPasses(kind, key, field.Text, field.SelStart, u'.')) field.Type(key);
            break;
        }
        case 2:  // caret move
            field.SelStart = arg % (length + 1);
            field.SelLength = 0;
            break;
        case 3:  // selection
            field.SelStart = arg % (length + 1);
            field.SelLength = (arg / 7) % (length - field.SelStart + 1);
            break;
        }
        CheckGrammar(kind, field.Text);
    }
    return 0;
}
