#include "snmpengine/NetSnmpBridge.h"
#include "snmpengine/SnmpStatus.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

int netSnmpErrorStatus(int snmpErr) {
    using namespace SnmpStatus;
    switch (snmpErr) {
    case SNMPERR_SUCCESS:
        return Success;
    case SNMPERR_TIMEOUT:
        return Timeout;
    case SNMPERR_BAD_ADDRESS:
        return InvalidAddress;
    case SNMPERR_BAD_LOCPORT:
    case SNMPERR_NO_SOCKET:
    case SNMPERR_BAD_SENDTO:
    case SNMPERR_BAD_RECVFROM:
        return TransportFailed;
    case SNMPERR_MALLOC:
        return ResourceUnavailable;
    case SNMPERR_TOO_LONG:
    case SNMPERR_BAD_ASN1_BUILD:
    case SNMPERR_NULL_PDU:
    case SNMPERR_VAR_TYPE:
        return InvalidPdu;
    case SNMPERR_V2_IN_V1:
    case SNMPERR_V1_IN_V2:
    case SNMPERR_BAD_VERSION:
        return TargetUnsupported;
    case SNMPERR_BAD_PARSE:
    case SNMPERR_ASN_PARSE_ERR:
        return MpParseError;
    case SNMPERR_BAD_COMMUNITY:
        return MpCommunityError;
    case SNMPERR_UNKNOWN_SEC_MODEL:
        return MpUnsupportedSecurityModel;
    case SNMPERR_INVALID_MSG:
        return MpInvalidMessage;
    case SNMPERR_BAD_ENG_ID:
        return MpInvalidEngineId;
    case SNMPERR_BAD_CONTEXT:
        return MpUnknownContext;
    case SNMPERR_UNKNOWN_PDU:
        return MpUnknownPduHandlers;
    case SNMPERR_UNKNOWN_ENG_ID:
    case SNMPERR_USM_UNKNOWNENGINEID:
        return UsmUnknownEngineId;
    case SNMPERR_UNKNOWN_USER_NAME:
    case SNMPERR_BAD_SEC_NAME:
    case SNMPERR_USM_UNKNOWNSECURITYNAME:
        return UsmUnknownSecurityName;
    case SNMPERR_UNSUPPORTED_SEC_LEVEL:
    case SNMPERR_BAD_SEC_LEVEL:
    case SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL:
        return UsmUnsupportedSecurityLevel;
    case SNMPERR_AUTHENTICATION_FAILURE:
    case SNMPERR_USM_AUTHENTICATIONFAILURE:
        return UsmAuthenticationFailure;
    case SNMPERR_NOT_IN_TIME_WINDOW:
    case SNMPERR_USM_NOTINTIMEWINDOW:
        return UsmNotInTimeWindow;
    case SNMPERR_DECRYPTION_ERR:
    case SNMPERR_USM_DECRYPTIONERROR:
        return UsmDecryptionError;
    case SNMPERR_USM_ENCRYPTIONERROR:
        return UsmEncryptionError;
    case SNMPERR_USM_PARSEERROR:
        return UsmParseError;
    case SNMPERR_USM_GENERICERROR:
        return UsmError;
    default:
        return GeneralError;
    }
}

int netSnmpReportStatus(snmp_pdu* report) {
    return netSnmpErrorStatus(snmpv3_get_report_type(report));
}

bool netSnmpIsReport(const snmp_pdu* answer) {
    return answer && answer->command == SNMP_MSG_REPORT;
}
