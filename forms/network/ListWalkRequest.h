#pragma once
// A table walk into a list view that always tells its form when it ended. When a walked row
// cannot be shown, the library reports the failure and ends the walk without calling the
// completion; a form that waits for that completion (an idle flag, disabled buttons) would wait
// for ever. This request then hands the completion the failure, from the event loop.
#include "library/snmp/NxSNMPRequest2Edits.h"

#include <memory>

class ListWalkRequest : public NxSNMPRequest2Edits {
  public:
    explicit ListWalkRequest(QWidget* owner);
    ~ListWalkRequest() override;

  protected:
    void ShowValues() override;

  private:
    std::shared_ptr<ListWalkRequest*> Alive_;
};
