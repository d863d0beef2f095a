// The system's text file class: a file opened with create for writing becomes
// UTF-16LE with the mark FF FE and CR LF line ends; any other open reads the first two
// bytes and decodes UTF-16 (with the mark) or 8-bit text, with text-mode line ends.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "textfile/vel_text_codec.h"
#include "win/unique_resource.h"

class CVELStdioFile {
 public:
  enum OpenFlags : UINT {
    modeRead = 0x0000,
    modeWrite = 0x0001,
    modeReadWrite = 0x0002,
    shareCompat = 0x0000,
    shareExclusive = 0x0010,
    shareDenyWrite = 0x0020,
    shareDenyRead = 0x0030,
    shareDenyNone = 0x0040,
    modeNoInherit = 0x0080,
    modeCreate = 0x1000,
    modeNoTruncate = 0x2000,
    typeText = 0x4000,
    typeBinary = 0x8000,
  };

  CVELStdioFile();
  ~CVELStdioFile();
  CVELStdioFile(const CVELStdioFile&) = delete;
  CVELStdioFile& operator=(const CVELStdioFile&) = delete;

  // False when the file cannot be opened; GetLastError tells why.
  BOOL Open(const wchar_t* path, UINT flags);
  void Close();
  bool IsOpen() const { return static_cast<bool>(handle_); }

  // At most maxChars - 1 characters, ending after a line feed (kept), NUL-terminated.
  // nullptr at the end of the file.
  wchar_t* ReadString(wchar_t* buffer, UINT maxChars);
  // One whole line without its line end; FALSE at the end of the file.
  BOOL ReadString(std::wstring& line);
  // "\n" is written as CR LF. False on a write error.
  bool WriteString(const wchar_t* text);

  bool IsUnicode() const { return encoding_ == orv::TextEncoding::Utf16LE; }
  // A read or write error happened since Open.
  bool HasError() const;
  const std::wstring& GetFilePath() const { return path_; }

 private:
  class FileStream;
  orv::win::UniqueHandle handle_;
  std::unique_ptr<FileStream> stream_;
  std::unique_ptr<orv::CVELTextReader> reader_;
  std::unique_ptr<orv::CVELTextWriter> writer_;
  orv::TextEncoding encoding_ = orv::TextEncoding::EightBit;
  std::wstring path_;
  bool writeFailed_ = false;
};
