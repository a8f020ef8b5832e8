#pragma once
// The SNMP session: blocking and asynchronous get, get-next and set towards any target.
//
// Completions of asynchronous requests are delivered only by process_pending_events() (and the
// free SNMPProcessPendingEvents(), which pumps every session); a blocking call may receive the
// answers of asynchronous requests but only queues them. A cancelled request's completion is
// dropped. Destroying the session delivers SessionClosing (-8) for every request still owed a
// completion.
#include "snmpengine/OctetStr.h"
#include "snmpengine/Pdu.h"
#include "snmpengine/Target.h"

#include <cstdint>
#include <memory>

class Snmp;

// reason: SnmpStatus::AsyncResponse (-6) for an answer, Timeout (-5), SessionClosing (-8), or the
// engine status of another failure (the Pdu's error status then holds the same number). pdu is the
// answer, or the request that was sent when there is no answer.
using SnmpCompletion = void (*)(int reason, Snmp* session, Pdu& pdu, SnmpTarget& target, void* callbackData);

// Where the engine's own log lines go (default: dropped). priority is syslog's (0 worst ... 7 debug).
using SnmpLogSink = void (*)(int priority, const char* line);
void setSnmpLogSink(SnmpLogSink sink);

// Told when a session's socket opens (open true, after) or closes (open false, before), so that
// an event loop can watch it; fd -1 with open true: a completion was queued outside
// process_pending_events (by a blocking call) and waits for the next pump.
using SnmpSocketWatch = void (*)(int fd, bool open);
void setSnmpSocketWatch(SnmpSocketWatch watch);

class Snmp {
  public:
    // status: SnmpStatus::Success, or the reason the session cannot be used. Only local port 0 (an
    // ephemeral port per agent) is supported; another port gives SnmpStatus::Unsupported.
    explicit Snmp(int& status, uint16_t localPort = 0);
    ~Snmp();
    Snmp(const Snmp&) = delete;
    Snmp& operator=(const Snmp&) = delete;

    // Blocking. Return Success, the agent's error status (1 to 19, 2 for an SNMPv2 exception value)
    // or an engine status. On an answer the pdu's bindings, error status and index are the answer's;
    // on failure the pdu keeps the bindings it was sent with.
    int get(Pdu& pdu, const SnmpTarget& target);
    int get_next(Pdu& pdu, const SnmpTarget& target);
    int set(Pdu& pdu, const SnmpTarget& target);

    // Asynchronous. Return Success when the request went out (the pdu then holds its request ID),
    // else the engine status of the failure, in which case no completion follows.
    int get(Pdu& pdu, const SnmpTarget& target, SnmpCompletion callback, void* callbackData);
    int get_next(Pdu& pdu, const SnmpTarget& target, SnmpCompletion callback, void* callbackData);
    int set(Pdu& pdu, const SnmpTarget& target, SnmpCompletion callback, void* callbackData);

    // Drops the completion of one request (Success, or InvalidRequestId when nothing is owed), or
    // of every request sent with this callback data (returns how many).
    int cancel(unsigned long requestId);
    int cancel_all(const void* callbackData);
    int outstanding() const; // requests still owed a completion

    // Reads what arrived, handles time-outs and retries, and delivers due completions.
    void process_pending_events();
    // The two halves of it: reading and time-outs only (completions are queued), and delivering
    // the queued completions of one callback data.
    void receive_pending();
    void deliver(const void* callbackData);

    // SNMPv3 message processing; set by mpInit.
    bool mp_initialized() const;
    const OctetStr& local_engine_id() const;
    unsigned int engine_boots() const;

    struct Impl;

  private:
    friend int mpInit(Snmp& session, const OctetStr& engineId, unsigned int boots);
    int send(uint8_t type, Pdu& pdu, const SnmpTarget& target, SnmpCompletion callback, void* callbackData);
    int request(uint8_t type, Pdu& pdu, const SnmpTarget& target);
    std::unique_ptr<Impl> impl_;
};

// Initialises SNMPv3 message processing for the session with the local engine ID (1 to 32 octets)
// and boot count. Returns SnmpStatus::MpOk or MpInvalidEngineId. SNMPv3 requests fail with
// MpNotInitialized until it has run.
int mpInit(Snmp& session, const OctetStr& engineId, unsigned int boots);

// Pumps every open session, as the event timer does.
void SNMPProcessPendingEvents();
