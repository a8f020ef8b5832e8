#include "snmpengine/Snmp.h"

#include "snmpengine/NetSnmpBridge.h"
#include "snmpengine/SnmpStatus.h"
#include "snmpengine/Usm.h"
#include "snmpengine/UsmUsers.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <algorithm>
#include <deque>
#include <map>
#include <sys/select.h>
#include <vector>

namespace {
constexpr size_t MaxEngineIdLength = 32;
constexpr size_t MinPassphraseLength = 8; // key generation refuses shorter pass phrases

// Net-SNMP may call back more than once for a request (a report, then its end); the callback's
// magic is therefore a request ID looked up here, never a pointer that could dangle.
std::map<unsigned long, struct Record*>& liveRecords() {
    static std::map<unsigned long, Record*> records;
    return records;
}
unsigned long lastRequestId = 0;

// The user key (Ku) of a pass phrase, hashed with the session's authentication protocol, for the
// privacy key as well.
// keyLength holds the room in key on entry and the key's length on return.
bool userKeyFrom(const netsnmp_session& settings, const std::string& passphrase, u_char* key,
                 size_t& keyLength) {
    return generate_Ku(settings.securityAuthProto, static_cast<u_int>(settings.securityAuthProtoLen),
                       reinterpret_cast<const u_char*>(passphrase.data()), passphrase.size(), key,
                       &keyLength) == SNMPERR_SUCCESS;
}

SnmpSocketWatch socketWatch = nullptr;
bool receiving = false; // inside receive_pending: the pump delivers what is queued

int socketOf(void* handle) {
    const netsnmp_transport* transport = snmp_sess_transport(handle);
    return transport ? transport->sock : -1;
}

void closeSession(void* handle) {
    if (socketWatch)
        socketWatch(socketOf(handle), false);
    snmp_sess_close(handle);
}

std::vector<Snmp*>& openSessions() {
    static std::vector<Snmp*> sessions;
    return sessions;
}

// One Net-SNMP session per agent and set of credentials: Net-SNMP keeps the peer, the version, the
// community or user keys, the discovered engine ID, retries and time-out per session.
struct NetSession {
    void* handle = nullptr;
    std::string key;
    std::string securityName; // SNMPv3 only
    uint64_t generation = 0;  // of the user's registration the keys came from
    bool stale = false;       // the user was registered again, or the agent must be found anew
    bool answered = false;    // an answer came through it
    int inFlight = 0;

    // An SNMPv3 agent that answered and then fails with a report or a time-out may have come back
    // with another engine ID (a reset or a replaced unit): the next request opens a new session,
    // which discovers the engine ID again. One that never answered is left alone, so a silent agent
    // is not probed once more for each failure.
    void Outcome(bool answer) {
        if (answer)
            answered = true;
        else if (answered && !securityName.empty())
            stale = true;
    }
};

struct Record {
    Snmp::Impl* owner = nullptr;
    NetSession* session = nullptr;
    unsigned long id = 0;
    Pdu request;
    std::unique_ptr<SnmpTarget> target;
    SnmpCompletion callback = nullptr;
    void* data = nullptr;
    bool cancelled = false;
};

struct Completion {
    unsigned long id = 0;
    int reason = 0;
    Pdu pdu;
    std::unique_ptr<SnmpTarget> target;
    SnmpCompletion callback = nullptr;
    void* data = nullptr;
};

int netSnmpCallback(int operation, netsnmp_session* session, int, netsnmp_pdu* pdu, void* magic);
} // namespace

struct Snmp::Impl {
    Snmp* self = nullptr;
    std::vector<std::unique_ptr<NetSession>> sessions;
    std::map<unsigned long, std::unique_ptr<Record>> inFlight;
    std::deque<Completion> ready;
    bool mpInitialized = false;
    OctetStr engineId;
    unsigned int boots = 0;
    bool closing = false;
    std::shared_ptr<bool> alive = std::make_shared<bool>(true);
    // The community session found last and what it was found for: a request repeated with the same
    // target needs no key text.
    struct {
        NetSession* session = nullptr;
        IpAddress ip;
        uint16_t port = 0;
        int version = 0;
        int retry = 0;
        unsigned long timeout = 0;
        std::string community;
    } lastCommunity;

    // Checks the target and finds or opens its Net-SNMP session; returns an engine status.
    int sessionFor(uint8_t type, const SnmpTarget& target, int securityLevel, NetSession*& found);
    int openSession(const std::string& key, const SnmpTarget& target, uint8_t type, int securityLevel,
                    const UsmUser* user, NetSession*& opened);
    void closeIdleStale();
    void finish(Record* record, int reason, Pdu&& pdu);
};

namespace {
std::string peerName(const UdpAddress& address) {
    return "udp:" + address.ip().get_printable() + ":" + std::to_string(address.get_port());
}

// Net-SNMP keeps every user it has localised in one list; a user registered again with other keys
// must not meet its old keys there.
void forgetLocalisedUser(const std::string& name) {
    for (usmUser* user = usm_get_userList(); user;) {
        usmUser* next = user->next;
        if (user->name && name == user->name) {
            usm_remove_user(user);
            usm_free_user(user);
        }
        user = next;
    }
}

// Per user name, the registration whose keys Net-SNMP has localised.
std::map<std::string, uint64_t>& localisedGenerations() {
    static std::map<std::string, uint64_t> generations;
    return generations;
}

int netSnmpCallback(int operation, netsnmp_session* session, int, netsnmp_pdu* pdu, void* magic) {
    const auto live = liveRecords().find(reinterpret_cast<uintptr_t>(magic));
    if (live == liveRecords().end())
        return 1;
    Record* record = live->second;
    // A retry is going out: the request is still open.
    if (operation == NETSNMP_CALLBACK_OP_RESEND || operation == NETSNMP_CALLBACK_OP_CONNECT)
        return 1;
    Snmp::Impl* owner = record->owner;
    if (owner->closing)
        return 1;
    // Each record ends here once; its request is not needed afterwards.
    Pdu result = std::move(record->request);
    int reason = SnmpStatus::AsyncResponse;
    switch (operation) {
    case NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE:
        if (netSnmpIsReport(pdu)) {
            reason = netSnmpReportStatus(pdu);
            result.set_error_status(reason);
            record->session->Outcome(false);
        } else {
            netSnmpTakeAnswer(pdu, result);
            record->session->Outcome(true);
        }
        break;
    case NETSNMP_CALLBACK_OP_TIMED_OUT:
        reason = SnmpStatus::Timeout;
        record->session->Outcome(false);
        break;
    default: {
        // A security failure carries the agent's report when there was one.
        reason = netSnmpIsReport(pdu) ? netSnmpReportStatus(pdu)
                                      : netSnmpErrorStatus(session ? session->s_snmp_errno : SNMPERR_GENERR);
        if (reason == SnmpStatus::Success)
            reason =
                operation == NETSNMP_CALLBACK_OP_SEC_ERROR ? SnmpStatus::UsmError : SnmpStatus::GeneralError;
        result.set_error_status(reason);
        break;
    }
    }
    owner->finish(record, reason, std::move(result));
    return 1;
}
} // namespace

void Snmp::Impl::finish(Record* record, int reason, Pdu&& pdu) {
    record->session->inFlight--;
    if (!record->cancelled) {
        Completion completion;
        completion.id = record->id;
        completion.reason = reason;
        completion.pdu = std::move(pdu);
        completion.pdu.set_request_id(record->id);
        completion.target = std::move(record->target);
        completion.callback = record->callback;
        completion.data = record->data;
        ready.push_back(std::move(completion));
        if (socketWatch && !receiving)
            socketWatch(-1, true);
    }
    liveRecords().erase(record->id);
    inFlight.erase(record->id);
}

int Snmp::Impl::sessionFor(uint8_t type, const SnmpTarget& target, int securityLevel, NetSession*& found) {
    found = nullptr;
    if (!target.valid())
        return SnmpStatus::InvalidTarget;
    // Built only past the community fast path: its text costs more than a request's own work.
    const auto peerKey = [&target] {
        return peerName(target.get_address()) + "|" + std::to_string(target.get_version()) + "|" +
               std::to_string(target.get_retry()) + "|" + std::to_string(target.get_timeout()) + "|";
    };
    std::string key;
    const UsmUser* user = nullptr;
    if (const auto* community = dynamic_cast<const CTarget*>(&target)) {
        if (target.get_version() != version1 && target.get_version() != version2c)
            return SnmpStatus::TargetUnsupported;
        const std::string& name =
            (type == PduType::SetRequest ? community->get_writecommunity() : community->get_readcommunity())
                .bytes();
        auto& last = lastCommunity;
        if (last.session && last.ip == target.get_address().ip() &&
            last.port == target.get_address().get_port() && last.version == target.get_version() &&
            last.retry == target.get_retry() && last.timeout == target.get_timeout() &&
            last.community == name) {
            found = last.session;
            return SnmpStatus::Success;
        }
        last.session = nullptr;
        key = peerKey() + "c|" +
              (type == PduType::SetRequest ? community->get_writecommunity() : community->get_readcommunity())
                  .get_printable_hex();
    } else if (const auto* usm = dynamic_cast<const UTarget*>(&target)) {
        if (target.get_version() != version3)
            return SnmpStatus::TargetUnsupported;
        if (!mpInitialized)
            return SnmpStatus::MpNotInitialized;
        if (usm->get_security_model() != SecurityModel::Usm)
            return SnmpStatus::MpUnsupportedSecurityModel;
        if (securityLevel < SecurityLevel::NoAuthNoPriv || securityLevel > SecurityLevel::AuthPriv)
            return SnmpStatus::UsmUnsupportedSecurityLevel;
        user = usmFindUser(usm->get_security_name().bytes());
        if (user) {
            if (user->authProtocol != AuthProtocol::None && user->authProtocol != AuthProtocol::HmacMd5 &&
                user->authProtocol != AuthProtocol::HmacSha)
                return SnmpStatus::UsmUnsupportedAuthProtocol;
            if (user->privProtocol != PrivProtocol::None && user->privProtocol != PrivProtocol::Des &&
                user->privProtocol != PrivProtocol::Aes128)
                return SnmpStatus::UsmUnsupportedPrivProtocol;
        }
        if (securityLevel >= SecurityLevel::AuthNoPriv) {
            if (!user)
                return SnmpStatus::UsmUnknownSecurityName;
            if (user->authProtocol == AuthProtocol::None)
                return SnmpStatus::UsmUnsupportedSecurityLevel;
            if (user->authPassword.size() < MinPassphraseLength)
                return SnmpStatus::UsmAuthenticationError;
        }
        if (securityLevel == SecurityLevel::AuthPriv) {
            if (user->privProtocol == PrivProtocol::None)
                return SnmpStatus::UsmUnsupportedSecurityLevel;
            if (user->privPassword.size() < MinPassphraseLength)
                return SnmpStatus::UsmEncryptionError;
        }
        key = peerKey() + "u|" + usm->get_security_name().get_printable_hex() + "|" +
              std::to_string(securityLevel) + "|" + std::to_string(user ? user->generation : 0);
    } else {
        return SnmpStatus::InvalidTarget;
    }
    for (auto& session : sessions)
        if (session->key == key && !session->stale) {
            found = session.get();
            break;
        }
    const int status = found ? static_cast<int>(SnmpStatus::Success)
                             : openSession(key, target, type, securityLevel, user, found);
    if (status == SnmpStatus::Success && !user && dynamic_cast<const CTarget*>(&target)) {
        const auto& community = static_cast<const CTarget&>(target);
        lastCommunity = {
            found,
            target.get_address().ip(),
            target.get_address().get_port(),
            target.get_version(),
            target.get_retry(),
            target.get_timeout(),
            (type == PduType::SetRequest ? community.get_writecommunity() : community.get_readcommunity())
                .bytes()};
    }
    return status;
}

int Snmp::Impl::openSession(const std::string& key, const SnmpTarget& target, uint8_t type, int securityLevel,
                            const UsmUser* user, NetSession*& opened) {
    netsnmp_session settings;
    snmp_sess_init(&settings);
    std::string peer = peerName(target.get_address());
    settings.peername = peer.data();
    settings.version = target.get_version() == version1    ? SNMP_VERSION_1
                       : target.get_version() == version2c ? SNMP_VERSION_2c
                                                           : SNMP_VERSION_3;
    settings.retries = target.get_retry();
    settings.timeout = static_cast<long>(target.get_timeout()) * 10000L;
    std::string community, securityName;
    if (const auto* communityTarget = dynamic_cast<const CTarget*>(&target)) {
        community = (type == PduType::SetRequest ? communityTarget->get_writecommunity()
                                                 : communityTarget->get_readcommunity())
                        .bytes();
        settings.community = reinterpret_cast<u_char*>(community.data());
        settings.community_len = community.size();
    } else {
        const auto& usmTarget = static_cast<const UTarget&>(target);
        securityName = usmTarget.get_security_name().bytes();
        settings.securityModel = SNMP_SEC_MODEL_USM;
        settings.securityName = securityName.data();
        settings.securityNameLen = securityName.size();
        settings.securityLevel = securityLevel;
        if (securityLevel >= SecurityLevel::AuthNoPriv) {
            const bool sha = user->authProtocol == AuthProtocol::HmacSha;
            settings.securityAuthProto = sha ? usmHMACSHA1AuthProtocol : usmHMACMD5AuthProtocol;
            settings.securityAuthProtoLen = USM_AUTH_PROTO_MD5_LEN;
            settings.securityAuthKeyLen = USM_AUTH_KU_LEN;
            if (!userKeyFrom(settings, user->authPassword, settings.securityAuthKey,
                             settings.securityAuthKeyLen))
                return SnmpStatus::UsmAuthenticationError;
        }
        if (securityLevel == SecurityLevel::AuthPriv) {
            settings.securityPrivProto =
                user->privProtocol == PrivProtocol::Aes128 ? usmAESPrivProtocol : usmDESPrivProtocol;
            settings.securityPrivProtoLen = USM_PRIV_PROTO_DES_LEN;
            settings.securityPrivKeyLen = USM_PRIV_KU_LEN;
            if (!userKeyFrom(settings, user->privPassword, settings.securityPrivKey,
                             settings.securityPrivKeyLen))
                return SnmpStatus::UsmEncryptionError;
        }
        // Sessions that carry an older registration of this user take no new requests.
        for (auto& session : sessions)
            if (session->securityName == securityName && session->generation != (user ? user->generation : 0))
                session->stale = true;
        closeIdleStale();
        // Live sessions of the user go on with the localised keys while its registration stands.
        const uint64_t generation = user ? user->generation : 0;
        const auto known = localisedGenerations().find(securityName);
        if (known == localisedGenerations().end() || known->second != generation)
            forgetLocalisedUser(securityName);
        localisedGenerations()[securityName] = generation;
    }
    void* handle = snmp_sess_open(&settings);
    if (!handle) {
        const int status = netSnmpErrorStatus(settings.s_snmp_errno ? settings.s_snmp_errno : snmp_errno);
        return status == SnmpStatus::GeneralError ? SnmpStatus::TransportFailed : status;
    }
    if (socketWatch)
        socketWatch(socketOf(handle), true);
    auto session = std::make_unique<NetSession>();
    session->handle = handle;
    session->key = key;
    session->securityName = securityName;
    session->generation = user ? user->generation : 0;
    opened = session.get();
    sessions.push_back(std::move(session));
    return SnmpStatus::Success;
}

void Snmp::Impl::closeIdleStale() {
    for (auto it = sessions.begin(); it != sessions.end();) {
        if ((*it)->stale && (*it)->inFlight == 0) {
            if (lastCommunity.session == it->get())
                lastCommunity.session = nullptr;
            closeSession((*it)->handle);
            it = sessions.erase(it);
        } else {
            ++it;
        }
    }
}

Snmp::Snmp(int& status, uint16_t localPort) : impl_(std::make_unique<Impl>()) {
    impl_->self = this;
    if (localPort != 0) {
        status = SnmpStatus::Unsupported;
    } else if (!netSnmpStart()) {
        status = SnmpStatus::ResourceUnavailable;
    } else {
        status = SnmpStatus::Success;
    }
    openSessions().push_back(this);
}

Snmp::~Snmp() {
    auto& all = openSessions();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
    impl_->closing = true;
    *impl_->alive = false;
    for (auto& session : impl_->sessions)
        closeSession(session->handle);
    impl_->sessions.clear();
    // Every request still owed a completion hears that the session goes away.
    std::vector<Completion> owed;
    for (auto& [id, record] : impl_->inFlight) {
        if (record->cancelled)
            continue;
        Completion completion;
        completion.id = id;
        completion.pdu = record->request;
        completion.target = std::move(record->target);
        completion.callback = record->callback;
        completion.data = record->data;
        owed.push_back(std::move(completion));
    }
    for (auto& [id, record] : impl_->inFlight)
        liveRecords().erase(id);
    impl_->inFlight.clear();
    for (auto& completion : impl_->ready)
        owed.push_back(std::move(completion));
    impl_->ready.clear();
    std::sort(owed.begin(), owed.end(), [](const Completion& a, const Completion& b) { return a.id < b.id; });
    for (auto& completion : owed)
        completion.callback(SnmpStatus::SessionClosing, this, completion.pdu, *completion.target,
                            completion.data);
}

int Snmp::request(uint8_t type, Pdu& pdu, const SnmpTarget& target) {
    NetSession* session = nullptr;
    int status = impl_->sessionFor(type, target, pdu.get_security_level(), session);
    if (status != SnmpStatus::Success)
        return status;
    netsnmp_pdu* request = netSnmpBuildPdu(type, pdu);
    if (!request)
        return SnmpStatus::InvalidPdu;
    netsnmp_pdu* answer = nullptr;
    // Owns the request from here on, also when it fails.
    const int outcome = snmp_sess_synch_response(session->handle, request, &answer);
    if (outcome == STAT_SUCCESS && answer && !netSnmpIsReport(answer)) {
        netSnmpTakeAnswer(answer, pdu);
        status = pdu.get_error_status();
        session->Outcome(true);
    } else if (outcome == STAT_TIMEOUT) {
        status = SnmpStatus::Timeout;
        session->Outcome(false);
    } else if (answer && netSnmpIsReport(answer)) {
        status = netSnmpReportStatus(answer);
        session->Outcome(false);
    } else {
        int libraryError = 0, systemError = 0;
        char* text = nullptr;
        snmp_sess_error(session->handle, &libraryError, &systemError, &text);
        free(text);
        status = netSnmpErrorStatus(snmp_sess_session(session->handle)->s_snmp_errno);
        if (status == SnmpStatus::Success)
            status = SnmpStatus::GeneralError;
    }
    if (answer)
        snmp_free_pdu(answer);
    return status;
}

int Snmp::send(uint8_t type, Pdu& pdu, const SnmpTarget& target, SnmpCompletion callback,
               void* callbackData) {
    if (!callback)
        return SnmpStatus::InvalidCallback;
    NetSession* session = nullptr;
    int status = impl_->sessionFor(type, target, pdu.get_security_level(), session);
    if (status != SnmpStatus::Success)
        return status;
    netsnmp_pdu* request = netSnmpBuildPdu(type, pdu);
    if (!request)
        return SnmpStatus::InvalidPdu;
    const unsigned long id = ++lastRequestId;
    auto record = std::make_unique<Record>();
    record->owner = impl_.get();
    record->session = session;
    record->id = id;
    record->request = pdu;
    record->request.set_type(type);
    record->request.set_request_id(id);
    record->target = target.clone();
    record->callback = callback;
    record->data = callbackData;
    liveRecords()[id] = record.get();
    impl_->inFlight[id] = std::move(record);
    session->inFlight++;
    pdu.set_request_id(id);
    // An unknown SNMPv3 engine ID is discovered inside this call; when that fails, Net-SNMP reports
    // the time-out to the callback from here (queued like any other), which counts as sent.
    if (snmp_sess_async_send(session->handle, request, netSnmpCallback, reinterpret_cast<void*>(id)) != 0)
        return SnmpStatus::Success;
    // A failed send leaves the PDU with us, also when the callback already ran.
    if (!impl_->inFlight.count(id)) {
        snmp_free_pdu(request);
        return SnmpStatus::Success;
    }
    status = netSnmpErrorStatus(snmp_sess_session(session->handle)->s_snmp_errno);
    if (status == SnmpStatus::Success)
        status = SnmpStatus::GeneralError;
    session->inFlight--;
    liveRecords().erase(id);
    impl_->inFlight.erase(id);
    snmp_free_pdu(request);
    return status;
}

int Snmp::get(Pdu& pdu, const SnmpTarget& target) {
    return request(PduType::GetRequest, pdu, target);
}
int Snmp::get_next(Pdu& pdu, const SnmpTarget& target) {
    return request(PduType::GetNextRequest, pdu, target);
}
int Snmp::set(Pdu& pdu, const SnmpTarget& target) {
    return request(PduType::SetRequest, pdu, target);
}

int Snmp::get(Pdu& pdu, const SnmpTarget& target, SnmpCompletion callback, void* callbackData) {
    return send(PduType::GetRequest, pdu, target, callback, callbackData);
}
int Snmp::get_next(Pdu& pdu, const SnmpTarget& target, SnmpCompletion callback, void* callbackData) {
    return send(PduType::GetNextRequest, pdu, target, callback, callbackData);
}
int Snmp::set(Pdu& pdu, const SnmpTarget& target, SnmpCompletion callback, void* callbackData) {
    return send(PduType::SetRequest, pdu, target, callback, callbackData);
}

int Snmp::cancel(unsigned long requestId) {
    bool found = false;
    const auto record = impl_->inFlight.find(requestId);
    if (record != impl_->inFlight.end() && !record->second->cancelled) {
        record->second->cancelled = true;
        found = true;
    }
    auto& ready = impl_->ready;
    const auto before = ready.size();
    ready.erase(
        std::remove_if(ready.begin(), ready.end(), [&](const Completion& c) { return c.id == requestId; }),
        ready.end());
    found = found || ready.size() != before;
    return found ? SnmpStatus::Success : SnmpStatus::InvalidRequestId;
}

int Snmp::cancel_all(const void* callbackData) {
    int count = 0;
    for (auto& [id, record] : impl_->inFlight)
        if (record->data == callbackData && !record->cancelled) {
            record->cancelled = true;
            ++count;
        }
    auto& ready = impl_->ready;
    const auto before = ready.size();
    ready.erase(std::remove_if(ready.begin(), ready.end(),
                               [&](const Completion& c) { return c.data == callbackData; }),
                ready.end());
    return count + static_cast<int>(before - ready.size());
}

int Snmp::outstanding() const {
    int count = static_cast<int>(impl_->ready.size());
    for (const auto& [id, record] : impl_->inFlight)
        count += record->cancelled ? 0 : 1;
    return count;
}

void Snmp::process_pending_events() {
    receive_pending();
    // A callback may send, pump again or even destroy the session: take one completion at a time.
    const std::shared_ptr<bool> alive = impl_->alive;
    while (!impl_->ready.empty()) {
        Completion completion = std::move(impl_->ready.front());
        impl_->ready.pop_front();
        completion.callback(completion.reason, this, completion.pdu, *completion.target, completion.data);
        if (!*alive)
            return;
    }
}

void Snmp::deliver(const void* callbackData) {
    const std::shared_ptr<bool> alive = impl_->alive;
    for (;;) {
        auto& ready = impl_->ready;
        const auto due = std::find_if(ready.begin(), ready.end(),
                                      [&](const Completion& c) { return c.data == callbackData; });
        if (due == ready.end())
            return;
        Completion completion = std::move(*due);
        ready.erase(due);
        completion.callback(completion.reason, this, completion.pdu, *completion.target, completion.data);
        if (!*alive)
            return;
    }
}

void setSnmpSocketWatch(SnmpSocketWatch watch) {
    socketWatch = watch;
}

void Snmp::receive_pending() {
    receiving = true;
    for (auto& session : impl_->sessions) {
        if (session->inFlight == 0)
            continue;
        int count = 0, block = 0;
        fd_set readable;
        FD_ZERO(&readable);
        timeval wait{};
        snmp_sess_select_info(session->handle, &count, &readable, &wait, &block);
        timeval now{0, 0};
        if (count > 0 && select(count, &readable, nullptr, nullptr, &now) > 0)
            snmp_sess_read(session->handle, &readable);
        snmp_sess_timeout(session->handle);
    }
    receiving = false;
    impl_->closeIdleStale();
}

bool Snmp::mp_initialized() const {
    return impl_->mpInitialized;
}
const OctetStr& Snmp::local_engine_id() const {
    return impl_->engineId;
}
unsigned int Snmp::engine_boots() const {
    return impl_->boots;
}

int mpInit(Snmp& session, const OctetStr& engineId, unsigned int boots) {
    if (engineId.len() == 0 || engineId.len() > MaxEngineIdLength)
        return SnmpStatus::MpInvalidEngineId;
    session.impl_->engineId = engineId;
    session.impl_->boots = boots;
    session.impl_->mpInitialized = true;
    return SnmpStatus::MpOk;
}

void SNMPProcessPendingEvents() {
    // Copy: a completion may open or close sessions.
    const std::vector<Snmp*> sessions = openSessions();
    for (Snmp* session : sessions)
        if (std::find(openSessions().begin(), openSessions().end(), session) != openSessions().end())
            session->process_pending_events();
}
