#pragma once
// The file one session moves, kept inside the root folder: links and anything but regular files are
// refused, nothing is opened in a way that can block, and a received file takes the name only once
// it is complete, so a failed transfer leaves the old file as it was.
#include <string>

class TFTPLocalFile {
  public:
    enum class Result { Ok, NotFound, Refused, NoSpace };

    TFTPLocalFile() = default;
    TFTPLocalFile(const TFTPLocalFile&) = delete;
    TFTPLocalFile& operator=(const TFTPLocalFile&) = delete;
    ~TFTPLocalFile() { Close(); }

    // `root` ends in a separator (an empty root holds no file); `name` is a plain file name.
    Result OpenForRead(const std::string& root, const std::string& name);
    // Opens a temporary file beside the named one; Commit gives it the name.
    Result OpenForWrite(const std::string& root, const std::string& name);
    // Stores what was written; the file keeps its temporary name until Commit or Close.
    Result Finish();
    // Stores what was written and renames it over the named file.
    Result Commit();
    // Closes the file; a receive not committed is removed.
    void Close();

    int Fd() const { return m_fd; }
    bool IsOpen() const { return m_fd >= 0; }

  private:
    void Release();

    int m_fd = -1;
    bool m_writing = false;
    std::string m_path;
    std::string m_tempPath;
    std::string m_key;     // resolved path of the named file: what other sessions must not touch
    std::string m_tempKey; // resolved path of the temporary file
};
