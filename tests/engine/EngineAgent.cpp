#include "tests/engine/EngineAgent.h"
#include "tests/support/FreePort.h"

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

DevSimOptions EngineAgentOptions() {
    DevSimOptions options;
    options.dataFile = std::string(KTX_ENGINE_SOURCE_DIR) + "/tests/engine/data/engine-agent.txt";
    options.users = {{"alice", "MD5", "alicepass1", "DES", "alicepriv1"},
                     {"bob", "SHA", "bobpass123", "AES", "bobpriv123"}};
    return options;
}
