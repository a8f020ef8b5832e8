#pragma once
#include "platform/Exception.h"

#include <functional>

// The help context of the Exception that f throws; 0 when it throws none.
inline int CodeOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const Exception& e) {
        return e.HelpContext;
    }
    return 0;
}
