#pragma once

#include "runtime/vb/VbError.h"

#include <functional>

// The number of the VbError that f raises; 0 when it raises none.
inline int errorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const vb::VbError& e) {
        return e.number();
    }
    return 0;
}
