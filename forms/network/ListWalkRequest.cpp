#include "forms/network/ListWalkRequest.h"

#include "library/snmp/NxSNMPStatus.h"
#include "platform/Exception.h"

#include <QTimer>
#include <QWidget>
#include <exception>

ListWalkRequest::ListWalkRequest(QWidget* owner)
    : NxSNMPRequest2Edits(owner), Alive_(std::make_shared<ListWalkRequest*>(this)) {}

ListWalkRequest::~ListWalkRequest() = default;

void ListWalkRequest::ShowValues() {
    try {
        NxSNMPRequest2Edits::ShowValues();
    } catch (const std::exception& e) {
        if (Mode == ModeCallback && Owner()) {
            NxSNMPError failure;
            const auto* ex = dynamic_cast<const Exception*>(&e);
            failure.Code = ex && ex->HelpContext != 0 ? ex->HelpContext : NXSNMP_UNKNOWN;
            failure.Message = ex ? ex->Message : e.what();
            // After the library has ended the walk; the closure is looked up then, so a form
            // that detached it meanwhile hears nothing.
            QTimer::singleShot(0, Owner(),
                               [alive = std::weak_ptr<ListWalkRequest*>(Alive_), failure]() mutable {
                                   const auto self = alive.lock();
                                   if (self && (*self)->OnEndingGet)
                                       (*self)->OnEndingGet(*self, &failure);
                               });
        }
        throw;
    }
}
