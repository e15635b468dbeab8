#pragma once
#include <string_view>

// The modal message box with one OK button (the range message goes through it).
// Show returns once the user has closed the box.
struct TMessageBox {
    virtual ~TMessageBox() = default;
    virtual void Show(std::string_view text) = 0;
};
