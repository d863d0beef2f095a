// The small file interface under the compressed file family: byte files and the few
// folder operations that compress-in-place needs. The Windows shell implements it over
// the platform's file API; portable implementations serve tests, tools and fuzzers.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace orv::compressed {

// Why a file operation failed, with the values of the platform's file exception causes.
enum class FileErrorCause : int {
  none = 0,
  genericException = 1,
  fileNotFound = 2,
  badPath = 3,
  tooManyOpenFiles = 4,
  accessDenied = 5,
  invalidFile = 6,
  removeCurrentDir = 7,
  directoryFull = 8,
  badSeek = 9,
  hardIO = 10,
  sharingViolation = 11,
  lockViolation = 12,
  diskFull = 13,
  endOfFile = 14,
};

// The caller's exception object: receives the cause of a failed operation.
struct FileException {
  FileErrorCause cause = FileErrorCause::none;
  long osError = 0;       // the platform's own error code, 0 when there is none
  std::wstring fileName;  // the file the failure is about

  void Set(FileErrorCause c, long os, const std::wstring& name) {
    cause = c;
    osError = os;
    fileName = name;
  }
};

enum class FileAccess {
  Read,           // existing file, others may read
  ReadDenyWrite,  // existing file, others may read but not write while it is open
  CreateWrite,    // created, or truncated when it exists
  WriteExisting,  // existing file opened for writing, content kept
};

class ByteFile {
 public:
  virtual ~ByteFile() = default;
  // Reads up to `count` bytes at the current position; fewer at the end of the file.
  // Returns SIZE_MAX on a read error.
  virtual std::size_t Read(void* buffer, std::size_t count, FileException& error) = 0;
  virtual bool Write(const void* data, std::size_t count, FileException& error) = 0;
  virtual bool Seek(std::uint64_t position, FileException& error) = 0;
  virtual bool GetLength(std::uint64_t& length, FileException& error) = 0;
  // Flushes and closes; further calls fail.
  virtual bool Close(FileException& error) = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual std::unique_ptr<ByteFile> Open(const std::wstring& path, FileAccess access, FileException& error) = 0;
  virtual bool Remove(const std::wstring& path, FileException& error) = 0;
  // Renames `from` to `to`, replacing `to` in one step when it exists.
  virtual bool MoveReplacing(const std::wstring& from, const std::wstring& to, FileException& error) = 0;
  // Creates a new empty file with a unique name starting with `prefix` in `folder` and
  // returns its path (empty on failure).
  virtual std::wstring CreateTemporaryFile(const std::wstring& folder, const std::wstring& prefix,
                                           FileException& error) = 0;
};

}  // namespace orv::compressed
