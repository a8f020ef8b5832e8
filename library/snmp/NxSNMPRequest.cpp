#include "library/snmp/NxSNMPRequest.h"

#include "library/common/NxNumList.h"
#include "library/snmp/NxSNMPSession.h"
#include "library/snmp/NxSNMPValue.h"
#include "library/snmp/NxSNMPVbValue.h"
#include "snmpengine/Pdu.h"
#include "snmpengine/Snmp.h"
#include "snmpengine/SnmpStatus.h"
#include "snmpengine/Target.h"
#include "snmpengine/Usm.h"

#include <algorithm>
#include <charconv>

namespace {

constexpr const char* kNotDone = "(NOTDONE)";
const std::string kInstanceZero = ".0";
const std::string kNoTail;

// The flags and values that a write changes for one send.
struct SavedRow {
    uint32_t Access;
    std::string Value;
};

std::vector<SavedRow> SaveRows(const NxSNMPVarList& list) {
    std::vector<SavedRow> saved;
    saved.reserve(static_cast<size_t>(list.RowCount()));
    for (int i = 0; i < list.RowCount(); ++i)
        saved.push_back({list.GetRow(i)->Access, *list.GetRow(i)->Value});
    return saved;
}

void RestoreRows(NxSNMPVarList& list, const std::vector<SavedRow>& saved) {
    for (int i = 0; i < list.RowCount() && static_cast<size_t>(i) < saved.size(); ++i) {
        list.GetRow(i)->Access = saved[static_cast<size_t>(i)].Access;
        *list.GetRow(i)->Value = saved[static_cast<size_t>(i)].Value;
    }
}

// Puts the list back however the write ends, also when building it raised.
class RowRestorer {
  public:
    explicit RowRestorer(NxSNMPVarList& list) : List_(list), Saved_(SaveRows(list)) {}
    ~RowRestorer() { Restore(); }
    RowRestorer(const RowRestorer&) = delete;
    RowRestorer& operator=(const RowRestorer&) = delete;
    void Restore() {
        if (!Done_)
            RestoreRows(List_, Saved_);
        Done_ = true;
    }

  private:
    NxSNMPVarList& List_;
    std::vector<SavedRow> Saved_;
    bool Done_ = false;
};

// True when the answer's only exceptions are endOfMibView.
bool EndsOnlyTheView(const Pdu& pdu) {
    bool any = false;
    for (int k = 0; k < pdu.get_vb_count(); ++k) {
        const uint8_t syntax = pdu.get_vb(k).get_syntax();
        if (syntax == VbSyntax::NoSuchObject || syntax == VbSyntax::NoSuchInstance)
            return false;
        any = any || syntax == VbSyntax::EndOfMibView;
    }
    return any;
}

} // namespace

bool NxSNMPRequest::IsTable(uint8_t itemType) {
    return itemType == MVT_FMV || itemType == MVT_UMV;
}

Snmp& NxSNMPRequest::Session() {
    if (!GlobalSnmpSession)
        RaiseSnmpError(NXSNMP_NO_SESSION);
    return *GlobalSnmpSession;
}

NxSNMPRequest::NxSNMPRequest() : Alive_(std::make_shared<bool>(true)) {
    LoadDefaults();
    ClearResult();
}

void NxSNMPRequest::LoadDefaults() {
    Device = DefaultSNMPDevice;
    Scope = DefaultSNMPScope;
    Security = DefaultSNMPSecurity;
    TimeOut = DefaultSNMPTimeout;
}

void NxSNMPRequest::ClearResult() {
    Result = NxSNMPError{};
    Result.Message = SnmpMessage(NXSNMP_OK);
    Result.ErrorCount = ErrorCount;
}

void NxSNMPRequest::Report(int32_t code, const std::string& message, int32_t errorIndex) {
    ++ErrorCount;
    Result.Code = code;
    Result.Message = message;
    Result.ErrorIndex = errorIndex;
    Result.ErrorCount = ErrorCount;
    if (OnResult)
        OnResult(&Result);
}

namespace {
bool SameSecurity(const NxSNMPSecurity& a, const NxSNMPSecurity& b) {
    return a.Version == b.Version && a.ReadCommunity == b.ReadCommunity &&
           a.WriteCommunity == b.WriteCommunity && a.SecurityModel == b.SecurityModel &&
           a.SecurityLevel == b.SecurityLevel && a.SecurityName == b.SecurityName &&
           a.AuthPassword == b.AuthPassword && a.PrivPassword == b.PrivPassword &&
           a.AuthProtocol == b.AuthProtocol && a.PrivProtocol == b.PrivProtocol;
}
} // namespace

SnmpTarget& NxSNMPRequest::BuildTargets() {
    const uint32_t timeOut = SNMPTimeoutLimit != 0 && TimeOut > SNMPTimeoutLimit ? SNMPTimeoutLimit : TimeOut;
    if (Built_ && Built_->Device.Address == Device.Address && Built_->Device.Port == Device.Port &&
        Built_->Retries == Retries && Built_->TimeOut == timeOut &&
        SameSecurity(Built_->Security, Security)) {
        if (Security.Version != version3)
            return *CommunityTarget_;
        // The user may have been registered again meanwhile; this registration counts.
        usmAddUserName(Security.SecurityName, Security.AuthProtocol, Security.PrivProtocol,
                       Security.AuthPassword, Security.PrivPassword);
        return *UserTarget_;
    }
    Built_.reset();
    const UdpAddress address(IpAddress(Device.Address), Device.Port);
    if (!address.valid())
        RaiseSnmpError(NXSNMP_BAD_ADDRESS);
    if (Security.Version == version3) {
        UserTarget_ =
            std::make_unique<UTarget>(address, OctetStr(Security.SecurityName), Security.SecurityModel);
        UserTarget_->set_version(version3);
        UserTarget_->set_retry(Retries);
        UserTarget_->set_timeout(timeOut);
        usmAddUserName(Security.SecurityName, Security.AuthProtocol, Security.PrivProtocol,
                       Security.AuthPassword, Security.PrivPassword);
        Built_ = std::make_unique<TargetInputs>(TargetInputs{Device, Security, Retries, timeOut});
        return *UserTarget_;
    }
    CommunityTarget_ = std::make_unique<CTarget>(address, OctetStr(Security.ReadCommunity),
                                                 OctetStr(Security.WriteCommunity));
    CommunityTarget_->set_version(static_cast<SnmpVersion>(Security.Version));
    CommunityTarget_->set_retry(Retries);
    CommunityTarget_->set_timeout(timeOut);
    Built_ = std::make_unique<TargetInputs>(TargetInputs{Device, Security, Retries, timeOut});
    return *CommunityTarget_;
}

const std::shared_ptr<const std::string>& NxSNMPRequest::ColumnOf(int row) {
    if (Columns_.size() != static_cast<size_t>(VarList.RowCount()) || ColumnsBase_ != VarList.BaseOID) {
        Columns_.assign(static_cast<size_t>(VarList.RowCount()), ColumnText{});
        ColumnsBase_ = VarList.BaseOID;
    }
    ColumnText& cached = Columns_[static_cast<size_t>(row)];
    const char* source = VarList.GetRow(row)->OID;
    if (!cached.Text || cached.Source != source) {
        cached.Source = source;
        cached.Text = std::make_shared<const std::string>(VarList.ColumnOID(row));
    }
    return cached.Text;
}

const std::vector<uint32_t>*
NxSNMPRequest::CanonicalColumnIds(int row, const std::shared_ptr<const std::string>& column) {
    if (ColumnIds_.size() < static_cast<size_t>(VarList.RowCount()))
        ColumnIds_.resize(static_cast<size_t>(VarList.RowCount()));
    ColumnIds& cached = ColumnIds_[static_cast<size_t>(row)];
    if (cached.Text != column) {
        const Oid parsed(*column);
        cached.Text = column;
        cached.Canonical = parsed.valid() && parsed.len() > 0 && parsed.get_printable() == *column;
        cached.Ids = cached.Canonical ? parsed.ids() : std::vector<uint32_t>{};
    }
    return cached.Canonical ? &cached.Ids : nullptr;
}

void NxSNMPRequest::PrintAnswered(int row, const std::shared_ptr<const std::string>& column,
                                  const Oid& answered, std::string& text) {
    const std::vector<uint32_t>* head = CanonicalColumnIds(row, column);
    const std::vector<uint32_t>& ids = answered.ids();
    if (!head || ids.size() <= head->size() || !std::equal(head->begin(), head->end(), ids.begin())) {
        answered.get_printable(text);
        return;
    }
    // The column's own text is what printing its sub-identifiers gives: only the index is printed.
    const size_t tail = ids.size() - head->size();
    text.resize(column->size() + tail * 11);
    char* at = text.data();
    char* const end = at + text.size();
    at = std::copy(column->begin(), column->end(), at);
    for (size_t i = head->size(); i < ids.size(); ++i) {
        *at++ = '.';
        at = std::to_chars(at, end, ids[i]).ptr;
    }
    text.resize(static_cast<size_t>(at - text.data()));
}

void NxSNMPRequest::BuildPdu(int mode, Pdu& pdu) {
    pdu.set_security_level(Security.SecurityLevel);
    pdu.set_context_name(OctetStr(Scope.ContextName));
    pdu.set_context_engine_id(OctetStr(Scope.ContextEngineID));
    Sent_.clear();
    std::vector<Vb>& vbs = pdu.vbs();
    vbs.reserve(static_cast<size_t>(VarList.RowCount()));
    size_t used = 0;
    const uint8_t itemType = VarList.ItemType;
    std::string index; // of the table row written, built once
    for (int i = 0; i < VarList.RowCount(); ++i) {
        VarDef& row = *VarList.GetRow(i);
        if (mode == Write) {
            if ((IsTable(itemType) && i < VarList.KeyCount) || !VarList.IsSettable(i))
                continue;
        } else if (!VarList.IsReadable(i)) {
            continue;
        }
        const std::shared_ptr<const std::string>& column = ColumnOf(i);
        // A binding left from the last read is overwritten as a new one would be filled.
        if (used == vbs.size())
            vbs.emplace_back();
        Vb& vb = vbs[used++];
        vb.set_null();
        if (mode == Write) {
            if (itemType == SVT_SV)
                SetVbOid(vb, i, *column, kInstanceZero);
            else if (itemType == MVT_SV)
                SetVbOid(vb, i, *column, kNoTail);
            else if (IsTable(itemType)) {
                if (index.empty())
                    index = "." + BuildIndexSuffix();
                SetVbOid(vb, i, *column, index);
            } else
                RaiseSnmpError(NXSNMP_BAD_ITEM_TYPE);
            StringToVb(i, vb);
        } else if (mode == ReadFirst) {
            row.Cursor->clear();
            SetVbOid(vb, i, *column, itemType == SVT_SV ? kInstanceZero : kNoTail);
        } else {
            if (itemType == SVT_SV || itemType == MVT_SV)
                RaiseSnmpError(NXSNMP_GETNEXT_SINGLE);
            SetVbOid(vb, i, *row.Cursor, kNoTail);
        }
        Sent_.push_back({i, column});
    }
    vbs.resize(used);
}

void NxSNMPRequest::SetVbOid(Vb& vb, int row, const std::string& head, const std::string& tail) {
    if (OidCache_.size() < static_cast<size_t>(VarList.RowCount()))
        OidCache_.resize(static_cast<size_t>(VarList.RowCount()));
    auto& slot = OidCache_[static_cast<size_t>(row)];
    const bool same = !slot.second.empty() && slot.first.size() == head.size() + tail.size() &&
                      slot.first.compare(0, head.size(), head) == 0 &&
                      slot.first.compare(head.size(), std::string::npos, tail) == 0;
    if (!same) {
        std::string text = head + tail;
        const Oid parsed(text);
        if (!parsed.valid() || parsed.len() == 0) {
            slot = {};
            vb.set_oid(parsed); // the engine refuses it as it stands
            return;
        }
        slot.second = parsed.ids();
        slot.first = std::move(text);
    }
    vb.set_oid(slot.second.data(), slot.second.size());
}

uint8_t NxSNMPRequest::ReadType() const {
    switch (VarList.ItemType) {
    case SVT_SV:
        return PduType::GetRequest;
    case MVT_SV:
        return GetNext ? PduType::GetNextRequest : PduType::GetRequest;
    case MVT_FMV:
    case MVT_UMV:
        return PduType::GetNextRequest;
    default:
        return 0;
    }
}

int32_t NxSNMPRequest::AnswerFault(const Pdu& pdu, const std::vector<SentRow>& rows, int32_t code,
                                   bool walkStep) {
    if (code != NXSNMP_OK && code != SNMP_ERR_NO_SUCH_NAME)
        return NXSNMP_OK; // a failure already, whatever the bindings
    if (static_cast<size_t>(pdu.get_vb_count()) < rows.size())
        return SNMP_CLASS_INVALID_PDU;
    if (!walkStep && code == NXSNMP_OK) {
        // A GET or SET is answered at the OIDs asked, in their order: a value at another OID or
        // position belongs to no row.
        for (size_t k = 0; k < rows.size(); ++k) {
            const size_t i = static_cast<size_t>(rows[k].Row);
            if (i >= OidCache_.size() ||
                OidCache_[i].second != pdu.get_vb(static_cast<int>(k)).get_oid().ids())
                return SNMP_CLASS_INVALID_PDU;
        }
        return NXSNMP_OK;
    }
    if (!walkStep || code != NXSNMP_OK || !IsTable(VarList.ItemType))
        return NXSNMP_OK;
    std::vector<uint32_t> parsed;
    for (size_t k = 0; k < rows.size(); ++k) {
        const int i = rows[k].Row;
        const Vb& vb = pdu.get_vb(static_cast<int>(k));
        if (i >= VarList.RowCount() || vb.is_exception())
            continue; // endOfMibView names the OID asked for
        // A walk step asks for the cursor, the first one for the column.
        const std::string& cursor = *VarList.GetRow(i)->Cursor;
        const std::string& asked = cursor.empty() ? *rows[k].Column : cursor;
        const std::vector<uint32_t>* askedIds = nullptr;
        if (static_cast<size_t>(i) < OidCache_.size() && !OidCache_[static_cast<size_t>(i)].second.empty() &&
            OidCache_[static_cast<size_t>(i)].first == asked) {
            askedIds = &OidCache_[static_cast<size_t>(i)].second;
        } else {
            parsed = Oid(asked).ids();
            askedIds = &parsed;
        }
        const std::vector<uint32_t>& answered = vb.get_oid().ids();
        if (!std::lexicographical_compare(askedIds->begin(), askedIds->end(), answered.begin(),
                                          answered.end()))
            return SNMP_CLASS_INVALID_PDU;
    }
    return NXSNMP_OK;
}

NxSNMPRequest::Taken NxSNMPRequest::TakeAnswer(const Pdu& pdu, const std::vector<SentRow>& rows,
                                               int32_t& code, bool async, bool walkStep) {
    const bool table = IsTable(VarList.ItemType);
    const size_t count = std::min(rows.size(), static_cast<size_t>(pdu.get_vb_count()));
    // An SNMPv2 answer ends a column with endOfMibView on that binding alone: the column is done,
    // and the answer is no failure, as under SNMPv1.
    if (table && code == SNMP_ERR_NO_SUCH_NAME && EndsOnlyTheView(pdu))
        code = NXSNMP_OK;
    // Such an answer fills no row: the rows keep what they held and the read is no success.
    if (const int32_t fault = AnswerFault(pdu, rows, code, walkStep)) {
        code = fault;
        if (!async)
            Report(fault, SnmpMessage(fault), 0);
        return Taken::Failed;
    }
    using Answer = AnswerText;
    // The last answer's texts lend their storage: a walk step then prints without allocating.
    std::vector<Answer> answers;
    answers.swap(Answers_);
    struct GiveBack {
        std::vector<Answer>& taken;
        std::vector<Answer>& owner;
        ~GiveBack() { owner.swap(taken); }
    } giveBack{answers, Answers_};
    answers.resize(count);
    // The table row being read is the first one in index order that any column answered from;
    // a column answering from a later row has no entry in this one.
    WalkIndex_.clear();
    const Answer* lowest = nullptr;
    size_t lowestLength = 0; // sub-identifiers of lowest's column
    for (size_t k = 0; k < count; ++k) {
        const int i = rows[k].Row;
        Answer& a = answers[k];
        a.Column = nullptr;
        a.Oid = nullptr;
        a.InColumn = false;
        if (i >= VarList.RowCount())
            continue;
        a.Column = rows[k].Column.get();
        // An answer at the OID asked for (every GET) needs no printing.
        const Oid& answered = pdu.get_vb(static_cast<int>(k)).get_oid();
        const bool asked = static_cast<size_t>(i) < OidCache_.size() &&
                           OidCache_[static_cast<size_t>(i)].second == answered.ids();
        if (asked) {
            a.Oid = &OidCache_[static_cast<size_t>(i)].first;
        } else {
            PrintAnswered(i, rows[k].Column, answered, a.Printed);
            a.Oid = &a.Printed;
        }
        a.InColumn = pdu.get_vb(static_cast<int>(k)).get_syntax() != VbSyntax::EndOfMibView &&
                     !IsOutOfColumn(*a.Column, *a.Oid, *VarList.GetRow(i)->Cursor);
        if (!table || !a.InColumn)
            continue;
        // Index order is the order of the sub-identifiers after the column's.
        const std::vector<uint32_t>* head = CanonicalColumnIds(i, rows[k].Column);
        const size_t length =
            head ? head->size()
                 : static_cast<size_t>(std::count(a.Column->begin(), a.Column->end(), '.')) + 1;
        const auto& ids = pdu.get_vb(static_cast<int>(k)).get_oid().ids();
        if (lowest) {
            const auto& best = pdu.get_vb(static_cast<int>(lowest - answers.data())).get_oid().ids();
            if (!std::lexicographical_compare(ids.begin() + static_cast<long>(length), ids.end(),
                                              best.begin() + static_cast<long>(lowestLength), best.end()))
                continue;
        }
        lowest = &a;
        lowestLength = length;
    }
    if (lowest)
        WalkIndex_ = lowest->Oid->substr(lowest->Column->size() + 1);
    if (code == NXSNMP_OK)
        if (const size_t unfit = FirstUnfit(pdu, rows, answers)) {
            // A value the row cannot hold is never taken as another: no row takes this answer.
            code = NXSNMP_BAD_SYNTAX;
            if (!async)
                Report(code, SnmpMessage(code), static_cast<int32_t>(unfit));
            return Taken::Failed;
        }

    bool anyDone = false;
    bool reported = false;
    for (size_t k = 0; k < count; ++k) {
        const int i = rows[k].Row;
        if (i >= VarList.RowCount())
            continue;
        VarDef& row = *VarList.GetRow(i);
        const Answer& a = answers[k];
        if (code == SNMP_ERR_NO_SUCH_NAME && table) {
            if (*row.Cursor == *a.Oid)
                return Taken::WalkEnded;
            if (async)
                return Taken::NoSuchName;
            if (!reported)
                Report(code, SnmpMessage(code), pdu.get_error_index());
            reported = true;
        }
        if (!a.InColumn ||
            (table && a.Oid->compare(a.Column->size() + 1, std::string::npos, WalkIndex_) != 0)) {
            *row.Value = kNotDone;
            *row.Cursor = *a.Column + "." + (WalkIndex_.empty() ? BuildIndexSuffix() : WalkIndex_);
        } else {
            VbToString(i, pdu.get_vb(static_cast<int>(k)));
            *row.Cursor = *a.Oid;
            // The next step asks for the cursor: its sub-identifiers are at hand.
            if (a.Oid == &a.Printed && static_cast<size_t>(i) < OidCache_.size()) {
                auto& slot = OidCache_[static_cast<size_t>(i)];
                const auto& ids = pdu.get_vb(static_cast<int>(k)).get_oid().ids();
                slot.first.swap(answers[k].Printed);
                slot.second.assign(ids.begin(), ids.end());
            }
            anyDone = true;
        }
    }
    return anyDone ? Taken::Row : Taken::WalkEnded;
}

size_t NxSNMPRequest::FirstUnfit(const Pdu& pdu, const std::vector<SentRow>& rows,
                                 const std::vector<AnswerText>& answers) const {
    const bool table = IsTable(VarList.ItemType);
    for (size_t k = 0; k < answers.size(); ++k) {
        const AnswerText& a = answers[k];
        if (!a.Column || !a.InColumn ||
            (table && a.Oid->compare(a.Column->size() + 1, std::string::npos, WalkIndex_) != 0))
            continue; // not taken: the row has no entry here
        const Vb& vb = pdu.get_vb(static_cast<int>(k));
        if (!AnswerFits(VarList.GetRow(rows[k].Row)->Syntax, ValueOfVb(vb)))
            return k + 1;
    }
    return 0;
}

bool NxSNMPRequest::FinishRead(bool ended) {
    if (ended)
        return false;
    const bool table = IsTable(VarList.ItemType);
    if (table)
        SetKeysFromIndex(WalkIndex_);
    for (int i = 0; i < VarList.RowCount(); ++i)
        ApplyExpression(i, true);
    return table;
}

bool NxSNMPRequest::Get(bool& ok, bool first) {
    ClearResult();
    if (!Enabled) {
        ok = false;
        return false;
    }
    SnmpTarget& target = BuildTargets();
    Pdu pdu;
    pdu.vbs().swap(ReadVbs_);
    BuildPdu(first ? ReadFirst : ReadNext, pdu);
    const uint8_t type = ReadType();
    if (type == 0) {
        ok = false;
        Report(NXSNMP_BAD_ITEM_TYPE, SnmpMessage(NXSNMP_BAD_ITEM_TYPE), 0);
        return false;
    }
    Snmp& session = Session();
    const int status = type == PduType::GetRequest ? session.get(pdu, target) : session.get_next(pdu, target);
    int32_t code = 0;
    std::string message;
    MapSnmpStatus(status, code, message);
    if (code != NXSNMP_OK && !(code == SNMP_ERR_NO_SUCH_NAME && IsTable(VarList.ItemType))) {
        ok = false;
        Report(code, message, pdu.get_error_index());
    }
    std::vector<SentRow> rows = std::move(Sent_);
    const size_t before = static_cast<size_t>(ErrorCount);
    const Taken taken = TakeAnswer(pdu, rows, code, false, type == PduType::GetNextRequest);
    if (static_cast<size_t>(ErrorCount) != before)
        ok = false;
    // The storage serves the next read, unless a hook has built another PDU meanwhile.
    rows.clear();
    if (Sent_.empty())
        Sent_.swap(rows);
    ReadVbs_.swap(pdu.vbs());
    return FinishRead(taken != Taken::Row);
}

SnmpTarget& NxSNMPRequest::BuildWrite(Pdu& pdu, const std::string& rowList,
                                      const std::vector<std::string>* values) {
    RowRestorer restorer(VarList);
    if (!rowList.empty()) {
        NxNumList<int> listed;
        listed.Separator = ',';
        listed.Parse(rowList.c_str());
        for (int i = 0; i < VarList.RowCount(); ++i) {
            VarDef& row = *VarList.GetRow(i);
            const int p = listed.IndexOf(i);
            if (p < 0) {
                row.Access |= ACC_INVALID;
                continue;
            }
            row.Access &= ~static_cast<uint32_t>(ACC_INVALID);
            if (values && static_cast<size_t>(p) < values->size())
                *row.Value = (*values)[static_cast<size_t>(p)];
        }
    }
    for (int i = 0; i < VarList.RowCount(); ++i)
        ApplyExpression(i, false);
    SnmpTarget& target = BuildTargets();
    BuildPdu(Write, pdu);
    return target;
}

bool NxSNMPRequest::Set(bool& ok, bool readBack, const std::string& rowList,
                        const std::vector<std::string>* values) {
    ClearResult();
    if (!Enabled) {
        ok = false;
        return false;
    }
    Pdu pdu;
    SnmpTarget& target = BuildWrite(pdu, rowList, values);
    const std::vector<SentRow> rows = std::move(Sent_);
    const int status = Session().set(pdu, target);
    int32_t code = 0;
    std::string message;
    MapSnmpStatus(status, code, message);
    if (code != NXSNMP_OK) {
        ok = false;
        Report(code, message, pdu.get_error_index());
    } else if (AnswerFault(pdu, rows, code, false) != NXSNMP_OK) {
        // An answer that leaves out bindings, or names other objects or another order, does not
        // tell that what was sent was taken.
        ok = false;
        Report(SNMP_CLASS_INVALID_PDU, SnmpMessage(SNMP_CLASS_INVALID_PDU), 0);
        return false;
    }
    if (!readBack)
        return false;
    const Taken taken = TakeAnswer(pdu, rows, code, false, false);
    return FinishRead(taken != Taken::Row);
}

bool NxSNMPRequest::TestCondition(const std::string& condition) {
    return EvaluateCondition(condition);
}

bool NxSNMPRequest::TestOwnCondition() {
    return EvaluateCondition(Condition);
}

void NxSNMPRequest::SetKeysFromIndex(const std::string& suffix) {
    std::string rest = suffix;
    for (int i = 0; i < VarList.KeyCount; ++i) {
        if (rest.empty())
            RaiseSnmpError(NXSNMP_BAD_KEY_COUNT);
        if (!VarList.IsReadable(i))
            *VarList.GetRow(i)->Cursor = VarList.ColumnOID(i) + "." + suffix;
        rest = DecodeIndex(i, rest);
    }
}

std::string NxSNMPRequest::BuildIndexSuffix() {
    std::string suffix;
    for (int i = 0; i < VarList.KeyCount; ++i) {
        if (i > 0)
            suffix += ".";
        suffix += EncodeIndex(i);
    }
    return suffix;
}
