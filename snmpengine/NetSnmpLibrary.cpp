#include "snmpengine/NetSnmpBridge.h"
#include "snmpengine/Snmp.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <cstdlib>

namespace {
SnmpLogSink logSink = nullptr;

int onLibraryLog(int, int, void* serverArgument, void*) {
    const auto* message = static_cast<const snmp_log_message*>(serverArgument);
    if (logSink && message && message->msg)
        logSink(message->priority, message->msg);
    return SNMPERR_SUCCESS;
}

bool start() {
    // Without this the library looks for MIB modules that are not installed and logs each miss.
    setenv("MIBS", "", 1);
    netsnmp_register_loghandler(NETSNMP_LOGHANDLER_CALLBACK, LOG_DEBUG);
    snmp_register_callback(SNMP_CALLBACK_LIBRARY, SNMP_CALLBACK_LOGGING, onLibraryLog, nullptr);
    // The host's snmp.conf could change versions, users and defaults behind our targets' backs, and
    // state files would be written to system folders: neither is read nor written.
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    init_snmp("ktxsnmpengine");
    return true;
}
} // namespace

void setSnmpLogSink(SnmpLogSink sink) {
    logSink = sink;
}

bool netSnmpStart() {
    static const bool started = start();
    return started;
}
