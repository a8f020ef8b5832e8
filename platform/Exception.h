#pragma once
// The class library's standard exception: a message and a help context.
// The library raises it with a status code's text and the code as help context.
#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
  public:
    explicit Exception(const std::string& message, int helpContext = 0)
        : std::runtime_error(message), Message(message), HelpContext(helpContext) {}
    std::string Message;
    int HelpContext;
};

// The string class's failed integer conversion.
class EConvertError : public Exception {
  public:
    using Exception::Exception;
};
