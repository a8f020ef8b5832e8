#pragma once
// One SNMP operation set over one variable list: GET of single values, a table walk with GET-NEXT
// one table row per step, and SET, each blocking or asynchronous through the global session.
#include "library/snmp/NxSNMPDevice.h"
#include "library/snmp/NxSNMPSettings.h"
#include "library/snmp/NxSNMPStatus.h"
#include "library/snmp/NxSNMPVarList.h"

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class Oid;
class Vb;
class Pdu;
class Snmp;
class SnmpTarget;
class CTarget;
class UTarget;

// Called on each failure that a request reports (blocking or at send time).
using NxSNMPResultCallback = void (*)(NxSNMPError* result);
// Called from the event pump when an asynchronous operation has ended (also when its send failed).
using NxSNMPCompletionHandler = void (*)(void* context, NxSNMPError* result, NxSNMPVarList* list);

// While one lives, the requests destroyed share one wait for their answers: the 6000 ms run from
// its start, not from each destructor's, so a form with many requests out closes within one wait.
// One made while another lives shares the outer one's start.
class NxSNMPSharedCloseWait {
  public:
    static constexpr uint32_t kWaitMillis = 6000;
    NxSNMPSharedCloseWait();
    // The wait runs from `start` (a tick count): a close that was held for a while waits the rest.
    explicit NxSNMPSharedCloseWait(uint32_t start);
    ~NxSNMPSharedCloseWait();
    NxSNMPSharedCloseWait(const NxSNMPSharedCloseWait&) = delete;
    NxSNMPSharedCloseWait& operator=(const NxSNMPSharedCloseWait&) = delete;

  private:
    bool OuterActive_;
    uint32_t OuterStart_;
};

class NxSNMPRequest {
  public:
    NxSNMPRequest();
    // Disables the request, waits up to 6000 ms (processing messages) for outstanding answers,
    // then drops whatever is still owed so that no late answer reaches it.
    virtual ~NxSNMPRequest();
    NxSNMPRequest(const NxSNMPRequest&) = delete;
    NxSNMPRequest& operator=(const NxSNMPRequest&) = delete;

    NxSNMPResultCallback OnResult = nullptr;
    bool GetNext = false;   // item type 1 reads with GET-NEXT
    uint32_t TimeOut = 100; // hundredths of a second
    static constexpr int32_t kDefaultRetries = 1;
    int32_t Retries = kDefaultRetries;
    NxSNMPDevice Device;
    NxSNMPScope Scope;
    NxSNMPSecurity Security;
    NxSNMPVarList VarList;
    std::string Condition;   // tested on each answer by the controls driver
    bool Enabled = true;     // cleared only by the destructor
    int32_t Outstanding = 0; // asynchronous sends not yet completed
    int64_t ErrorCount = 0;  // failures reported so far
    NxSNMPError Result;      // the record handed to callbacks and completion handlers

    // Copies the default device, scope, security and time-out (not the retries).
    void LoadDefaults();

    // Blocking read (first: from the start) or one walk step. True when a table walk delivered a
    // row and may go on. ok is cleared on failure and left alone otherwise.
    bool Get(bool& ok, bool first);
    void GetAsync(NxSNMPCompletionHandler handler, void* context, bool first);
    // Blocking write of the rows in rowList ("," separated row numbers; empty: every settable
    // row), the p-th listed row taking values[p] when values is given. Rows keep their old
    // values and flags afterwards. True only when a read-back of a table delivered a row.
    bool Set(bool& ok, bool readBack, const std::string& rowList, const std::vector<std::string>* values);
    void SetAsync(NxSNMPCompletionHandler handler, void* context, bool readBack, const std::string& rowList,
                  const std::vector<std::string>* values);
    // Ends an operation that sent nothing with a failure: the result holds code and message; a
    // handler, when given, learns it from the event loop as of any other completion.
    void FailUnsent(int32_t code, const std::string& message, NxSNMPCompletionHandler handler = nullptr,
                    void* context = nullptr);

    bool TestCondition(const std::string& condition);
    bool TestOwnCondition();

    // Conversions, index coding and expression hooks; a subclass may replace any of them.
    virtual std::string ExpandTemplate(const std::string& marker, bool quote, const std::string& text);
    virtual std::string DecodeIndex(int row, const std::string& suffix);
    virtual std::string EncodeIndex(int row);
    virtual void VbToString(int row, const Vb& vb);
    virtual void StringToVb(int row, Vb& vb);
    virtual void ApplyExpression(int row, bool afterGet);
    virtual bool EvaluateCondition(const std::string& condition);
    virtual bool IsOutOfColumn(const std::string& column, const std::string& answered,
                               const std::string& cursor);

  protected:
    enum PduMode { ReadFirst = 0, ReadNext = 1, Write = 2 };
    // The target to send to: a user target for version 3, a community target otherwise.
    SnmpTarget& BuildTargets();
    void BuildPdu(int mode, Pdu& pdu);
    void SetKeysFromIndex(const std::string& suffix);
    std::string BuildIndexSuffix();

  private:
    struct CallbackRecord;
    struct SentRow {
        int Row;
        std::shared_ptr<const std::string> Column; // the row's column OID when the PDU was built
    };
    friend void SnmpCallback(int reason, Snmp* session, Pdu& pdu, SnmpTarget& target, void* data);
    // Outcome of taking an answer's bindings into the rows.
    // Failed: the answer does not answer the request (code is set; blocking calls report it).
    enum class Taken { Row, WalkEnded, NoSuchName, Failed };

    static bool IsTable(uint8_t itemType);
    // The row's binding asks for head followed by tail.
    void SetVbOid(Vb& vb, int row, const std::string& head, const std::string& tail);
    static Snmp& Session(); // raises -506 while there is none
    void OnAsyncResponse(int reason, Pdu& pdu, SnmpTarget& target, CallbackRecord* record);
    void Report(int32_t code, const std::string& message, int32_t errorIndex);
    void ClearResult();
    // Clears code when the answer's failure only ended the walk of some columns.
    // walkStep: the answer is to a GET-NEXT, so each answered OID of a walk must follow the one
    // asked; otherwise each must be the one asked. Failed with NXSNMP_BAD_SYNTAX when a row would
    // take a value it cannot hold.
    Taken TakeAnswer(const Pdu& pdu, const std::vector<SentRow>& rows, int32_t& code, bool async,
                     bool walkStep);
    // SNMP_CLASS_INVALID_PDU for an answer with fewer bindings than were sent, a GET or SET answer
    // at other OIDs or in another order, or a walk step that did not go forward (an agent that
    // never leaves a column would walk for ever); else 0.
    int32_t AnswerFault(const Pdu& pdu, const std::vector<SentRow>& rows, int32_t code, bool walkStep);
    bool FinishRead(bool ended);
    // Marks and fills the rows of one write, builds its target and PDU, and puts the rows back.
    SnmpTarget& BuildWrite(Pdu& pdu, const std::string& rowList, const std::vector<std::string>* values);
    uint8_t ReadType() const; // 0 for an item type without a read
    void SendAsync(uint8_t type, Pdu& pdu, NxSNMPCompletionHandler handler, void* context, bool read);
    void FailAsync(int32_t code, const std::string& message, NxSNMPCompletionHandler handler, void* context);

    std::unique_ptr<CTarget> CommunityTarget_;
    std::unique_ptr<UTarget> UserTarget_;
    // What the targets were built from: unchanged settings reuse them.
    struct TargetInputs {
        NxSNMPDevice Device;
        NxSNMPSecurity Security;
        int32_t Retries = 0;
        uint32_t TimeOut = 0; // the one sent with, after SNMPTimeoutLimit
    };
    std::unique_ptr<TargetInputs> Built_;
    std::string WalkIndex_;     // index suffix of the table row being read
    std::vector<SentRow> Sent_; // the rows whose bindings the last PDU built holds, in order
    // One answered binding's texts while an answer is taken.
    struct AnswerText {
        const std::string* Column = nullptr;
        const std::string* Oid = nullptr; // the text asked for, or Printed
        std::string Printed;
        bool InColumn = false;
    };
    std::vector<AnswerText> Answers_; // storage kept from the last answer taken
    // The position (from 1) of the first binding whose value its row would take but cannot hold;
    // 0 when every one fits.
    size_t FirstUnfit(const Pdu& pdu, const std::vector<SentRow>& rows,
                      const std::vector<AnswerText>& answers) const;
    std::vector<Vb> ReadVbs_; // the last blocking read's bindings, reused by the next one
    // Per row: the last OID text a PDU asked for and its sub-identifiers, so that an unchanged
    // text is not parsed again on every send.
    std::vector<std::pair<std::string, std::vector<uint32_t>>> OidCache_;
    // Per row: its column OID text, kept while the row's OID and the list's base stay.
    struct ColumnText {
        const char* Source = nullptr;
        std::shared_ptr<const std::string> Text;
    };
    std::vector<ColumnText> Columns_;
    std::string ColumnsBase_;
    const std::shared_ptr<const std::string>& ColumnOf(int row);
    // Per row: its column's sub-identifiers, when printing them gives the column text back; an
    // answer inside the column then prints only its index after that text.
    struct ColumnIds {
        std::shared_ptr<const std::string> Text;
        std::vector<uint32_t> Ids;
        bool Canonical = false;
    };
    std::vector<ColumnIds> ColumnIds_;
    const std::vector<uint32_t>* CanonicalColumnIds(int row,
                                                    const std::shared_ptr<const std::string>& column);
    void PrintAnswered(int row, const std::shared_ptr<const std::string>& column, const Oid& answered,
                       std::string& text);
    std::vector<CallbackRecord*> Pending_;
    std::shared_ptr<bool> Alive_; // lets a deferred completion see that the request is gone
};
