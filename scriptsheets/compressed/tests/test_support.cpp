#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "CHuffmanFile.h"
#include "CLzssFile.h"
#include "CLzwFile.h"
#include "CUncompressedFile.h"

namespace orv::compressed::test {

Bytes ToBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

Bytes LittleEndian32(std::uint32_t value) {
  return Bytes{static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
               static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

std::string Hex(const Bytes& bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (std::uint8_t b : bytes) {
    if (!out.empty()) out += ' ';
    out += digits[b >> 4];
    out += digits[b & 15];
  }
  return out;
}

TempDir::TempDir() {
  std::random_device seed;
  const auto base = std::filesystem::temp_directory_path();
  for (;;) {
    auto candidate = base / ("orvcz" + std::to_string(seed() % 1000000u));
    if (std::filesystem::create_directory(candidate)) {
      path_ = candidate.wstring();
      return;
    }
  }
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(std::filesystem::path(path_), ignored);
}

std::wstring TempDir::operator/(const std::wstring& name) const { return path_ + L"/" + name; }

std::unique_ptr<CCompressedFile> MakeFile(FileSystem& fs, int format) { return CreateCompressedFile(fs, L"", format); }

Bytes ReadAll(FileSystem& fs, const std::wstring& path) {
  FileException error;
  auto file = fs.Open(path, FileAccess::Read, error);
  if (!file) return {};
  Bytes out;
  std::uint8_t buffer[8192];
  for (;;) {
    const std::size_t n = file->Read(buffer, sizeof buffer, error);
    if (n == 0 || n == SIZE_MAX) break;
    out.insert(out.end(), buffer, buffer + n);
  }
  file->Close(error);
  return out;
}

void WriteAll(FileSystem& fs, const std::wstring& path, const Bytes& bytes) {
  FileException error;
  auto file = fs.Open(path, FileAccess::CreateWrite, error);
  ASSERT_TRUE(file) << "cannot create test file";
  ASSERT_TRUE(file->Write(bytes.data(), bytes.size(), error));
  ASSERT_TRUE(file->Close(error));
}

Bytes CompressToFile(FileSystem& fs, const std::wstring& path, int format, const Bytes& data, std::size_t chunk) {
  auto file = MakeFile(fs, format);
  EXPECT_TRUE(file->Open(path, CCompressedFile::modeCreate | CCompressedFile::modeWrite));
  for (std::size_t at = 0; at < data.size();) {
    const std::size_t n = std::min(chunk, data.size() - at);
    EXPECT_TRUE(file->Write(data.data() + at, n));
    at += n;
  }
  EXPECT_TRUE(file->Close());
  return ReadAll(fs, path);
}

Bytes ExpandFile(FileSystem& fs, const std::wstring& path, std::size_t chunk, std::uint32_t entry) {
  auto file = CreateCompressedFile(fs, path, CCompressedFile::formatUncompressed);
  if (!file->Open(path, CCompressedFile::modeRead)) return {};
  if (entry != 0 && !file->SelectEntry(entry)) return {};
  Bytes out;
  Bytes buffer(chunk);
  for (;;) {
    const std::size_t n = file->Read(buffer.data(), chunk);
    if (n == 0) break;
    out.insert(out.end(), buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(n));
  }
  file->Close();
  return out;
}

Bytes RandomBytes(std::size_t size, std::uint32_t seed) {
  std::mt19937 random(seed);
  Bytes out(size);
  for (auto& b : out) b = static_cast<std::uint8_t>(random());
  return out;
}

Bytes ScriptText(std::size_t size, std::uint32_t seed) {
  static const char* const words[] = {"Dim ",     "If ",       "Then\r\n",  "End If\r\n", "$Tag",   "Call ",
                                      "Sub ",     "End Sub\r\n", "= ",      "+ 1\r\n",    "    ",   "' comment\r\n",
                                      "MsgBox ", "\"text\" ",  "For i = 0 To 10\r\n", "Next\r\n", "Level", "Pump"};
  std::mt19937 random(seed);
  Bytes out;
  while (out.size() < size) {
    const char* w = words[random() % (sizeof words / sizeof words[0])];
    for (; *w && out.size() < size; ++w) out.push_back(static_cast<std::uint8_t>(*w));
  }
  return out;
}

}  // namespace orv::compressed::test
