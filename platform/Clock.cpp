#include "platform/Clock.h"

#include <QCoreApplication>
#include <chrono>
#include <thread>

uint32_t GetTickCount() {
    using namespace std::chrono;
    return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void Sleep(uint32_t milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void ProcessMessages() {
    if (!QCoreApplication::instance())
        return;
    const TInputHold hold;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
