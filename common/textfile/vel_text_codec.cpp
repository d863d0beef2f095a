#include "vel_text_codec.h"

#include "text/utf16le.h"

namespace orv {

CVELTextReader::CVELTextReader(IByteSource& source) : source_(source) {
  while (len_ < 2 && Fill()) {
  }
  if (len_ >= 2 && buffer_[0] == 0xFF && buffer_[1] == 0xFE) {
    encoding_ = TextEncoding::Utf16LE;
    pos_ = 2;
  }
}

bool CVELTextReader::Fill() {
  if (ended_) return false;
  // Keep an odd trailing byte so a UTF-16 unit split across reads stays whole.
  std::size_t keep = len_ - pos_;
  for (std::size_t i = 0; i < keep; ++i) buffer_[i] = buffer_[pos_ + i];
  pos_ = 0;
  len_ = keep;
  long got = source_.Read(buffer_ + len_, sizeof(buffer_) - len_);
  if (got < 0) {
    failed_ = true;
    ended_ = true;
    return false;
  }
  if (got == 0) {
    ended_ = true;
    return false;
  }
  len_ += static_cast<std::size_t>(got);
  return true;
}

int CVELTextReader::RawUnit() {
  if (encoding_ == TextEncoding::EightBit) {
    if (pos_ >= len_ && !Fill()) return -1;
    if (pos_ >= len_) return -1;
    int c = buffer_[pos_++];
    if (c == 0x1A) {  // text mode: Ctrl-Z ends the file
      ended_ = true;
      pos_ = len_;
      return -1;
    }
    return c;
  }
  while (len_ - pos_ < 2) {
    if (!Fill()) return -1;  // an odd final byte is not a character
  }
  int unit = buffer_[pos_] | (buffer_[pos_ + 1] << 8);
  pos_ += 2;
  if (sizeof(wchar_t) == 4 && unit >= 0xD800 && unit < 0xDC00) {
    while (len_ - pos_ < 2) {
      if (!Fill()) return unit;
    }
    int low = buffer_[pos_] | (buffer_[pos_ + 1] << 8);
    if (low >= 0xDC00 && low < 0xE000) {
      pos_ += 2;
      return 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
    }
  }
  return unit;
}

int CVELTextReader::NextChar() {
  int c;
  if (pending_ != -2) {
    c = pending_;
    pending_ = -2;
  } else {
    c = RawUnit();
  }
  if (c == '\r') {
    int next = RawUnit();
    if (next == '\n') return '\n';
    pending_ = next;
  }
  return c;
}

bool CVELTextReader::ReadString(std::wstring& out, std::size_t maxChars) {
  out.clear();
  if (maxChars < 2) return false;
  while (out.size() < maxChars - 1) {
    int c = NextChar();
    if (c < 0) {
      pending_ = -1;
      break;
    }
    out.push_back(static_cast<wchar_t>(c));
    if (c == '\n') break;
  }
  return !out.empty();
}

bool CVELTextReader::ReadLine(std::wstring& out) {
  out.clear();
  bool any = false;
  for (;;) {
    int c = NextChar();
    if (c < 0) {
      pending_ = -1;
      break;
    }
    any = true;
    if (c == '\n') break;
    out.push_back(static_cast<wchar_t>(c));
  }
  if (!out.empty() && out.back() == L'\r') out.pop_back();
  return any;
}

bool CVELTextWriter::WriteMark() {
  static const unsigned char kMark[2] = {0xFF, 0xFE};
  return encoding_ == TextEncoding::EightBit || sink_.Write(kMark, 2);
}

bool CVELTextWriter::WriteString(const std::wstring& text) {
  std::wstring expanded;
  expanded.reserve(text.size() + 16);
  for (wchar_t ch : text) {
    if (ch == L'\n') expanded.push_back(L'\r');
    expanded.push_back(ch);
  }
  std::string bytes;
  if (encoding_ == TextEncoding::Utf16LE) {
    bytes = ToUtf16LE(expanded);
  } else {
    bytes.reserve(expanded.size());
    for (wchar_t ch : expanded) {
      auto code = static_cast<std::uint32_t>(ch);
      bytes.push_back(code < 256 ? static_cast<char>(code) : '?');
    }
  }
  return bytes.empty() || sink_.Write(bytes.data(), bytes.size());
}

}  // namespace orv
