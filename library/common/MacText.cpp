#include "library/common/MacText.h"

bool SameMacText(const std::string& typed, const std::string& stored) {
    for (size_t i = 0; i < typed.size(); ++i) {
        if (i >= stored.size())
            return false;
        const char a = typed[i];
        const char b = stored[i];
        if (a != b && !(b >= 'A' && b <= 'Z' && a == b + 32))
            return false;
    }
    return true;
}
