#include "app/forms/FormRequests.h"

#include "library/snmp/NxSNMPRequest.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "platform/Events.h"
#include "platform/FormTeardown.h"

#include <algorithm>

void DetachRequestHandlers(NxSNMPRequest2Controls& request) {
    request.OnEndingGet = nullptr;
    request.OnEndingSet = nullptr;
    if (auto* edits = dynamic_cast<NxSNMPRequest2Edits*>(&request)) {
        edits->OnBeforeGet = nullptr;
        edits->OnBeforeSet = nullptr;
        edits->OnAfterGet = nullptr;
        edits->OnAfterSet = nullptr;
    }
}

void TFormRequestRelease::operator()(NxSNMPRequest2Controls* request) const {
    if (Owner != nullptr)
        Owner->Release(request);
    else
        delete request;
}

TFormRequests::~TFormRequests() {
    DestroyKept();
}

void TFormRequests::Remember(const void* key, std::function<NxSNMPRequest2Controls*()> get,
                             std::function<void()> reset) {
    if (Knows(key))
        return;
    Slots_.push_back({key, std::move(get), std::move(reset)});
}

bool TFormRequests::Knows(const void* slot) const {
    return std::any_of(Slots_.begin(), Slots_.end(), [slot](const Slot& s) { return s.Key == slot; });
}

void TFormRequests::Forget(const void* slot) {
    std::erase_if(Slots_, [slot](const Slot& s) { return s.Key == slot; });
}

void TFormRequests::Reset(const void* slot) {
    for (const Slot& s : Slots_)
        if (s.Key == slot)
            s.Reset();
}

bool TFormRequests::AllBuilt() const {
    return !Slots_.empty() &&
           std::all_of(Slots_.begin(), Slots_.end(), [](const Slot& s) { return s.Get(); });
}

bool TFormRequests::Busy() const {
    return std::any_of(Slots_.begin(), Slots_.end(), [](const Slot& s) {
        const NxSNMPRequest2Controls* request = s.Get();
        return request != nullptr && request->Busy != 0;
    });
}

void TFormRequests::DetachHandlers() {
    for (const Slot& s : Slots_)
        if (NxSNMPRequest2Controls* request = s.Get())
            DetachRequestHandlers(*request);
}

void TFormRequests::DestroyAll() {
    DetachHandlers();
    const NxSNMPSharedCloseWait wait;
    Destroying_ = true;
    for (auto it = Slots_.rbegin(); it != Slots_.rend(); ++it)
        it->Reset();
    Destroying_ = false;
    DestroyKept();
}

void TFormRequests::DestroyKept() {
    const NxSNMPSharedCloseWait wait;
    // Taken out first: an answer processed during one's wait may release another.
    while (!Kept_.empty()) {
        std::unique_ptr<NxSNMPRequest2Controls> last = std::move(Kept_.back());
        Kept_.pop_back();
        last.reset();
    }
}

void TFormRequests::EndWithForm(QWidget& form) {
    ForgetSlots();
    if (Kept_.empty())
        return;
    const TFormTeardown teardown(form);
    GuardEvent([this] { DestroyKept(); });
}

void TFormRequests::Release(NxSNMPRequest2Controls* request) {
    if (request == nullptr)
        return;
    DetachRequestHandlers(*request);
    request->Retire();
    if (Destroying_ || request->Request.Outstanding == 0)
        delete request;
    else
        Kept_.emplace_back(request); // its wait would otherwise run inside the form's destruction
}
