#pragma once
// Status numbers of the engine. Callers map them onto library codes by range: agent error status
// 1 to 19, engine class errors -1 to -23, user-based security 1400 to 1414, message processing
// -1401 to -1418.

namespace SnmpStatus {
// Engine class.
constexpr int Success = 0;
constexpr int GeneralError = -1;
constexpr int ResourceUnavailable = -2;
constexpr int InternalError = -3;
constexpr int Unsupported = -4;
constexpr int Timeout = -5;
constexpr int AsyncResponse = -6;
constexpr int Notification = -7;
constexpr int SessionClosing = -8;
constexpr int UnknownError = -9;
constexpr int InvalidClass = -10;
constexpr int InvalidPdu = -11;
constexpr int InvalidTarget = -12;
constexpr int InvalidCallback = -13;
constexpr int InvalidRequestId = -14;
constexpr int InvalidNotifyId = -15;
constexpr int TargetUnsupported = -16;
constexpr int InvalidOid = -17;
constexpr int InvalidAddress = -18;
constexpr int AgentError = -19;
constexpr int TransportUnsupported = -20;
constexpr int TransportInUse = -21;
constexpr int TransportFailed = -22;
constexpr int BlockedShutdown = -23;

// Agent error status (as in the response).
constexpr int TooBig = 1;
constexpr int NoSuchName = 2;
constexpr int BadValue = 3;
constexpr int ReadOnly = 4;
constexpr int GenErr = 5;
constexpr int NoAccess = 6;
constexpr int WrongType = 7;
constexpr int WrongLength = 8;
constexpr int WrongEncoding = 9;
constexpr int WrongValue = 10;
constexpr int NoCreation = 11;
constexpr int InconsistentValue = 12;
constexpr int ResourceUnavailableAgent = 13;
constexpr int CommitFailed = 14;
constexpr int UndoFailed = 15;
constexpr int AuthorizationError = 16;
constexpr int NotWritable = 17;
constexpr int InconsistentName = 18;

// User-based security model.
constexpr int UsmOk = 1400;
constexpr int UsmError = 1401;
constexpr int UsmConfigWriteError = 1402;
constexpr int UsmUnsupportedSecurityLevel = 1403;
constexpr int UsmUnknownSecurityName = 1404;
constexpr int UsmEncryptionError = 1405;
constexpr int UsmDecryptionError = 1406;
constexpr int UsmAuthenticationError = 1407;
constexpr int UsmAuthenticationFailure = 1408;
constexpr int UsmParseError = 1409;
constexpr int UsmUnknownEngineId = 1410;
constexpr int UsmNotInTimeWindow = 1411;
constexpr int UsmUnsupportedAuthProtocol = 1412;
constexpr int UsmUnsupportedPrivProtocol = 1413;
constexpr int UsmAddressError = 1414;

// Message processing.
constexpr int MpOk = -1401;
constexpr int MpUnsupportedSecurityModel = -1402;
constexpr int MpNotInTimeWindow = -1403;
constexpr int MpDoubledMessage = -1404;
constexpr int MpInvalidMessage = -1405;
constexpr int MpInvalidEngineId = -1406;
constexpr int MpNotInitialized = -1407;
constexpr int MpParseError = -1408;
constexpr int MpUnknownMsgId = -1409;
constexpr int MpMatchError = -1410;
constexpr int MpCommunityError = -1411;
constexpr int MpWrongUserName = -1412;
constexpr int MpBuildError = -1413;
constexpr int MpUsmError = -1414;
constexpr int MpUnknownPduHandlers = -1415;
constexpr int MpUnavailableContext = -1416;
constexpr int MpUnknownContext = -1417;
constexpr int MpReportSent = -1418;
} // namespace SnmpStatus
