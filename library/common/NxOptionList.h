#pragma once
// Maps values of an enumerated MIB object to the texts a form shows, and back.
#include "library/common/NxItemControl.h"

#include <cstdint>
#include <string>
#include <vector>

// One pair of a static array; the array ends with a pair whose Text is null.
// Kind 1 lists use IntKey, kinds 2 and 3 use TextKey.
struct OptionDef {
    int32_t IntKey;
    const char* TextKey;
    const char* Text;
};

inline constexpr OptionDef IntOption(int32_t key, const char* text) {
    return OptionDef{key, nullptr, text};
}
inline constexpr OptionDef TextOption(const char* key, const char* text) {
    return OptionDef{0, key, text};
}
inline constexpr OptionDef EndOfOptions() {
    return OptionDef{0, nullptr, nullptr};
}

int CountOptionDefs(const OptionDef* pairs);

class NxOptionList {
  public:
    enum Kind : int32_t { IntegerKeys = 1, TextKeys = 2, PrefixKeys = 3 };

    struct Item {
        int32_t IntKey = 0;
        std::string TextKey;
        std::string Text;
    };

    NxOptionList(const OptionDef* pairs, int32_t kind, bool caseSensitive);
    ~NxOptionList();
    NxOptionList(const NxOptionList&) = delete;
    NxOptionList& operator=(const NxOptionList&) = delete;

    void Append(const OptionDef* pairs);
    void Clear();

    int32_t GetKind() const { return Kind_; }
    bool IsCaseSensitive() const { return CaseSensitive_; }
    int Count() const { return static_cast<int>(Items_.size()); }
    const Item& GetItem(int index) const { return Items_[static_cast<size_t>(index)]; }

    int IndexOfText(const std::string& text) const;
    int IndexOfKey(const std::string& key) const; // kind 1: raises EConvertError for a non-integer key
    std::string KeyToText(const std::string& key) const;
    std::string TextToKey(const std::string& text) const;

    void FillComboBox(NxItemControl& combo) const;
    void FillRadioGroup(NxItemControl& group) const;
    void SelectComboBox(NxItemControl& combo, const std::string& value) const;
    void SelectRadioGroup(NxItemControl& group, const std::string& value) const;

  private:
    bool TextEquals(const std::string& a, const std::string& b) const;
    bool HasPrefix(const std::string& whole, const std::string& prefix) const;
    int SelectIndex(const std::string& value) const;

    int32_t Kind_;
    bool CaseSensitive_;
    std::vector<Item> Items_;
};
