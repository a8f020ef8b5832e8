#pragma once
// The OnStatus event: the reporting record and the session's cancel flag (set it to cancel).
#include "library/tftp/NxTFTPMsg.h"

#include <functional>

using NxTFTPStatusHandler = std::function<void(NxTFTPMsg* msg, bool* cancel)>;
