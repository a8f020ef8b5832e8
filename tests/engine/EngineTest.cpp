// The engine against a real agent: values of each type, failures as engine statuses, and
// asynchronous completions that arrive only through the pump.
#include "snmpengine/Snmp.h"
#include "snmpengine/SnmpStatus.h"
#include "snmpengine/Usm.h"
#include "tests/engine/EngineAgent.h"

#include <algorithm>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace {
const char* const Descr = "1.3.6.1.2.1.1.1.0";
const char* const ObjectIdValue = "1.3.6.1.2.1.1.2.0";
const char* const Uptime = "1.3.6.1.2.1.1.3.0";
const char* const Ticks = "1.3.6.1.4.1.48113.99.7.0";
const char* const Contact = "1.3.6.1.2.1.1.4.0";
const char* const Number = "1.3.6.1.4.1.48113.99.1.0";
const char* const Address = "1.3.6.1.4.1.48113.99.2.0";
const char* const Count = "1.3.6.1.4.1.48113.99.3.0";
const char* const Big = "1.3.6.1.4.1.48113.99.5.0";
const char* const Bytes = "1.3.6.1.4.1.48113.99.6.0";
const char* const Missing = "1.3.6.1.4.1.48113.99.77.0";
const char* const LastObject = "1.3.6.1.4.1.48113.99.7.0";

Pdu pduOf(std::initializer_list<const char*> oids, int level = SecurityLevel::NoAuthNoPriv) {
    Pdu pdu;
    for (const char* oid : oids)
        pdu += Vb(Oid(oid));
    pdu.set_security_level(level);
    return pdu;
}

struct Completed {
    int reason = 0;
    Pdu pdu;
    std::string address;
    int calls = 0;
};

void record(int reason, Snmp*, Pdu& pdu, SnmpTarget& target, void* data) {
    auto* seen = static_cast<Completed*>(data);
    seen->reason = reason;
    seen->pdu = pdu;
    seen->address = target.get_address().get_printable();
    seen->calls++;
}

// Pumps until the completion came or two seconds passed.
void pumpUntil(Snmp& session, const Completed& seen, int calls = 1) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (seen.calls < calls && std::chrono::steady_clock::now() < end) {
        session.process_pending_events();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

class EngineTest : public ::testing::Test {
  protected:
    void SetUp() override {

        ASSERT_EQ(status, SnmpStatus::Success);
        ASSERT_EQ(mpInit(session, "EngineTests", 1), SnmpStatus::MpOk);
        ASSERT_EQ(
            usmAddUserName("alice", AuthProtocol::HmacMd5, PrivProtocol::Des, "alicepass1", "alicepriv1"),
            SnmpStatus::UsmOk);
        ASSERT_EQ(
            usmAddUserName("bob", AuthProtocol::HmacSha, PrivProtocol::Aes128, "bobpass123", "bobpriv123"),
            SnmpStatus::UsmOk);
    }
    CTarget community(SnmpVersion version, const char* read = "public", const char* write = "private") {
        CTarget target(UdpAddress("127.0.0.1/" + std::to_string(agent.Port())), read, write);
        target.set_version(version);
        target.set_retry(0);
        target.set_timeout(30);
        return target;
    }
    UTarget user(const char* name, uint16_t port = 0) {
        UTarget target(UdpAddress("127.0.0.1/" + std::to_string(port ? port : agent.Port())), name);
        target.set_retry(0);
        target.set_timeout(30);
        return target;
    }

    DevSim agent{EngineAgentOptions()};
    int status = -99;
    Snmp session{status};
};

TEST_F(EngineTest, GetReadsEveryValueKind) {
    for (SnmpVersion version : {version1, version2c}) {
        Pdu pdu = pduOf({Descr, ObjectIdValue, Ticks, Number, Address, Count, Bytes});
        ASSERT_EQ(session.get(pdu, community(version)), SnmpStatus::Success) << version;
        ASSERT_EQ(pdu.get_vb_count(), 7);
        EXPECT_EQ(pdu.get_vb(0).get_printable_value(), "Engine test agent");
        EXPECT_EQ(pdu.get_vb(0).get_syntax(), VbSyntax::OctetString);
        Oid oid;
        EXPECT_EQ(pdu.get_vb(1).get_value(oid), SnmpStatus::Success);
        EXPECT_EQ(oid.get_printable(), "1.3.6.1.4.1.48113.10.37.26");
        EXPECT_EQ(pdu.get_vb(2).get_syntax(), VbSyntax::TimeTicks);
        EXPECT_EQ(pdu.get_vb(2).get_printable_value(), "1 days, 00:00:01.23");
        int32_t number = 0;
        EXPECT_EQ(pdu.get_vb(3).get_value(number), SnmpStatus::Success);
        EXPECT_EQ(number, -7);
        IpAddress ip;
        EXPECT_EQ(pdu.get_vb(4).get_value(ip), SnmpStatus::Success);
        EXPECT_EQ(ip.get_printable(), "10.1.2.3");
        uint32_t count = 0;
        EXPECT_EQ(pdu.get_vb(5).get_value(count), SnmpStatus::Success);
        EXPECT_EQ(count, 4000000000u);
        EXPECT_EQ(pdu.get_vb(5).get_syntax(), VbSyntax::Counter32);
        OctetStr bytes;
        EXPECT_EQ(pdu.get_vb(6).get_value(bytes), SnmpStatus::Success);
        EXPECT_EQ(bytes.get_printable_hex(), "00FF10");
    }
    // Counter64 exists only from SNMPv2c on.
    Pdu pdu = pduOf({Big});
    ASSERT_EQ(session.get(pdu, community(version2c)), SnmpStatus::Success);
    Counter64 big;
    EXPECT_EQ(pdu.get_vb(0).get_value(big), SnmpStatus::Success);
    EXPECT_EQ(uint64_t(big), 12345678901234ull);
}

TEST_F(EngineTest, SetWritesAndGetNextWalksUnderEveryVersion) {
    int round = 0;
    auto roundTrip = [&](const SnmpTarget& target, int level) {
        SCOPED_TRACE(round);
        const std::string text = "admin " + std::to_string(++round);
        Pdu set = pduOf({}, level);
        Vb contact{Oid(Contact)};
        contact.set_value(OctetStr(text));
        Vb number{Oid(Number)};
        number.set_value(int32_t(-100 - round));
        set += contact;
        set += number;
        ASSERT_EQ(session.set(set, target), SnmpStatus::Success);

        Pdu next = pduOf({Uptime, Contact}, level); // each answer names the following object
        ASSERT_EQ(session.get_next(next, target), SnmpStatus::Success);
        EXPECT_EQ(next.get_vb(0).get_printable_oid(), Contact);
        EXPECT_EQ(next.get_vb(0).get_printable_value(), text);
        EXPECT_EQ(next.get_vb(1).get_printable_oid(), "1.3.6.1.4.1.48113.99.1.0");
        EXPECT_EQ(next.get_vb(1).get_printable_value(), std::to_string(-100 - round));
    };
    roundTrip(community(version1), SecurityLevel::NoAuthNoPriv);
    roundTrip(community(version2c), SecurityLevel::NoAuthNoPriv);
    roundTrip(user("alice"), SecurityLevel::AuthPriv); // MD5 + DES
    roundTrip(user("bob"), SecurityLevel::AuthPriv);   // SHA + AES
    // The agent grants bob writes only with privacy.
    Pdu set = pduOf({}, SecurityLevel::AuthNoPriv);
    Vb contact{Oid(Contact)};
    contact.set_value(OctetStr("plain"));
    set += contact;
    EXPECT_EQ(session.set(set, user("bob")), SnmpStatus::AuthorizationError);
}

TEST_F(EngineTest, MissingObjectsAndEndOfViewCountAsNoSuchName) {
    const std::vector<std::pair<std::string, std::unique_ptr<SnmpTarget>>> targets = [&] {
        std::vector<std::pair<std::string, std::unique_ptr<SnmpTarget>>> list;
        list.emplace_back("v1", community(version1).clone());
        list.emplace_back("v2c", community(version2c).clone());
        list.emplace_back("v3", user("alice").clone());
        return list;
    }();
    for (const auto& [name, target] : targets) {
        SCOPED_TRACE(name);
        const int level = name == "v3" ? SecurityLevel::AuthPriv : SecurityLevel::NoAuthNoPriv;
        Pdu get = pduOf({Descr, Missing}, level);
        EXPECT_EQ(session.get(get, *target), SnmpStatus::NoSuchName);
        EXPECT_EQ(get.get_error_status(), SnmpStatus::NoSuchName);
        EXPECT_EQ(get.get_error_index(), 2);

        // Past the last object the walk's cursor comes back unchanged.
        Pdu next = pduOf({LastObject}, level);
        EXPECT_EQ(session.get_next(next, *target), SnmpStatus::NoSuchName);
        EXPECT_EQ(next.get_vb(0).get_printable_oid(), LastObject);
        EXPECT_EQ(next.get_vb(0).get_printable_value(), "");
    }
}

TEST_F(EngineTest, AgentErrorStatusComesBackWithItsIndex) {
    // A read-only object refuses a write: notWritable under v2c, noSuchName under v1.
    Pdu pdu;
    Vb first{Oid(Contact)};
    first.set_value(OctetStr("x"));
    Vb second{Oid(Descr)};
    second.set_value(OctetStr("y"));
    pdu += first;
    pdu += second;
    Pdu v1 = pdu;
    EXPECT_EQ(session.set(pdu, community(version2c)), SnmpStatus::NotWritable);
    EXPECT_EQ(pdu.get_error_index(), 2);
    EXPECT_EQ(session.set(v1, community(version1)), SnmpStatus::NoSuchName);
    EXPECT_EQ(v1.get_error_index(), 2);
}

TEST_F(EngineTest, FailuresMapOntoEngineStatuses) {
    Pdu pdu = pduOf({Descr});
    EXPECT_EQ(session.get(pdu, community(version2c, "wrong")), SnmpStatus::Timeout);
    EXPECT_EQ(pdu.get_vb(0).get_printable_oid(), Descr); // the request's bindings stay

    CTarget dead = community(version2c);
    dead.set_address(UdpAddress("127.0.0.1/" + std::to_string(FreeUdpPort())));
    pdu = pduOf({Descr});
    EXPECT_EQ(session.get(pdu, dead), SnmpStatus::Timeout);

    pdu = pduOf({Descr}, SecurityLevel::AuthPriv);
    ASSERT_EQ(usmAddUserName("alice", AuthProtocol::HmacMd5, PrivProtocol::Des, "wrongpass1", "alicepriv1"),
              SnmpStatus::UsmOk);
    EXPECT_EQ(session.get(pdu, user("alice")), SnmpStatus::UsmAuthenticationFailure);
    // Registered again with the right pass phrase, the user works: no stale keys are kept.
    ASSERT_EQ(usmAddUserName("alice", AuthProtocol::HmacMd5, PrivProtocol::Des, "alicepass1", "alicepriv1"),
              SnmpStatus::UsmOk);
    pdu = pduOf({Descr}, SecurityLevel::AuthPriv);
    EXPECT_EQ(session.get(pdu, user("alice")), SnmpStatus::Success);

    ASSERT_EQ(usmAddUserName("carol", AuthProtocol::HmacMd5, PrivProtocol::None, "carolpass1", ""),
              SnmpStatus::UsmOk);
    pdu = pduOf({Descr}, SecurityLevel::AuthNoPriv);
    EXPECT_EQ(session.get(pdu, user("carol")), SnmpStatus::UsmUnknownSecurityName);

    // Never a silent downgrade: a user with an unsupported protocol fails before any traffic.
    EXPECT_EQ(usmAddUserName("dave", AuthProtocol::HmacMd5, 3, "davepass12", "davepriv12"),
              SnmpStatus::UsmUnsupportedPrivProtocol);
    pdu = pduOf({Descr}, SecurityLevel::AuthPriv);
    const size_t logged = agent.Log().size();
    EXPECT_EQ(session.get(pdu, user("dave")), SnmpStatus::UsmUnsupportedPrivProtocol);
    EXPECT_EQ(agent.Log().size(), logged);

    pdu = pduOf({Descr}, SecurityLevel::AuthPriv);
    UTarget model = user("alice");
    model.set_security_model(SecurityModel::V1);
    EXPECT_EQ(session.get(pdu, model), SnmpStatus::MpUnsupportedSecurityModel);
    EXPECT_EQ(session.get(pdu, CTarget()), SnmpStatus::InvalidTarget);
}

TEST_F(EngineTest, SnmpV3NeedsMessageProcessing) {
    int fresh = -99;
    Snmp other(fresh);
    Pdu pdu = pduOf({Descr}, SecurityLevel::AuthPriv);
    EXPECT_EQ(other.get(pdu, user("alice")), SnmpStatus::MpNotInitialized);
}

TEST_F(EngineTest, AsynchronousCompletionsComeOnlyFromThePump) {
    Completed seen;
    Pdu pdu = pduOf({Contact});
    ASSERT_EQ(session.get(pdu, community(version2c), record, &seen), SnmpStatus::Success);
    EXPECT_NE(pdu.get_request_id(), 0u);
    // The blocking call on the same agent receives the first answer too, but only queues it.
    Pdu blocking = pduOf({Descr});
    ASSERT_EQ(session.get(blocking, community(version2c)), SnmpStatus::Success);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    Pdu blocking2 = pduOf({Descr});
    ASSERT_EQ(session.get(blocking2, community(version2c)), SnmpStatus::Success);
    EXPECT_EQ(seen.calls, 0);
    EXPECT_EQ(session.outstanding(), 1);

    pumpUntil(session, seen);
    ASSERT_EQ(seen.calls, 1);
    EXPECT_EQ(seen.reason, SnmpStatus::AsyncResponse);
    EXPECT_EQ(seen.pdu.get_error_status(), 0);
    EXPECT_EQ(seen.pdu.get_vb(0).get_printable_value(), "nobody");
    EXPECT_EQ(seen.pdu.get_request_id(), pdu.get_request_id());
    EXPECT_EQ(seen.address, "127.0.0.1/" + std::to_string(agent.Port()));
    EXPECT_EQ(session.outstanding(), 0);

    // SNMPv3 set and get-next, each completing once.
    Completed set, next;
    Pdu write = pduOf({}, SecurityLevel::AuthPriv);
    Vb contact{Oid(Contact)};
    contact.set_value(OctetStr("async"));
    write += contact;
    ASSERT_EQ(session.set(write, user("bob"), record, &set), SnmpStatus::Success);
    pumpUntil(session, set);
    Pdu walk = pduOf({Uptime}, SecurityLevel::AuthPriv);
    ASSERT_EQ(session.get_next(walk, user("bob"), record, &next), SnmpStatus::Success);
    pumpUntil(session, next);
    EXPECT_EQ(set.calls, 1);
    EXPECT_EQ(set.reason, SnmpStatus::AsyncResponse);
    ASSERT_EQ(next.calls, 1);
    EXPECT_EQ(next.pdu.get_vb(0).get_printable_value(), "async");
    session.process_pending_events();
    EXPECT_EQ(set.calls + next.calls, 2);
}

TEST_F(EngineTest, AsynchronousFailuresAreNotAnswers) {
    Completed timedOut, missing, refused;
    Pdu pdu = pduOf({Descr});
    ASSERT_EQ(session.get(pdu, community(version2c, "wrong"), record, &timedOut), SnmpStatus::Success);
    Pdu absent = pduOf({Missing});
    ASSERT_EQ(session.get(absent, community(version2c), record, &missing), SnmpStatus::Success);
    ASSERT_EQ(usmAddUserName("eve", AuthProtocol::HmacSha, PrivProtocol::None, "evepass123", ""),
              SnmpStatus::UsmOk);
    Pdu v3 = pduOf({Descr}, SecurityLevel::AuthNoPriv);
    ASSERT_EQ(session.get(v3, user("eve"), record, &refused), SnmpStatus::Success);
    pumpUntil(session, timedOut);
    pumpUntil(session, missing);
    pumpUntil(session, refused);

    EXPECT_EQ(timedOut.reason, SnmpStatus::Timeout);
    EXPECT_EQ(missing.reason, SnmpStatus::AsyncResponse);
    EXPECT_EQ(missing.pdu.get_error_status(), SnmpStatus::NoSuchName);
    EXPECT_EQ(refused.reason, SnmpStatus::UsmUnknownSecurityName);
    EXPECT_EQ(refused.pdu.get_error_status(), SnmpStatus::UsmUnknownSecurityName);
    EXPECT_EQ(timedOut.calls + missing.calls + refused.calls, 3);
}

TEST_F(EngineTest, CancelledAndClosedRequestsAreNeverAnswered) {
    Completed cancelled, byData, kept;
    Pdu first = pduOf({Descr}), second = pduOf({Descr}), third = pduOf({Descr});
    ASSERT_EQ(session.get(first, community(version2c), record, &cancelled), SnmpStatus::Success);
    ASSERT_EQ(session.get(second, community(version2c), record, &byData), SnmpStatus::Success);
    ASSERT_EQ(session.get(third, community(version2c), record, &kept), SnmpStatus::Success);
    EXPECT_EQ(session.cancel(first.get_request_id()), SnmpStatus::Success);
    EXPECT_EQ(session.cancel(first.get_request_id()), SnmpStatus::InvalidRequestId);
    EXPECT_EQ(session.cancel_all(&byData), 1);
    pumpUntil(session, kept);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    session.process_pending_events();
    EXPECT_EQ(cancelled.calls, 0);
    EXPECT_EQ(byData.calls, 0);
    EXPECT_EQ(kept.calls, 1);

    // A session that goes away tells its open requests so, once each.
    Completed closing, answered;
    {
        int fresh = -99;
        Snmp other(fresh);
        Pdu slow = pduOf({Descr}), quick = pduOf({Descr});
        ASSERT_EQ(other.get(slow, community(version2c, "wrong"), record, &closing), SnmpStatus::Success);
        ASSERT_EQ(other.get(quick, community(version2c), record, &answered), SnmpStatus::Success);
        Pdu blocking = pduOf({Descr});
        ASSERT_EQ(other.get(blocking, community(version2c)), SnmpStatus::Success); // queues the quick answer
    }
    EXPECT_EQ(closing.calls, 1);
    EXPECT_EQ(closing.reason, SnmpStatus::SessionClosing);
    EXPECT_EQ(answered.calls, 1);
    EXPECT_EQ(answered.reason, SnmpStatus::SessionClosing);
}

TEST_F(EngineTest, FirstV3RequestToADeadAgentTimesOutThroughThePump) {
    Completed seen;
    Pdu pdu = pduOf({Descr}, SecurityLevel::AuthPriv);
    ASSERT_EQ(session.get(pdu, user("alice", FreeUdpPort()), record, &seen), SnmpStatus::Success);
    EXPECT_EQ(seen.calls, 0); // engine discovery failed inside the send, the report waits
    pumpUntil(session, seen);
    EXPECT_EQ(seen.calls, 1);
    EXPECT_EQ(seen.reason, SnmpStatus::Timeout);
}

// An SNMPv3 agent that comes back with another engine ID (its state gone, as after a reset or with
// a replaced unit) is found again: the request that meets the change times out, the next one
// discovers the new engine ID. A silent agent costs each request one time-out: the rediscovery
// does not add a request of its own.
TEST_F(EngineTest, AnAgentBackWithANewEngineIdIsFoundAgain) {
    const int port = agent.Port();
    Pdu pdu;
    const auto get = [&](Completed* seen = nullptr) { // with seen, the lamp poll's way: asynchronous
        pdu = pduOf({Descr}, SecurityLevel::AuthPriv);
        const auto alice = user("alice", static_cast<uint16_t>(port));
        return seen ? session.get(pdu, alice, record, seen) : session.get(pdu, alice);
    };
    ASSERT_EQ(get(), SnmpStatus::Success);
    agent.Stop();
    DevSimOptions again = EngineAgentOptions();
    again.extraArgs.insert(again.extraArgs.end(), {"--listen", "127.0.0.1:" + std::to_string(port)});
    DevSim back(again); // a state folder of its own: another engine ID

    Completed seen;
    ASSERT_EQ(get(&seen), SnmpStatus::Success);
    pumpUntil(session, seen);
    EXPECT_EQ(seen.reason, SnmpStatus::Timeout);
    ASSERT_EQ(get(), SnmpStatus::Success);
    EXPECT_EQ(pdu.get_vb(0).get_printable_value(), "Engine test agent");

    back.ClearLog();
    back.Command("silent 30");
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(get(), SnmpStatus::Timeout) << i;
    const auto log = back.Log();
    EXPECT_EQ(std::count_if(log.begin(), log.end(), [](const DevSimLogLine& l) { return l.oid == Descr; }), 1)
        << "after the first time-out only the discovery goes out, once per request";
}
} // namespace
