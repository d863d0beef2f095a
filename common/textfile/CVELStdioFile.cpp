#include "textfile/CVELStdioFile.h"

class CVELStdioFile::FileStream : public orv::IByteSource, public orv::IByteSink {
 public:
  explicit FileStream(HANDLE h) : h_(h) {}
  long Read(void* buffer, std::size_t size) override {
    DWORD got = 0;
    if (!::ReadFile(h_, buffer, static_cast<DWORD>(size), &got, nullptr)) return -1;
    return static_cast<long>(got);
  }
  bool Write(const void* data, std::size_t size) override {
    DWORD put = 0;
    return ::WriteFile(h_, data, static_cast<DWORD>(size), &put, nullptr) && put == size;
  }

 private:
  HANDLE h_;
};

CVELStdioFile::CVELStdioFile() = default;
CVELStdioFile::~CVELStdioFile() { Close(); }

BOOL CVELStdioFile::Open(const wchar_t* path, UINT flags) {
  Close();
  if (!path || !*path) {
    ::SetLastError(ERROR_INVALID_NAME);
    return FALSE;
  }
  DWORD access = GENERIC_READ;
  switch (flags & 3) {
    case modeWrite: access = GENERIC_WRITE; break;
    case modeReadWrite: access = GENERIC_READ | GENERIC_WRITE; break;
    default: break;
  }
  DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
  switch (flags & 0x70) {
    case shareExclusive: share = 0; break;
    case shareDenyWrite: share = FILE_SHARE_READ; break;
    case shareDenyRead: share = FILE_SHARE_WRITE; break;
    default: break;
  }
  DWORD disposition = OPEN_EXISTING;
  if (flags & modeCreate) disposition = (flags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
  SECURITY_ATTRIBUTES sa{sizeof(sa), nullptr, (flags & modeNoInherit) ? FALSE : TRUE};
  handle_.reset(::CreateFileW(path, access, share, &sa, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!handle_) return FALSE;
  path_ = path;
  stream_ = std::make_unique<FileStream>(handle_.get());

  LARGE_INTEGER size{};
  ::GetFileSizeEx(handle_.get(), &size);
  bool creating = (flags & modeCreate) && size.QuadPart == 0 && (flags & 3) != modeRead;
  if (creating) {
    encoding_ = orv::TextEncoding::Utf16LE;
    writer_ = std::make_unique<orv::CVELTextWriter>(*stream_, encoding_);
    if (!writer_->WriteMark()) writeFailed_ = true;
    return TRUE;
  }
  if ((flags & 3) == modeWrite) {
    // Writing into an existing file: keep its encoding, write after its mark.
    unsigned char mark[2] = {0, 0};
    DWORD got = 0;
    HANDLE probe = ::CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
      ::ReadFile(probe, mark, 2, &got, nullptr);
      ::CloseHandle(probe);
    }
    encoding_ = (got == 2 && mark[0] == 0xFF && mark[1] == 0xFE) ? orv::TextEncoding::Utf16LE
                                                                 : orv::TextEncoding::EightBit;
    if (encoding_ == orv::TextEncoding::Utf16LE) {
      LARGE_INTEGER at{};
      at.QuadPart = 2;
      ::SetFilePointerEx(handle_.get(), at, nullptr, FILE_BEGIN);
    }
    writer_ = std::make_unique<orv::CVELTextWriter>(*stream_, encoding_);
    return TRUE;
  }
  reader_ = std::make_unique<orv::CVELTextReader>(*stream_);
  encoding_ = reader_->Encoding();
  if ((flags & 3) == modeReadWrite) writer_ = std::make_unique<orv::CVELTextWriter>(*stream_, encoding_);
  return TRUE;
}

void CVELStdioFile::Close() {
  reader_.reset();
  writer_.reset();
  stream_.reset();
  handle_.reset();
  path_.clear();
  writeFailed_ = false;
  encoding_ = orv::TextEncoding::EightBit;
}

wchar_t* CVELStdioFile::ReadString(wchar_t* buffer, UINT maxChars) {
  if (!buffer || maxChars == 0) return nullptr;
  buffer[0] = L'\0';
  std::wstring part;
  if (!reader_ || !reader_->ReadString(part, maxChars)) return nullptr;
  part.copy(buffer, part.size());
  buffer[part.size()] = L'\0';
  return buffer;
}

BOOL CVELStdioFile::ReadString(std::wstring& line) {
  line.clear();
  return reader_ && reader_->ReadLine(line);
}

bool CVELStdioFile::WriteString(const wchar_t* text) {
  if (!writer_ || !text) return false;
  if (!writer_->WriteString(text)) writeFailed_ = true;
  return !writeFailed_;
}

bool CVELStdioFile::HasError() const { return writeFailed_ || (reader_ && reader_->Failed()); }
