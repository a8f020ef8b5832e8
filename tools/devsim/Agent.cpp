#include "tools/devsim/Agent.h"

#include "tools/devsim/Device.h"
#include "tools/devsim/ObjectHandler.h"

#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <net-snmp/agent/net-snmp-agent-includes.h>

#include <sys/select.h>

#include <cstdio>
#include <cstdlib>

extern "C" {
// Exported by the agent library without a declaration: the session all requests arrive on.
extern netsnmp_session* main_session;
// The access-control set-up that the MIB module library would otherwise run: standard views
// (what rocommunity and rwuser grant) and the tokens of its configuration lines.
void init_vacm_conf(void);
}

namespace devsim {
namespace {

constexpr const char* kApp = "ktx-devsim";
Device* gDevice = nullptr;
bool gVerbose = false;

int OnLibraryLog(int, int, void* server, void*) {
    auto* message = static_cast<snmp_log_message*>(server);
    if (message && message->msg && (gVerbose || message->priority <= LOG_ERR))
        std::fprintf(stderr, "ktx-devsim: %s", message->msg);
    return 0;
}

// Every request passes here first: it is logged, and a silent device leaves it unanswered.
int OnPacket(int op, netsnmp_session* session, int reqid, netsnmp_pdu* pdu, void* magic) {
    if (op == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE && pdu) {
        gDevice->Log().Record(*pdu);
        if (gDevice->Gate().Silent())
            return 1;
    }
    int result = handle_snmp_packet(op, session, reqid, pdu, magic);
    gDevice->Gate().PacketDone();
    return result;
}

void Remember(const std::string& line) {
    std::string copy = line;
    netsnmp_config_remember(copy.data());
}

} // namespace

Agent::~Agent() {
    if (started_) {
        snmp_shutdown(kApp);
        shutdown_agent();
    }
}

bool Agent::Start(const std::string& stateDir, std::string& error) {
    gDevice = &device_;
    const Options& o = device_.Settings();
    gVerbose = o.verbose;

    netsnmp_register_loghandler(NETSNMP_LOGHANDLER_CALLBACK, LOG_DEBUG);
    snmp_register_callback(SNMP_CALLBACK_LIBRARY, SNMP_CALLBACK_LOGGING, &OnLibraryLog, nullptr);

    if (const char* tokens = std::getenv("KTX_DEVSIM_DEBUG")) {
        debug_register_tokens(tokens);
        snmp_set_do_debugging(1);
    }
    setenv("MIBS", "", 1);
    netsnmp_set_mib_directory("");
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, stateDir.c_str());
    std::string noConfig = stateDir + "/no-config";
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_CONFIGURATION_DIR, noConfig.c_str());
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_ROLE, 0);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_AGENTX_MASTER, 0);
    netsnmp_ds_set_string(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_PORTS, "none");
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_DONT_LOG_TCPWRAPPERS_CONNECTS, 1);
    add_to_init_list(const_cast<char*>("-smux"));

    // Requests come only over loopback; communities are accepted from there alone.
    Remember("rocommunity " + o.communityRo + " 127.0.0.0/8");
    Remember("rwcommunity " + o.communityRw + " 127.0.0.0/8");
    for (const V3User& u : o.users) {
        std::string create = "createUser " + u.name;
        std::string level = "noauth";
        if (u.authProto != "NONE") {
            create += " " + u.authProto + " \"" + u.authPass + "\"";
            level = "auth";
            if (u.privProto != "NONE") {
                create += " " + u.privProto + " \"" + u.privPass + "\"";
                level = "priv";
            }
        }
        Remember(create);
        Remember("rwuser " + u.name + " " + level);
    }

    if (init_agent(kApp) != 0) {
        error = "init_agent failed";
        return false;
    }
    started_ = true;
    init_vacm_conf();
    if (!RegisterObjectHandler(device_)) {
        error = "the object handler could not be registered";
        return false;
    }
    init_snmp(kApp);
    snmp_store(kApp);
    if (init_master_agent() != 0) {
        error = "init_master_agent failed";
        return false;
    }
    std::string address = "udp:" + o.listenAddress + ":" + std::to_string(o.listenPort);
    netsnmp_transport* transport = netsnmp_transport_open_server(kApp, address.c_str());
    if (!transport) {
        error = "cannot listen on " + address;
        return false;
    }
    if (netsnmp_register_agent_nsap(transport) == 0) {
        netsnmp_transport_free(transport);
        error = "cannot serve " + address;
        return false;
    }
    device_.Gate().Attach(transport);
    main_session->callback = &OnPacket;
    return true;
}

void Agent::Run(int controlFd, const std::function<void()>& onInput, const std::function<bool()>& stop) {
    while (!stop()) {
        int numfds = 0;
        fd_set readfds;
        FD_ZERO(&readfds);
        timeval timeout{0, 200000};
        int block = 0;
        snmp_select_info(&numfds, &readfds, &timeout, &block);
        // Short waits keep stop requests and delayed replies prompt.
        if (block || timeout.tv_sec > 0 || timeout.tv_usec > 200000)
            timeout = timeval{0, 200000};
        long due = device_.Gate().MillisUntilNextDue();
        if (due >= 0 && due * 1000 < timeout.tv_sec * 1000000L + timeout.tv_usec)
            timeout = timeval{due / 1000, (due % 1000) * 1000};
        if (controlFd >= 0) {
            FD_SET(controlFd, &readfds);
            if (controlFd >= numfds)
                numfds = controlFd + 1;
        }
        int n = select(numfds, &readfds, nullptr, nullptr, &timeout);
        if (n > 0) {
            bool input = controlFd >= 0 && FD_ISSET(controlFd, &readfds);
            if (input)
                FD_CLR(controlFd, &readfds);
            snmp_read(&readfds);
            if (input)
                onInput();
        } else if (n == 0) {
            snmp_timeout();
        }
        run_alarms();
        netsnmp_check_outstanding_agent_requests();
        device_.Gate().FlushDue();
    }
}

} // namespace devsim
