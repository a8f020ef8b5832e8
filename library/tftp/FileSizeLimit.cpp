#include "library/tftp/FileSizeLimit.h"

#include <csignal>

void IgnoreFileSizeSignal() {
    std::signal(SIGXFSZ, SIG_IGN);
}
