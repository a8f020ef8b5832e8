#include "library/common/NxOptionList.h"

#include "platform/Convert.h"

#include <cctype>
#include <strings.h>

int CountOptionDefs(const OptionDef* pairs) {
    int n = 0;
    if (pairs)
        while (pairs[n].Text)
            ++n;
    return n;
}

NxOptionList::NxOptionList(const OptionDef* pairs, int32_t kind, bool caseSensitive)
    : Kind_(kind), CaseSensitive_(caseSensitive) {
    Append(pairs);
}

NxOptionList::~NxOptionList() {
    Clear();
}

void NxOptionList::Append(const OptionDef* pairs) {
    const int n = CountOptionDefs(pairs);
    Items_.reserve(Items_.size() + static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        Item item;
        if (Kind_ == IntegerKeys)
            item.IntKey = pairs[i].IntKey;
        else if (pairs[i].TextKey)
            item.TextKey = pairs[i].TextKey;
        item.Text = pairs[i].Text;
        Items_.push_back(std::move(item));
    }
}

void NxOptionList::Clear() {
    Items_.clear();
}

bool NxOptionList::TextEquals(const std::string& a, const std::string& b) const {
    return CaseSensitive_ ? a == b : strcasecmp(a.c_str(), b.c_str()) == 0;
}

bool NxOptionList::HasPrefix(const std::string& whole, const std::string& prefix) const {
    if (prefix.size() > whole.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        unsigned char a = static_cast<unsigned char>(whole[i]), b = static_cast<unsigned char>(prefix[i]);
        if (!CaseSensitive_) {
            a = static_cast<unsigned char>(std::tolower(a));
            b = static_cast<unsigned char>(std::tolower(b));
        }
        if (a != b)
            return false;
    }
    return true;
}

int NxOptionList::IndexOfText(const std::string& text) const {
    for (int i = 0; i < Count(); ++i) {
        const std::string& t = Items_[static_cast<size_t>(i)].Text;
        if (Kind_ == PrefixKeys ? HasPrefix(text, t) : TextEquals(t, text))
            return i;
    }
    return -1;
}

int NxOptionList::IndexOfKey(const std::string& key) const {
    if (Items_.empty())
        return -1;
    if (Kind_ == IntegerKeys) {
        if (key == "(NULL)")
            return -1;
        const int32_t k = StrToInt(key);
        for (int i = 0; i < Count(); ++i)
            if (Items_[static_cast<size_t>(i)].IntKey == k)
                return i;
        return -1;
    }
    for (int i = 0; i < Count(); ++i) {
        const std::string& k = Items_[static_cast<size_t>(i)].TextKey;
        if (Kind_ == PrefixKeys ? HasPrefix(key, k) : TextEquals(k, key))
            return i;
    }
    return -1;
}

std::string NxOptionList::KeyToText(const std::string& key) const {
    if (Kind_ != IntegerKeys && Kind_ != TextKeys && Kind_ != PrefixKeys)
        return key;
    const int i = IndexOfKey(key);
    if (i < 0)
        return key;
    const Item& item = GetItem(i);
    if (Kind_ == PrefixKeys)
        return item.Text + key.substr(item.TextKey.size());
    return item.Text;
}

std::string NxOptionList::TextToKey(const std::string& text) const {
    if (Kind_ != IntegerKeys && Kind_ != TextKeys && Kind_ != PrefixKeys)
        return text;
    const int i = IndexOfText(text);
    if (i < 0)
        return text;
    const Item& item = GetItem(i);
    if (Kind_ == IntegerKeys)
        return IntToStr(item.IntKey);
    if (Kind_ == TextKeys)
        return item.TextKey;
    return item.TextKey + text.substr(item.Text.size());
}

void NxOptionList::FillComboBox(NxItemControl& combo) const {
    combo.ClearItems();
    for (const Item& item : Items_)
        combo.AddItem(item.Text);
}

void NxOptionList::FillRadioGroup(NxItemControl& group) const {
    FillComboBox(group);
}

int NxOptionList::SelectIndex(const std::string& value) const {
    int i = IndexOfText(value);
    if (i < 0)
        i = IndexOfKey(value);
    return i;
}

void NxOptionList::SelectComboBox(NxItemControl& combo, const std::string& value) const {
    combo.SetItemIndex(SelectIndex(value));
}

void NxOptionList::SelectRadioGroup(NxItemControl& group, const std::string& value) const {
    group.SetItemIndex(SelectIndex(value));
}
