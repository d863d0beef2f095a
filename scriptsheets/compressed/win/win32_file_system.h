// The file interface over the platform's file API, with its errors mapped to causes.
#pragma once
#include "file_interface.h"

namespace orv::compressed {

class Win32FileSystem : public FileSystem {
 public:
  std::unique_ptr<ByteFile> Open(const std::wstring& path, FileAccess access, FileException& error) override;
  bool Remove(const std::wstring& path, FileException& error) override;
  bool MoveReplacing(const std::wstring& from, const std::wstring& to, FileException& error) override;
  // A name from the platform's temporary name service; the file is created by it.
  std::wstring CreateTemporaryFile(const std::wstring& folder, const std::wstring& prefix,
                                   FileException& error) override;
};

// The process's file system of the platform.
Win32FileSystem& PlatformFileSystem();

}  // namespace orv::compressed
