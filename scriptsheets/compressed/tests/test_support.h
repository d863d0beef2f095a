// Helpers of the compressed file tests: byte strings, temporary folders, whole-file
// compression and expansion through the classes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "CCompressedFile.h"
#include "file_interface.h"

namespace orv::compressed::test {

using Bytes = std::vector<std::uint8_t>;

Bytes ToBytes(const std::string& text);
Bytes Concat(std::initializer_list<Bytes> parts);
Bytes LittleEndian32(std::uint32_t value);
std::string Hex(const Bytes& bytes);

// A fresh folder under the temporary folder, removed with its content at the end.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::wstring& path() const { return path_; }
  std::wstring operator/(const std::wstring& name) const;

 private:
  std::wstring path_;
};

std::unique_ptr<CCompressedFile> MakeFile(FileSystem& fs, int format);
Bytes ReadAll(FileSystem& fs, const std::wstring& path);
void WriteAll(FileSystem& fs, const std::wstring& path, const Bytes& bytes);

// Writes `data` as a new file of `format` in pieces of `chunk` bytes; the file's bytes.
Bytes CompressToFile(FileSystem& fs, const std::wstring& path, int format, const Bytes& data,
                     std::size_t chunk = SIZE_MAX);
// Opens `path` through the factory, selects `entry` and reads it in pieces of `chunk`.
Bytes ExpandFile(FileSystem& fs, const std::wstring& path, std::size_t chunk = 4096, std::uint32_t entry = 0);

// Deterministic test inputs.
Bytes RandomBytes(std::size_t size, std::uint32_t seed);
Bytes ScriptText(std::size_t size, std::uint32_t seed);

}  // namespace orv::compressed::test
