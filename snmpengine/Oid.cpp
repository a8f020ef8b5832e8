#include "snmpengine/Oid.h"

#include <charconv>

#include <algorithm>

namespace {
// Parses dotted decimal into ids; false on anything that is not digits and single dots.
bool parseDotted(const char* text, std::vector<uint32_t>& ids) {
    if (!text)
        return false;
    const char* p = text;
    if (*p == '.')
        ++p;
    if (*p == '\0')
        return true;
    while (true) {
        if (*p < '0' || *p > '9')
            return false;
        uint64_t value = 0;
        while (*p >= '0' && *p <= '9') {
            value = value * 10 + static_cast<uint64_t>(*p - '0');
            if (value > 0xFFFFFFFFull)
                return false;
            ++p;
        }
        ids.push_back(static_cast<uint32_t>(value));
        if (*p == '\0')
            return true;
        if (*p != '.')
            return false;
        ++p;
    }
}
} // namespace

Oid::Oid(const char* dotted) {
    if (!parseDotted(dotted, ids_)) {
        ids_.clear();
        valid_ = false;
    }
}

std::string Oid::get_printable() const {
    std::string text;
    get_printable(text);
    return text;
}

void Oid::get_printable(std::string& text) const {
    // Up to ten digits and a dot per sub-identifier, written in place.
    text.resize(ids_.size() * 11);
    char* at = text.data();
    char* const end = at + text.size();
    for (size_t i = 0; i < ids_.size(); ++i) {
        if (i)
            *at++ = '.';
        at = std::to_chars(at, end, ids_[i]).ptr;
    }
    text.resize(static_cast<size_t>(at - text.data()));
}

Oid& Oid::operator+=(uint32_t id) {
    ids_.push_back(id);
    return *this;
}

Oid& Oid::operator+=(const Oid& tail) {
    ids_.insert(ids_.end(), tail.ids_.begin(), tail.ids_.end());
    valid_ = valid_ && tail.valid_;
    return *this;
}

Oid& Oid::operator+=(const char* dottedTail) {
    return *this += Oid(dottedTail);
}

void Oid::trim(size_t count) {
    ids_.resize(ids_.size() - std::min(count, ids_.size()));
}

int Oid::nCompare(size_t n, const Oid& other) const {
    for (size_t i = 0; i < n; ++i) {
        if (i >= ids_.size() || i >= other.ids_.size()) {
            if (ids_.size() == other.ids_.size() || (i >= ids_.size() && i >= other.ids_.size()))
                return 0;
            return i >= ids_.size() ? -1 : 1;
        }
        if (ids_[i] != other.ids_[i])
            return ids_[i] < other.ids_[i] ? -1 : 1;
    }
    return 0;
}

bool Oid::starts_with(const Oid& prefix) const {
    return prefix.ids_.size() <= ids_.size() &&
           std::equal(prefix.ids_.begin(), prefix.ids_.end(), ids_.begin());
}
