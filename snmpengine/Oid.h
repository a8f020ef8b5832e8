#pragma once
// An object identifier: sub-identifiers in order, written as dotted decimal text.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class Oid {
  public:
    Oid() = default;
    Oid(const char* dotted); // a leading dot is accepted; bad text gives an invalid Oid
    Oid(const std::string& dotted) : Oid(dotted.c_str()) {}
    Oid(const uint32_t* ids, size_t count) : ids_(ids, ids + count) {}
    explicit Oid(std::vector<uint32_t>&& ids) : ids_(std::move(ids)) {}

    // Replaces the sub-identifiers in place, keeping the storage for the next answer.
    template <typename Id> void assign(const Id* ids, size_t count) {
        ids_.assign(ids, ids + count);
        valid_ = true;
    }

    bool valid() const { return valid_; }
    size_t len() const { return ids_.size(); }
    uint32_t operator[](size_t i) const { return ids_[i]; }
    uint32_t& operator[](size_t i) { return ids_[i]; }
    const std::vector<uint32_t>& ids() const { return ids_; }
    std::string get_printable() const;           // "1.3.6.1", no leading dot
    void get_printable(std::string& text) const; // the same into text, reusing its storage

    Oid& operator+=(uint32_t id);
    Oid& operator+=(const Oid& tail);
    Oid& operator+=(const char* dottedTail);
    void trim(size_t count = 1); // drops sub-identifiers from the end

    // Compares the first n sub-identifiers: <0, 0, >0 as in SNMP order.
    int nCompare(size_t n, const Oid& other) const;
    bool starts_with(const Oid& prefix) const;

    friend bool operator==(const Oid& a, const Oid& b) { return a.ids_ == b.ids_; }
    friend auto operator<=>(const Oid& a, const Oid& b) { return a.ids_ <=> b.ids_; }

  private:
    std::vector<uint32_t> ids_;
    bool valid_ = true;
};
