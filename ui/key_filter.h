#pragma once
// The keystroke rules of the entry fields, without Qt.
#include <string_view>

enum class TFilterKind { Digits, SignedDecimal, UnsignedDecimal };

inline constexpr char16_t KeyBackspace = 8;

// True when the typed character `key` may reach a field of this kind that
// holds `text` with its selection (or caret) starting at `selectionStart`.
bool KeyPasses(TFilterKind kind, char16_t key, std::u16string_view text, int selectionStart,
               char16_t decimalSeparator);
