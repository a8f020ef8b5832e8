#pragma once
// IPv4 addresses: a host address, a UDP endpoint ("a.b.c.d/port") and the generic address that
// takes either text.
#include <cstdint>
#include <string>

class IpAddress {
  public:
    IpAddress() = default;
    // A dotted quad, read as four decimal numbers ("010.0.0.1" is 10.0.0.1); any other text is
    // looked up as a host name would be (so "127.1" is 127.0.0.1) and gives its first IPv4 address.
    IpAddress(const char* text);
    IpAddress(const std::string& text) : IpAddress(text.c_str()) {}
    IpAddress(const uint8_t octets[4]);

    bool valid() const { return valid_; }
    const uint8_t* octets() const { return octets_; }
    std::string get_printable() const; // "a.b.c.d"; empty when invalid

    friend bool operator==(const IpAddress& a, const IpAddress& b);

  private:
    uint8_t octets_[4] = {0, 0, 0, 0};
    bool valid_ = false;
};

class UdpAddress {
  public:
    UdpAddress() = default;
    // "host", "host/port" or "host:port"; without a port the port is 0.
    UdpAddress(const char* text);
    UdpAddress(const std::string& text) : UdpAddress(text.c_str()) {}
    UdpAddress(const IpAddress& ip, uint16_t port = 0) : ip_(ip), port_(port) {}

    bool valid() const { return ip_.valid(); }
    const IpAddress& ip() const { return ip_; }
    uint16_t get_port() const { return port_; }
    void set_port(uint16_t port) { port_ = port; }
    std::string get_printable() const; // "a.b.c.d/port"; empty when invalid

  private:
    IpAddress ip_;
    uint16_t port_ = 0;
};

class GenAddress {
  public:
    GenAddress() = default;
    GenAddress(const char* text) : udp_(text) {}
    GenAddress(const std::string& text) : udp_(text) {}
    GenAddress(const UdpAddress& udp) : udp_(udp) {}
    GenAddress(const IpAddress& ip) : udp_(ip) {}

    bool valid() const { return udp_.valid(); }
    const UdpAddress& udp() const { return udp_; }
    operator const UdpAddress&() const { return udp_; }
    std::string get_printable() const { return udp_.get_printable(); }

  private:
    UdpAddress udp_;
};
