#include "library/common/NxNumList.h"

#include <algorithm>
#include <cmath>
#include <limits>

template <typename T> int NxNumList<T>::CountFields(const char* text) const {
    if (!text || !*text)
        return 0;
    int n = 1;
    for (const char* p = text; *p; ++p)
        n += *p == Separator;
    return n;
}

// The separator moves on to the next item and ends a fraction; a "." (when it is not the
// separator) starts one, whose digits never raise the item. Every other character counts as
// the digit c - '0', as it comes: the edits that feed this keep only digits and separators.
// A number too large for the item type stays at the type's limit instead of wrapping, so an
// over-long number can never pass a range check as a small one.
template <typename T> void NxNumList<T>::Parse(const char* text) {
    Items_.assign(size_t(CountFields(text)), T(0));
    if (Items_.empty())
        return;
    constexpr double lo = double(std::numeric_limits<T>::min());
    constexpr double hi = double(std::numeric_limits<T>::max());
    size_t index = 0;
    bool fraction = false;
    double multiplier = 1;
    double item = 0;
    auto store = [&] { Items_[index] = T(std::clamp(item, lo, hi)); };
    for (const char* p = text; *p; ++p) {
        const char c = *p;
        if (c == Separator) {
            store();
            ++index, item = 0, fraction = false, multiplier = 1;
        } else if (c == '.') {
            fraction = true;
        } else {
            const int digit = c - '0';
            if (!fraction) {
                item = std::clamp(item * 10 + digit, lo, hi);
            } else {
                multiplier *= 0.1;
                item = std::trunc(item + digit * multiplier);
            }
        }
    }
    store();
}

template <typename T> int NxNumList<T>::IndexOf(T value) const {
    const auto it = std::find(Items_.begin(), Items_.end(), value);
    return it == Items_.end() ? -1 : int(it - Items_.begin());
}

template <typename T> bool NxNumList<T>::AllInRange(T minimum, T maximum) const {
    return std::all_of(Items_.begin(), Items_.end(), [&](T v) { return minimum <= v && v <= maximum; });
}

template class NxNumList<int>;
template class NxNumList<unsigned int>;

uint32_t UIntPower(uint32_t base, int exponent) {
    uint32_t r = 1;
    for (int i = 0; i < exponent; ++i)
        r *= base;
    return r;
}
