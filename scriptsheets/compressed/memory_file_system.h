// Files held in memory, with failures that can be switched on: for tests, fuzzers and
// the benchmark, where the codecs and the container matter and the disk does not.
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "file_interface.h"

namespace orv::compressed {

class MemoryFileSystem : public FileSystem {
 public:
  using Bytes = std::vector<std::uint8_t>;

  std::unique_ptr<ByteFile> Open(const std::wstring& path, FileAccess access, FileException& error) override;
  bool Remove(const std::wstring& path, FileException& error) override;
  bool MoveReplacing(const std::wstring& from, const std::wstring& to, FileException& error) override;
  std::wstring CreateTemporaryFile(const std::wstring& folder, const std::wstring& prefix,
                                   FileException& error) override;

  void SetFile(const std::wstring& path, Bytes bytes);
  void SetFile(const std::wstring& path, const std::string& bytes);
  bool Exists(const std::wstring& path) const { return files_.count(path) != 0; }
  Bytes GetFile(const std::wstring& path) const;
  std::vector<std::wstring> ListFiles() const;

  // Failure switches.
  void FailOpen(const std::wstring& path) { failOpen_.insert(path); }
  void SetWriteBudget(std::uint64_t bytes) { writeBudget_ = bytes; }  // then writes fail with diskFull
  void FailReplace(bool fail) { failReplace_ = fail; }
  void FailTemporaryFiles(bool fail) { failTemporary_ = fail; }

 private:
  class File;
  std::map<std::wstring, std::shared_ptr<Bytes>> files_;
  std::set<std::wstring> failOpen_;
  std::uint64_t writeBudget_ = UINT64_MAX;
  bool failReplace_ = false;
  bool failTemporary_ = false;
  unsigned temporaryCounter_ = 0;
};

}  // namespace orv::compressed
