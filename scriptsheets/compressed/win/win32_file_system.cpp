#include "win32_file_system.h"

#include <windows.h>

#include <algorithm>

#include "file_error_mapping.h"
#include "win/unique_resource.h"

namespace orv::compressed {
namespace {

bool SetLastErrorCause(FileException& error, const std::wstring& path) {
  const DWORD code = ::GetLastError();
  error.Set(CauseFromWin32Error(code), static_cast<long>(code), path);
  return false;
}

class Win32File : public ByteFile {
 public:
  Win32File(HANDLE handle, std::wstring path) : handle_(handle), path_(std::move(path)) {}

  std::size_t Read(void* buffer, std::size_t count, FileException& error) override {
    DWORD read = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(count, 0x40000000));
    if (!::ReadFile(handle_.get(), buffer, chunk, &read, nullptr)) {
      SetLastErrorCause(error, path_);
      return SIZE_MAX;
    }
    return read;
  }
  bool Write(const void* data, std::size_t count, FileException& error) override {
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    while (count > 0) {
      const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(count, 0x40000000));
      DWORD written = 0;
      if (!::WriteFile(handle_.get(), bytes, chunk, &written, nullptr)) return SetLastErrorCause(error, path_);
      if (written == 0) {
        error.Set(FileErrorCause::diskFull, ERROR_DISK_FULL, path_);
        return false;
      }
      bytes += written;
      count -= written;
    }
    return true;
  }
  bool Seek(std::uint64_t position, FileException& error) override {
    LARGE_INTEGER distance;
    distance.QuadPart = static_cast<LONGLONG>(position);
    if (!::SetFilePointerEx(handle_.get(), distance, nullptr, FILE_BEGIN)) return SetLastErrorCause(error, path_);
    return true;
  }
  bool GetLength(std::uint64_t& length, FileException& error) override {
    LARGE_INTEGER size;
    if (!::GetFileSizeEx(handle_.get(), &size)) return SetLastErrorCause(error, path_);
    length = static_cast<std::uint64_t>(size.QuadPart);
    return true;
  }
  bool Close(FileException& error) override {
    if (!handle_) {
      error.Set(FileErrorCause::invalidFile, ERROR_INVALID_HANDLE, path_);
      return false;
    }
    const HANDLE handle = handle_.release();
    if (!::CloseHandle(handle)) return SetLastErrorCause(error, path_);
    return true;
  }

 private:
  orv::win::UniqueHandle handle_;
  std::wstring path_;
};

}  // namespace

std::unique_ptr<ByteFile> Win32FileSystem::Open(const std::wstring& path, FileAccess access, FileException& error) {
  DWORD desired = GENERIC_READ;
  DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
  DWORD disposition = OPEN_EXISTING;
  switch (access) {
    case FileAccess::Read: break;
    case FileAccess::ReadDenyWrite: share = FILE_SHARE_READ; break;
    case FileAccess::CreateWrite:
      desired = GENERIC_WRITE;
      share = FILE_SHARE_READ;
      disposition = CREATE_ALWAYS;
      break;
    case FileAccess::WriteExisting:
      desired = GENERIC_WRITE;
      share = FILE_SHARE_READ;
      break;
  }
  HANDLE handle = ::CreateFileW(path.c_str(), desired, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    SetLastErrorCause(error, path);
    return nullptr;
  }
  return std::make_unique<Win32File>(handle, path);
}

bool Win32FileSystem::Remove(const std::wstring& path, FileException& error) {
  if (!::DeleteFileW(path.c_str())) return SetLastErrorCause(error, path);
  return true;
}

bool Win32FileSystem::MoveReplacing(const std::wstring& from, const std::wstring& to, FileException& error) {
  if (!::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED))
    return SetLastErrorCause(error, from);
  return true;
}

std::wstring Win32FileSystem::CreateTemporaryFile(const std::wstring& folder, const std::wstring& prefix,
                                                  FileException& error) {
  wchar_t path[MAX_PATH + 1] = {};
  if (::GetTempFileNameW(folder.c_str(), prefix.c_str(), 0, path) == 0) {
    SetLastErrorCause(error, folder);
    return L"";
  }
  return path;
}

Win32FileSystem& PlatformFileSystem() {
  static Win32FileSystem fs;
  return fs;
}

}  // namespace orv::compressed
