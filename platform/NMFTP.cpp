#include "platform/NMFTP.h"

#include "platform/Exception.h"

#include <curl/curl.h>
#include <mutex>
#include <poll.h>

namespace {

void InitCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

} // namespace

bool HoldsControlCharacter(const std::string& text) {
    for (unsigned char c : text)
        if (c < 0x20)
            return true;
    return false;
}

TNMFTP::TNMFTP(QObject* owner) : QObject(owner) {}

TNMFTP::~TNMFTP() {
    Disconnect();
}

void TNMFTP::Connect() {
    Disconnect();
    if (HoldsControlCharacter(Host) || HoldsControlCharacter(UserID) || HoldsControlCharacter(Password))
        throw Exception("FTP: the server, user name or password holds a control character");
    InitCurlOnce();
    CURL* curl = curl_easy_init();
    if (curl == nullptr)
        throw Exception("FTP: cannot create a connection");
    char error[CURL_ERROR_SIZE] = "";
    const std::string url = "ftp://" + Host + ":" + std::to_string(Port) + "/";
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "ftp");
    curl_easy_setopt(curl, CURLOPT_USERNAME, UserID.c_str());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, Password.c_str());
    // Log in and stop: no directory listing, no data connection.
    curl_easy_setopt(curl, CURLOPT_CONNECT_ONLY, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(TimeoutMs));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(TimeoutMs));
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);
    const CURLcode rc = curl_easy_perform(curl);
    if (rc != CURLE_OK) {
        curl_easy_cleanup(curl);
        const std::string reason = error[0] ? error : curl_easy_strerror(rc);
        throw Exception("FTP: " + reason);
    }
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, nullptr);
    Handle_ = curl;
}

void TNMFTP::Disconnect() {
    if (Handle_ == nullptr)
        return;
    // A connect-only handle does not say QUIT by itself; say it and wait briefly for the answer.
    CURL* curl = static_cast<CURL*>(Handle_);
    static const char quit[] = "QUIT\r\n";
    size_t sent = 0;
    curl_socket_t fd = CURL_SOCKET_BAD;
    if (curl_easy_send(curl, quit, sizeof quit - 1, &sent) == CURLE_OK &&
        curl_easy_getinfo(curl, CURLINFO_ACTIVESOCKET, &fd) == CURLE_OK && fd != CURL_SOCKET_BAD) {
        pollfd p{fd, POLLIN, 0};
        char reply[256];
        size_t got = 0;
        if (poll(&p, 1, 1000) > 0)
            curl_easy_recv(curl, reply, sizeof reply, &got);
    }
    curl_easy_cleanup(curl);
    Handle_ = nullptr;
}
