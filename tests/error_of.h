#pragma once
#include <string>

#include "model/app_error.h"

// The message of the TAppError the call raises, or "" when it raises none.
template <class F>
std::string ErrorOf(F&& call)
{
    try {
        call();
    } catch (const TAppError& e) {
        return e.what();
    }
    return "";
}
