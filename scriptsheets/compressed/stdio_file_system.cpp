#include "stdio_file_system.h"

#include <cerrno>
#include <cstdio>
#include <random>

#include "text/utf16le.h"

namespace orv::compressed {
namespace {

FileErrorCause CauseFromErrno(int code) {
  switch (code) {
    case ENOENT: return FileErrorCause::fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG: return FileErrorCause::badPath;
    case EACCES:
    case EPERM:
    case EROFS: return FileErrorCause::accessDenied;
    case EMFILE:
    case ENFILE: return FileErrorCause::tooManyOpenFiles;
    case ENOSPC: return FileErrorCause::diskFull;
    case EIO: return FileErrorCause::hardIO;
    case EEXIST: return FileErrorCause::genericException;
    default: return FileErrorCause::genericException;
  }
}

void SetFromErrno(FileException& error, const std::wstring& path) {
  const int code = errno;
  error.Set(CauseFromErrno(code), code, path);
}

std::FILE* OpenFile(const std::wstring& path, const char* mode) {
#ifdef _WIN32
  const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
  return ::_wfopen(path.c_str(), wideMode.c_str());
#else
  return std::fopen(ToUtf8(path).c_str(), mode);
#endif
}

int RemoveFile(const std::wstring& path) {
#ifdef _WIN32
  return ::_wremove(path.c_str());
#else
  return std::remove(ToUtf8(path).c_str());
#endif
}

int RenameFile(const std::wstring& from, const std::wstring& to) {
#ifdef _WIN32
  return ::_wrename(from.c_str(), to.c_str());
#else
  return std::rename(ToUtf8(from).c_str(), ToUtf8(to).c_str());
#endif
}

class StdioFile : public ByteFile {
 public:
  StdioFile(std::FILE* file, std::wstring path) : file_(file), path_(std::move(path)) {}
  ~StdioFile() override {
    if (file_) std::fclose(file_);
  }
  StdioFile(const StdioFile&) = delete;
  StdioFile& operator=(const StdioFile&) = delete;

  std::size_t Read(void* buffer, std::size_t count, FileException& error) override {
    if (!file_) {
      Closed(error);
      return SIZE_MAX;
    }
    const std::size_t n = std::fread(buffer, 1, count, file_);
    if (n == 0 && std::ferror(file_)) {
      SetFromErrno(error, path_);
      return SIZE_MAX;
    }
    return n;
  }
  bool Write(const void* data, std::size_t count, FileException& error) override {
    if (!file_) return Closed(error);
    if (std::fwrite(data, 1, count, file_) != count) {
      SetFromErrno(error, path_);
      return false;
    }
    return true;
  }
  bool Seek(std::uint64_t position, FileException& error) override {
    if (!file_) return Closed(error);
#ifdef _WIN32
    const int result = ::_fseeki64(file_, static_cast<long long>(position), SEEK_SET);
#else
    const int result = ::fseeko(file_, static_cast<off_t>(position), SEEK_SET);
#endif
    if (result != 0) {
      error.Set(FileErrorCause::badSeek, errno, path_);
      return false;
    }
    return true;
  }
  bool GetLength(std::uint64_t& length, FileException& error) override {
    if (!file_) return Closed(error);
#ifdef _WIN32
    const long long here = ::_ftelli64(file_);
    const bool ok = here >= 0 && ::_fseeki64(file_, 0, SEEK_END) == 0;
    const long long end = ok ? ::_ftelli64(file_) : -1;
    if (end < 0 || ::_fseeki64(file_, here, SEEK_SET) != 0) {
#else
    const off_t here = ::ftello(file_);
    const bool ok = here >= 0 && ::fseeko(file_, 0, SEEK_END) == 0;
    const off_t end = ok ? ::ftello(file_) : -1;
    if (end < 0 || ::fseeko(file_, here, SEEK_SET) != 0) {
#endif
      error.Set(FileErrorCause::badSeek, errno, path_);
      return false;
    }
    length = static_cast<std::uint64_t>(end);
    return true;
  }
  bool Close(FileException& error) override {
    if (!file_) return Closed(error);
    const int result = std::fclose(file_);
    file_ = nullptr;
    if (result != 0) {
      SetFromErrno(error, path_);
      return false;
    }
    return true;
  }

 private:
  bool Closed(FileException& error) {
    error.Set(FileErrorCause::invalidFile, 0, path_);
    return false;
  }
  std::FILE* file_;
  std::wstring path_;
};

}  // namespace

std::unique_ptr<ByteFile> StdioFileSystem::Open(const std::wstring& path, FileAccess access, FileException& error) {
  const char* mode = "rb";
  if (access == FileAccess::CreateWrite) mode = "wb";
  if (access == FileAccess::WriteExisting) mode = "r+b";
  std::FILE* file = OpenFile(path, mode);
  if (!file) {
    SetFromErrno(error, path);
    return nullptr;
  }
  return std::make_unique<StdioFile>(file, path);
}

bool StdioFileSystem::Remove(const std::wstring& path, FileException& error) {
  if (RemoveFile(path) != 0) {
    SetFromErrno(error, path);
    return false;
  }
  return true;
}

bool StdioFileSystem::MoveReplacing(const std::wstring& from, const std::wstring& to, FileException& error) {
#ifdef _WIN32
  RemoveFile(to);  // the C library's rename does not replace here
#endif
  if (RenameFile(from, to) != 0) {
    SetFromErrno(error, from);
    return false;
  }
  return true;
}

std::wstring StdioFileSystem::CreateTemporaryFile(const std::wstring& folder, const std::wstring& prefix,
                                                  FileException& error) {
  std::random_device seed;
  std::mt19937 random(seed());
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::wstring path = folder + L"/" + prefix + std::to_wstring(random() % 0xFFFFu) + L".tmp";
    if (std::FILE* existing = OpenFile(path, "rb")) {
      std::fclose(existing);
      continue;
    }
    std::FILE* created = OpenFile(path, "wb");
    if (!created) {
      SetFromErrno(error, path);
      return L"";
    }
    std::fclose(created);
    return path;
  }
  error.Set(FileErrorCause::directoryFull, 0, folder);
  return L"";
}

}  // namespace orv::compressed
