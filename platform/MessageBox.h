#pragma once
// Message boxes and the beep, all through one replaceable service. The program shows real Qt
// boxes (caption, buttons, no icon). With KTX_MESSAGE_LOG naming a file, every box and beep is
// appended there as one line and a box is answered with its default button (OK), so the
// program runs without anyone to click. Tests install a MessageRecorder instead.
#include <cstdint>
#include <string>

class QWidget;

inline constexpr int MB_OK = 0;
inline constexpr int MB_OKCANCEL = 1;
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

class MessageService {
  public:
    virtual ~MessageService() = default;
    // Returns IDOK or IDCANCEL.
    virtual int ShowBox(QWidget* owner, const std::string& text, const std::string& caption, int buttons) = 0;
    virtual void Beep(uint32_t frequency, uint32_t milliseconds) = 0;
};

MessageService& Messages();
// Installs a service and returns the one it replaces; null puts the program's own back.
MessageService* SetMessageService(MessageService* service);

// A box with a caption of the caller's ("Warning", "Error", "Waring") and MB_OK or MB_OKCANCEL.
int MessageBox(QWidget* owner, const std::string& text, const std::string& caption, int buttons = MB_OK);
// The library's box: the application's title as caption (the program file's name until the
// program sets one), one OK button.
void LibraryMessageBox(QWidget* owner, const std::string& text);
// The plain notice: no title text, one OK button.
void ShowMessage(const std::string& text);
void Beep(uint32_t frequency, uint32_t milliseconds);

// The running executable's file name without its folder.
std::string ProgramFileName();
// One line of the message log (also what tests compare against).
std::string MessageLogLine(const std::string& caption, const std::string& text, int buttons, int answer);
