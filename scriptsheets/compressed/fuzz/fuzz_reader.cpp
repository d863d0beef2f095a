#include "fuzz_reader.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "CCompressedFile.h"
#include "memory_file_system.h"

namespace orv::compressed::fuzz {
namespace {

constexpr std::size_t kOutputCap = 1 << 18;  // garbage may state 4 GB; a little shows the behaviour

void ReadEntry(CCompressedFile& file, std::size_t chunk) {
  std::vector<std::uint8_t> buffer(chunk + 1);
  std::size_t total = 0;
  while (total < kOutputCap) {
    buffer[chunk] = 0xA5;
    const std::size_t n = file.Read(buffer.data(), chunk);
    if (n > chunk || buffer[chunk] != 0xA5) std::abort();  // wrote past what it was given
    if (n == 0) break;
    total += n;
  }
  if (total > file.GetUncompressedLength()) std::abort();
}

}  // namespace

int FuzzReader(int format, const std::uint8_t* data, std::size_t size) {
  MemoryFileSystem fs;
  const std::wstring path = L"fuzz.bin";
  std::vector<std::uint8_t> file;
  if (const char* signature = CCompressedFile::Signature(format)) file.assign(signature, signature + 8);
  file.insert(file.end(), data, data + size);
  fs.SetFile(path, file);

  // Plain bytes may begin with a signature by chance: then they are that format's file.
  const int detected = format >= 0 ? format : CCompressedFile::DetectSignature(data, size);
  if (CCompressedFile::Detect(fs, path) != detected) std::abort();
  auto reader = CreateCompressedFile(fs, path, format);
  if (!reader->Open(path, CCompressedFile::modeRead)) std::abort();
  const std::size_t chunk = size > 0 ? 1 + data[0] % 61 : 1;
  if (detected < 0) {
    std::vector<std::uint8_t> plain(size + 1);
    std::size_t total = 0;
    for (std::size_t n; (n = reader->Read(plain.data() + total, std::min(chunk, plain.size() - total))) > 0;) total += n;
    if (total != size || (size > 0 && std::memcmp(plain.data(), data, size) != 0)) std::abort();
  }
  ReadEntry(*reader, chunk);
  if (reader->SelectEntry(1)) ReadEntry(*reader, 4096);
  if (reader->SelectEntry(0)) ReadEntry(*reader, 7);
  reader->Close();

  if (detected != format) return 0;
  // The input, compressed and expanded again, is itself.
  auto writer = CreateCompressedFile(fs, L"", format);
  if (!writer->Open(L"out.bin", CCompressedFile::modeCreate | CCompressedFile::modeWrite)) std::abort();
  if (size > 0 && !writer->Write(data, size)) std::abort();
  if (!writer->Close()) std::abort();
  auto back = CreateCompressedFile(fs, L"out.bin", -1);
  if (!back->Open(L"out.bin", CCompressedFile::modeRead)) std::abort();
  std::vector<std::uint8_t> expanded(size + 1);
  std::size_t total = 0;
  for (std::size_t n; (n = back->Read(expanded.data() + total, expanded.size() - total)) > 0;) total += n;
  if (total != size || (size > 0 && std::memcmp(expanded.data(), data, size) != 0)) std::abort();
  return 0;
}

}  // namespace orv::compressed::fuzz
