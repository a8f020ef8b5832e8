#pragma once
// A list of integers parsed from a text such as "1,2,3" at one separator character.
#include <cstddef>
#include <cstdint>
#include <vector>

template <typename T> class NxNumList {
  public:
    NxNumList() = default;

    // 0 for no text or an empty one, else 1 + the number of separators.
    int CountFields(const char* text) const;
    // Replaces the items by those of text; see NxNumList.cpp for the reading rules.
    void Parse(const char* text);

    int Count() const { return int(Items_.size()); }
    T operator[](int index) const { return Items_.at(std::size_t(index)); }
    int IndexOf(T value) const;
    bool AllInRange(T minimum, T maximum) const; // true for an empty list

    char Separator = '.';

  private:
    std::vector<T> Items_;
};

extern template class NxNumList<int>;
extern template class NxNumList<unsigned int>;

// base to the power exponent in wrapping unsigned 32-bit arithmetic; 1 for an exponent of 0.
uint32_t UIntPower(uint32_t base, int exponent);
