// Files through the C library: the file system of native tools and tests.
#pragma once
#include "file_interface.h"

namespace orv::compressed {

class StdioFileSystem : public FileSystem {
 public:
  std::unique_ptr<ByteFile> Open(const std::wstring& path, FileAccess access, FileException& error) override;
  bool Remove(const std::wstring& path, FileException& error) override;
  bool MoveReplacing(const std::wstring& from, const std::wstring& to, FileException& error) override;
  std::wstring CreateTemporaryFile(const std::wstring& folder, const std::wstring& prefix,
                                   FileException& error) override;
};

}  // namespace orv::compressed
