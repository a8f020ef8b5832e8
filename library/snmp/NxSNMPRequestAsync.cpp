// The asynchronous side of a request: sends, their completions from the event pump, and the
// request's end while answers are owed.
#include "library/snmp/NxSNMPRequest.h"

#include "library/snmp/NxSNMPSession.h"
#include "platform/Clock.h"
#include "platform/Exception.h"
#include "platform/InputHold.h"
#include "snmpengine/Pdu.h"
#include "snmpengine/Snmp.h"
#include "snmpengine/SnmpStatus.h"
#include "snmpengine/Target.h"

#include <QTimer>

#include <algorithm>
#include <cstdlib>

namespace {
constexpr uint32_t kCloseWaitMillis = NxSNMPSharedCloseWait::kWaitMillis;
bool SharedWaitActive = false;
uint32_t SharedWaitStart = 0;
} // namespace

NxSNMPSharedCloseWait::NxSNMPSharedCloseWait()
    : NxSNMPSharedCloseWait(SharedWaitActive ? SharedWaitStart : GetTickCount()) {}

NxSNMPSharedCloseWait::NxSNMPSharedCloseWait(uint32_t start)
    : OuterActive_(SharedWaitActive), OuterStart_(SharedWaitStart) {
    SharedWaitActive = true;
    SharedWaitStart = start;
}

NxSNMPSharedCloseWait::~NxSNMPSharedCloseWait() {
    SharedWaitActive = OuterActive_;
    SharedWaitStart = OuterStart_;
}

// Hands an asynchronous answer to the request that sent it.
void SnmpCallback(int reason, Snmp* session, Pdu& pdu, SnmpTarget& target, void* data);

struct NxSNMPRequest::CallbackRecord {
    NxSNMPRequest* Request;
    bool Read;  // the answer's bindings are taken into the rows
    bool Write; // a failed write keeps its failure even where a walk would end
    bool Next;  // sent as GET-NEXT: the answer names the OIDs after those asked
    NxSNMPCompletionHandler Handler;
    void* Context;
    std::vector<SentRow> Rows; // the rows the sent bindings belong to
};

NxSNMPRequest::~NxSNMPRequest() {
    Enabled = false;
    const uint32_t start = SharedWaitActive ? SharedWaitStart : GetTickCount();
    while (Outstanding >= 1 && GetTickCount() - start < kCloseWaitMillis) {
        ProcessMessages();
        if (Outstanding >= 1 && GlobalSnmpSession) {
            // Destroyed from another completion, the pump is on the stack and stopped: take this
            // request's own answers here, and no one else's.
            GlobalSnmpSession->receive_pending();
            const std::vector<CallbackRecord*> owed = Pending_;
            for (CallbackRecord* record : owed)
                GlobalSnmpSession->deliver(record);
        }
        if (Outstanding >= 1)
            Sleep(1);
    }
    // Answers later than the wait must never find this request.
    for (CallbackRecord* record : Pending_) {
        if (GlobalSnmpSession)
            GlobalSnmpSession->cancel_all(record);
        delete record;
    }
    Pending_.clear();
}

void NxSNMPRequest::GetAsync(NxSNMPCompletionHandler handler, void* context, bool first) {
    if (!Enabled)
        return;
    ClearResult();
    BuildTargets();
    Pdu pdu;
    BuildPdu(first ? ReadFirst : ReadNext, pdu);
    const uint8_t type = ReadType();
    if (type == 0) {
        FailAsync(NXSNMP_BAD_ITEM_TYPE, SnmpMessage(NXSNMP_BAD_ITEM_TYPE), handler, context);
        return;
    }
    SendAsync(type, pdu, handler, context, true);
}

void NxSNMPRequest::SetAsync(NxSNMPCompletionHandler handler, void* context, bool readBack,
                             const std::string& rowList, const std::vector<std::string>* values) {
    if (!Enabled)
        return;
    ClearResult();
    Pdu pdu;
    BuildWrite(pdu, rowList, values);
    SendAsync(PduType::SetRequest, pdu, handler, context, readBack);
}

void NxSNMPRequest::SendAsync(uint8_t type, Pdu& pdu, NxSNMPCompletionHandler handler, void* context,
                              bool read) {
    Snmp& session = Session();
    SnmpTarget& target = Security.Version == version3 ? static_cast<SnmpTarget&>(*UserTarget_)
                                                      : static_cast<SnmpTarget&>(*CommunityTarget_);
    auto* record = new CallbackRecord{this,
                                      read,
                                      type == PduType::SetRequest,
                                      type == PduType::GetNextRequest,
                                      handler,
                                      context,
                                      std::move(Sent_)};
    // Counted before the send so that a completion can never find the count short.
    Pending_.push_back(record);
    ++Outstanding;
    int status;
    if (type == PduType::GetRequest)
        status = session.get(pdu, target, SnmpCallback, record);
    else if (type == PduType::GetNextRequest)
        status = session.get_next(pdu, target, SnmpCallback, record);
    else
        status = session.set(pdu, target, SnmpCallback, record);
    if (status == SnmpStatus::Success)
        return;
    // Nothing went out: no answer will come, so nobody may wait for one.
    Pending_.erase(std::remove(Pending_.begin(), Pending_.end(), record), Pending_.end());
    delete record;
    --Outstanding;
    int32_t code = 0;
    std::string message;
    MapSnmpStatus(status, code, message);
    FailAsync(code, message, handler, context);
}

void NxSNMPRequest::FailUnsent(int32_t code, const std::string& message, NxSNMPCompletionHandler handler,
                               void* context) {
    ClearResult();
    FailAsync(code, message, handler, context);
}

void NxSNMPRequest::FailAsync(int32_t code, const std::string& message, NxSNMPCompletionHandler handler,
                              void* context) {
    Report(code, message, 0);
    if (!handler)
        return;
    // The caller learns the end from the event loop, as of any other completion.
    NxSNMPError result = Result;
    result.EndOfWalk = 1;
    std::weak_ptr<bool> alive = Alive_;
    QTimer::singleShot(0, [this, alive, handler, context, result]() {
        if (alive.expired())
            return;
        Result = result;
        try {
            handler(context, &Result, &VarList);
        } catch (...) {
        }
    });
}

void SnmpCallback(int reason, Snmp*, Pdu& pdu, SnmpTarget& target, void* data) {
    auto* record = static_cast<NxSNMPRequest::CallbackRecord*>(data);
    record->Request->OnAsyncResponse(reason, pdu, target, record);
}

void NxSNMPRequest::OnAsyncResponse(int reason, Pdu& pdu, SnmpTarget& target, CallbackRecord* record) {
    // Detached first: the handler may destroy this request, which must not wait for this answer.
    const CallbackRecord taken = *record;
    Pending_.erase(std::remove(Pending_.begin(), Pending_.end(), record), Pending_.end());
    delete record;
    --Outstanding;
    if (reason == SnmpStatus::SessionClosing)
        return;

    ClearResult();
    MapSnmpStatus(reason == SnmpStatus::Timeout ? SnmpStatus::Timeout : pdu.get_error_status(), Result.Code,
                  Result.Message);
    Result.ErrorIndex = pdu.get_error_index();
    const std::string from = target.get_address().get_printable();
    const size_t slash = from.find('/');
    Result.Device.Address = from.substr(0, slash);
    Result.Device.Port = slash == std::string::npos
                             ? 0
                             : static_cast<uint16_t>(std::strtoul(from.c_str() + slash + 1, nullptr, 10));

    // An answer that leaves out bindings is no success, of a write either; nor is a write's answer
    // at other objects or in another order.
    if (Result.Code == NXSNMP_OK &&
        (static_cast<size_t>(pdu.get_vb_count()) < taken.Rows.size() ||
         (taken.Write && AnswerFault(pdu, taken.Rows, NXSNMP_OK, false) != NXSNMP_OK))) {
        Result.Code = SNMP_CLASS_INVALID_PDU;
        Result.Message = SnmpMessage(Result.Code);
    }
    const bool table = IsTable(VarList.ItemType);
    try {
        if ((Result.Code == NXSNMP_OK && taken.Read) ||
            (Result.Code == SNMP_ERR_NO_SUCH_NAME && table && !taken.Write)) {
            const int32_t answered = Result.Code;
            const Taken outcome = TakeAnswer(pdu, taken.Rows, Result.Code, true, taken.Next);
            if (outcome == Taken::WalkEnded)
                Result.Code = NXSNMP_OK;
            if (Result.Code != answered) {
                Result.Message = SnmpMessage(Result.Code);
                Result.ErrorIndex = 0;
            }
            if (outcome == Taken::WalkEnded || outcome == Taken::Failed) {
                Result.EndOfWalk = 1;
            } else if (outcome == Taken::NoSuchName) {
                Result.EndOfWalk = 1;
            } else {
                FinishRead(false);
                if (!table)
                    Result.EndOfWalk = 1;
            }
        } else {
            Result.EndOfWalk = 1;
        }
    } catch (const std::exception& failure) {
        // Raised while taking the answer: the caller still hears of the end, as a failure also
        // when the exception carries no library code (a text that did not convert).
        const auto* raised = dynamic_cast<const Exception*>(&failure);
        Result.Code = raised && raised->HelpContext != NXSNMP_OK ? raised->HelpContext : NXSNMP_BAD_SYNTAX;
        Result.Message = raised ? raised->Message : failure.what();
        Result.EndOfWalk = 1;
    }
    if (taken.Handler)
        taken.Handler(taken.Context, &Result, &VarList);
}
