#include "compress_in_place.h"

#include <vector>

#include "CLzwFile.h"

namespace orv::compressed {
namespace {

// Removes the temporary file unless it became the result.
class TemporaryFile {
 public:
  TemporaryFile(FileSystem& fs, std::wstring path) : fs_(fs), path_(std::move(path)) {}
  ~TemporaryFile() {
    FileException ignored;
    if (!path_.empty()) fs_.Remove(path_, ignored);
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  const std::wstring& path() const { return path_; }
  void Keep() { path_.clear(); }

 private:
  FileSystem& fs_;
  std::wstring path_;
};

bool ReadWhole(ByteFile& file, std::vector<std::uint8_t>& bytes, FileException& error) {
  std::uint64_t length = 0;
  if (!file.GetLength(length, error)) return false;
  bytes.resize(static_cast<std::size_t>(length));
  std::size_t total = 0;
  while (total < bytes.size()) {
    const std::size_t n = file.Read(bytes.data() + total, bytes.size() - total, error);
    if (n == SIZE_MAX) return false;
    if (n == 0) break;
    total += n;
  }
  bytes.resize(total);
  return true;
}

bool Failed(FileException* out, const FileException& error) {
  if (out) *out = error;
  return false;
}

}  // namespace

bool CompressFileInPlace(FileSystem& fs, const std::wstring& sourcePath, const std::wstring& temporaryFolder,
                         FileException* out) {
  FileException error;
  auto source = fs.Open(sourcePath, FileAccess::ReadDenyWrite, error);
  if (!source) return Failed(out, error);
  TemporaryFile temporary(fs, fs.CreateTemporaryFile(temporaryFolder, L"tmp", error));
  if (temporary.path().empty()) return Failed(out, error);

  std::vector<std::uint8_t> content;
  if (!ReadWhole(*source, content, error)) return Failed(out, error);
  {
    CLzwFile lzw(fs);
    if (!lzw.Open(temporary.path(), CCompressedFile::modeCreate | CCompressedFile::modeWrite, &error))
      return Failed(out, error);
    if (!content.empty() && !lzw.Write(content.data(), content.size())) {
      error = lzw.GetWriteError();
      lzw.Close();
      return Failed(out, error);
    }
    if (!lzw.Close()) return Failed(out, lzw.GetWriteError());
  }
  source->Close(error);
  source.reset();
  // One step from the complete compressed file to the source's name: at no time is
  // there neither the old nor the new content under that name.
  if (!fs.MoveReplacing(temporary.path(), sourcePath, error)) return Failed(out, error);
  temporary.Keep();
  return true;
}

}  // namespace orv::compressed
