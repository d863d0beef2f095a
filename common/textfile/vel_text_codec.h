// The byte format of the system's text files, without any file system:
// files created for writing are UTF-16LE with the mark FF FE and CR LF line ends;
// any file is read as UTF-16 when it starts with FF FE and as 8-bit text otherwise,
// both with text-mode line ends (CR LF comes back as LF).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace orv {

class IByteSource {
 public:
  virtual ~IByteSource() = default;
  // Bytes read into `buffer` (0 at the end), or -1 on a read error.
  virtual long Read(void* buffer, std::size_t size) = 0;
};

class IByteSink {
 public:
  virtual ~IByteSink() = default;
  virtual bool Write(const void* data, std::size_t size) = 0;
};

enum class TextEncoding { Utf16LE, EightBit };

class CVELTextReader {
 public:
  // Reads the first two bytes of `source` to choose the encoding.
  explicit CVELTextReader(IByteSource& source);
  CVELTextReader(const CVELTextReader&) = delete;
  CVELTextReader& operator=(const CVELTextReader&) = delete;

  TextEncoding Encoding() const { return encoding_; }

  // At most maxChars - 1 characters, ending after a line feed (which is kept).
  // False when nothing could be read (end of data, read error, or maxChars < 2).
  bool ReadString(std::wstring& out, std::size_t maxChars);
  // One whole line without its line feed and without a final carriage return.
  bool ReadLine(std::wstring& out);

  bool Failed() const { return failed_; }

 private:
  int RawUnit();   // next character before line-end translation; -1 at end
  int NextChar();  // next character after translation; -1 at end
  bool Fill();

  IByteSource& source_;
  TextEncoding encoding_ = TextEncoding::EightBit;
  unsigned char buffer_[4096];
  std::size_t pos_ = 0;
  std::size_t len_ = 0;
  int pending_ = -2;  // one character of look-ahead (-2: none)
  bool ended_ = false;
  bool failed_ = false;
};

class CVELTextWriter {
 public:
  CVELTextWriter(IByteSink& sink, TextEncoding encoding) : sink_(sink), encoding_(encoding) {}
  bool WriteMark();
  // Each "\n" is written as CR LF; text after the last "\n" gets no line end.
  bool WriteString(const std::wstring& text);

 private:
  IByteSink& sink_;
  TextEncoding encoding_;
};

}  // namespace orv
