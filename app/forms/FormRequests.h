#pragma once
// The requests a form owns. A slot is a TFormRequest: once the form has built a request into it,
// letting go of it (reset, a new request, the form's own destruction) detaches the request's
// handlers and retires it, so that nothing it is still owed reaches the form; a request still
// owed an answer is then kept by the form until its end, when all such requests share one wait
// while the form's controls still exist. A form therefore writes no destructor for its requests.
#include "library/snmp/NxSNMPRequest2Controls.h"

#include <functional>
#include <memory>
#include <vector>

class QWidget;
class TFormRequests;

struct TFormRequestRelease {
    TFormRequests* Owner = nullptr; // none: deleted at once
    void operator()(NxSNMPRequest2Controls* request) const;
};

template <class Request> using TFormRequest = std::unique_ptr<Request, TFormRequestRelease>;

class TFormRequests {
  public:
    TFormRequests() = default;
    // Destroys what is still kept; the owner calls DestroyKept earlier while its controls exist.
    ~TFormRequests();
    TFormRequests(const TFormRequests&) = delete;
    TFormRequests& operator=(const TFormRequests&) = delete;

    // Puts a new request into `slot` (emptied first), released through this owner.
    template <class Request, class... Args> Request& Emplace(TFormRequest<Request>& slot, Args&&... args) {
        Own(slot);
        slot.reset();
        slot = TFormRequest<Request>(new Request(std::forward<Args>(args)...), TFormRequestRelease{this});
        return *slot;
    }
    // Takes a slot into the owner's list (again is harmless), built or not.
    template <class Request> void Own(TFormRequest<Request>& slot) {
        Remember(
            &slot, [&slot] { return static_cast<NxSNMPRequest2Controls*>(slot.get()); },
            [&slot] { slot.reset(); });
    }
    void Forget(const void* slot); // the slot's request is gone, or the slot itself is
    bool Knows(const void* slot) const;
    void Reset(const void* slot);

    // True when every slot taken exists.
    bool AllBuilt() const;
    // True while a request in a slot waits for an answer (one let go of is heard no more).
    bool Busy() const;
    // No handler of the form runs again from any request.
    void DetachHandlers();
    // Empties every slot, last taken first, and ends what was kept, all under one wait.
    void DestroyAll();
    // Ends only the requests kept after their slots let go of them.
    void DestroyKept();
    // From the form's destructor, its slots being gone: forgets them, then ends what was kept with
    // the form hidden and quiet.
    void EndWithForm(QWidget& form);
    // The slots are going (the form's destruction has begun): nothing reaches them from now on.
    void ForgetSlots() { Slots_.clear(); }

    // From the release: detaches and retires the request, then deletes it at once or, while an
    // answer is still owed, keeps it.
    void Release(NxSNMPRequest2Controls* request);

  private:
    void Remember(const void* key, std::function<NxSNMPRequest2Controls*()> get, std::function<void()> reset);
    struct Slot {
        const void* Key;
        std::function<NxSNMPRequest2Controls*()> Get;
        std::function<void()> Reset;
    };
    std::vector<Slot> Slots_;
    std::vector<std::unique_ptr<NxSNMPRequest2Controls>> Kept_;
    bool Destroying_ = false;
};

// Clears every handler a request may call back into its form with.
void DetachRequestHandlers(NxSNMPRequest2Controls& request);
