// Compress-in-place: the source becomes its LZW container, or stays as it was.
#include <gtest/gtest.h>

#include "compress_in_place.h"
#include "memory_file_system.h"
#include "stdio_file_system.h"
#include "test_support.h"

namespace orv::compressed::test {
namespace {

const std::wstring kSource = L"web/scriptglobal.gis";
const std::wstring kWebFolder = L"web";

TEST(CompressInPlace, ReplacesTheSourceWithItsLzwContainer) {
  StdioFileSystem fs;
  TempDir dir;
  const std::wstring source = dir / L"scriptgraphics.gis";
  const Bytes content = ScriptText(40000, 31);
  WriteAll(fs, source, content);
  FileException error;
  ASSERT_TRUE(CompressFileInPlace(fs, source, dir.path(), &error)) << static_cast<int>(error.cause);
  const Bytes file = ReadAll(fs, source);
  EXPECT_EQ(ToBytes("**++LZW "), Bytes(file.begin(), file.begin() + 8));
  EXPECT_EQ(content, ExpandFile(fs, source));
  // The reference container of the same bytes.
  EXPECT_EQ(file, CompressToFile(fs, dir / L"reference.lzw", CCompressedFile::formatLzw, content));
}

TEST(CompressInPlace, EmptySourceBecomesTheEighteenByteContainer) {
  MemoryFileSystem fs;
  fs.SetFile(kSource, Bytes{});
  ASSERT_TRUE(CompressFileInPlace(fs, kSource, kWebFolder));
  EXPECT_EQ("2A 2A 2B 2B 4C 5A 57 20 00 00 00 00 02 00 00 00 00 40", Hex(fs.GetFile(kSource)));
  EXPECT_EQ(std::vector<std::wstring>{kSource}, fs.ListFiles());
}

struct FailureCase {
  const char* name;
  void (*arrange)(MemoryFileSystem& fs);
  FileErrorCause cause;
};

const FailureCase kFailures[] = {
    {"source_missing", [](MemoryFileSystem& fs) {
       FileException ignored;
       fs.Remove(kSource, ignored);
     },
     FileErrorCause::fileNotFound},
    {"source_locked", [](MemoryFileSystem& fs) { fs.FailOpen(kSource); }, FileErrorCause::accessDenied},
    {"no_temporary_file", [](MemoryFileSystem& fs) { fs.FailTemporaryFiles(true); }, FileErrorCause::directoryFull},
    {"disk_full_at_once", [](MemoryFileSystem& fs) { fs.SetWriteBudget(0); }, FileErrorCause::diskFull},
    {"disk_full_midway", [](MemoryFileSystem& fs) { fs.SetWriteBudget(40000); }, FileErrorCause::diskFull},
    {"rename_refused", [](MemoryFileSystem& fs) { fs.FailReplace(true); }, FileErrorCause::accessDenied},
};

class CompressInPlaceFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(CompressInPlaceFailure, LeavesTheSourceUntouchedAndNoTemporaryFile) {
  const FailureCase& c = GetParam();
  MemoryFileSystem fs;
  const Bytes content = RandomBytes(100000, 32);  // compresses to more than 40000 bytes
  fs.SetFile(kSource, content);
  c.arrange(fs);
  const bool sourceExisted = fs.Exists(kSource);
  FileException error;
  EXPECT_FALSE(CompressFileInPlace(fs, kSource, kWebFolder, &error));
  EXPECT_EQ(c.cause, error.cause);
  EXPECT_EQ(sourceExisted ? std::vector<std::wstring>{kSource} : std::vector<std::wstring>{}, fs.ListFiles());
  if (sourceExisted) {
    EXPECT_EQ(content, fs.GetFile(kSource));
  }
}

INSTANTIATE_TEST_SUITE_P(Failures, CompressInPlaceFailure, ::testing::ValuesIn(kFailures),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(CompressInPlace, FailedHeaderRewriteKeepsTheSource) {
  MemoryFileSystem fs;
  const Bytes content = ScriptText(1000, 33);
  fs.SetFile(kSource, content);
  // Enough for signature, header and data, not for the final header rewrite.
  const Bytes container = CompressToFile(fs, L"probe.lzw", CCompressedFile::formatLzw, content);
  FileException ignored;
  fs.Remove(L"probe.lzw", ignored);
  fs.SetWriteBudget(container.size());
  FileException error;
  EXPECT_FALSE(CompressFileInPlace(fs, kSource, kWebFolder, &error));
  EXPECT_EQ(FileErrorCause::diskFull, error.cause);
  EXPECT_EQ(content, fs.GetFile(kSource));
  EXPECT_EQ(std::vector<std::wstring>{kSource}, fs.ListFiles());
}

}  // namespace
}  // namespace orv::compressed::test
