#pragma once
// The device's log file as the log viewer shows it: text lines of a time, a TAB, "[" type "]"
// and the message.
#include <string>
#include <vector>

struct LogFileRow {
    std::string Time;
    std::string Type;
    std::string Message;
};

// Splits one line into its row; false for an empty line, which gives no row. Without a TAB the
// time is empty; without "[" ... "]" the type is empty and the message is the rest unchanged.
bool SplitLogLine(const std::string& line, LogFileRow& row);

// At most a screenful of characters of one field: a list cell that holds a whole log without
// line ends (megabytes) makes every repaint take seconds. The lines read stay as they came.
inline constexpr size_t kShownFieldCharacters = 4096;
std::string ShownPart(const std::string& field);

// Every line of a text file, without its LF or CRLF. False when the file cannot be read; only a
// regular file of at most kMaxLogFileSize bytes (the most one TFTP transfer brings) is, and for
// anything else `why` (when given) names the file and the reason.
inline constexpr size_t kMaxLogFileSize = size_t{65535} * 512;
bool ReadLogFileLines(const std::string& path, std::vector<std::string>& lines, std::string* why = nullptr);
