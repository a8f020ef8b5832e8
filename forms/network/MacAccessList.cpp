#include "forms/network/MacAccessList.h"

#include "app/forms/MacAddressText.h"
#include "library/common/MacText.h"
#include "platform/Edit.h"
#include "platform/MessageBox.h"

namespace {

const TAccessListForm::Kind kMacList{"MAC Address", "%h", "000000000000", "Reject: The MAC already exists ",
                                     12};

} // namespace

TMacAccessListForm::TMacAccessListForm(QWidget* owner) : TAccessListForm(owner, kMacList) {}

bool TMacAccessListForm::CheckAddress(const std::string& address) {
    const char* refusal = nullptr;
    const char* caption = "Warning";
    if (address.size() != 12) {
        refusal = "The length is 12 in MAC Address.";
        caption = "Error";
    } else if (address == "000000000000" || !IsMacAddressText(address)) {
        // Not hexadecimal: the row conversion would drop the bad digits and store a short address.
        refusal = "Please input a valid MAC Address.";
    }
    if (!refusal)
        return true;
    MessageBox(this, refusal, caption, MB_OK);
    C_.Typed->setFocus();
    return false;
}

bool TMacAccessListForm::SameAddress(const std::string& typed, const std::string& stored) const {
    return SameMacText(typed, stored);
}
