// The container: detection, the factory, the open modes, append and entry selection.
#include <gtest/gtest.h>

#include "CHuffmanFile.h"
#include "CLzssFile.h"
#include "CLzwFile.h"
#include "CUncompressedFile.h"
#include "stdio_file_system.h"
#include "test_support.h"

namespace orv::compressed::test {
namespace {

class Container : public ::testing::Test {
 protected:
  StdioFileSystem fs_;
  TempDir dir_;
};

TEST_F(Container, DetectComparesTheFirstEightBytes) {
  const struct {
    std::string head;
    int format;
  } cases[] = {
      {"**++HUFF", 0},          {"**++LZSS", 1},         {"**++LZW ", 2},         {"**++LZW \x01\x02", 2},
      {"**++LZW", -1},          {"**++LZWX", -1},        {std::string("**++LZW\0", 8), -1},
      {"**++LZW_more", -1},     {"**++huff", -1},        {"", -1},               {"*", -1},
      {"Dim a\r\n", -1},
  };
  for (const auto& c : cases) {
    const std::wstring path = dir_ / L"detect.bin";
    WriteAll(fs_, path, ToBytes(c.head));
    EXPECT_EQ(c.format, CCompressedFile::Detect(fs_, path)) << "head \"" << c.head << "\"";
  }
  EXPECT_EQ(-1, CCompressedFile::Detect(fs_, dir_ / L"missing.bin"));
}

TEST_F(Container, FactoryTakesTheFormatFromTheFileOrFromTheIndex) {
  for (int format : {0, 1, 2, -1, 3, -7}) {
    auto file = MakeFile(fs_, format);
    const std::wstring path = dir_ / L"made.bin";
    ASSERT_TRUE(file->Open(path, CCompressedFile::modeCreate | CCompressedFile::modeWrite));
    ASSERT_TRUE(file->Write("x", 1));
    ASSERT_TRUE(file->Close());
    const int expected = (format >= 0 && format <= 2) ? format : -1;
    EXPECT_EQ(expected, CCompressedFile::Detect(fs_, path));
    auto reader = CreateCompressedFile(fs_, path, 99);
    ASSERT_TRUE(reader->Open(path, CCompressedFile::modeRead));
    EXPECT_EQ(expected, reader->GetFormat());
    char c = 0;
    EXPECT_EQ(1u, reader->Read(&c, 1));
    EXPECT_EQ('x', c);
  }
}

TEST_F(Container, PlainFileReadsAsOneEntryOfItsOwnLength) {
  const std::wstring path = dir_ / L"plain.gis";
  const Bytes content = ToBytes("**++LZW\tnot a signature\r\n");
  WriteAll(fs_, path, content);
  auto file = CreateCompressedFile(fs_, path, CCompressedFile::formatLzw);
  ASSERT_TRUE(file->Open(path, CCompressedFile::modeRead));
  EXPECT_EQ(content.size(), file->GetUncompressedLength());
  EXPECT_EQ(content.size(), file->GetCompressedLength());
  EXPECT_FALSE(file->SelectEntry(0));
  EXPECT_EQ(content, ExpandFile(fs_, path, 5));
}

TEST_F(Container, OpenRefusesOtherModesAndReportsTheCause) {
  const std::wstring path = dir_ / L"a.lzw";
  CompressToFile(fs_, path, CCompressedFile::formatLzw, ToBytes("abc"));
  for (unsigned mode : {unsigned{CCompressedFile::modeReadWrite}, unsigned{CCompressedFile::modeCreate},
                        CCompressedFile::modeCreate | CCompressedFile::modeReadWrite,
                        CCompressedFile::modeCreate | CCompressedFile::modeWrite | CCompressedFile::modeNoTruncate}) {
    CLzwFile file(fs_);
    FileException error;
    EXPECT_FALSE(file.Open(path, mode, &error)) << "mode " << mode;
    EXPECT_EQ(FileErrorCause::genericException, error.cause);
    EXPECT_FALSE(file.IsOpen());
  }
  EXPECT_EQ(ToBytes("abc"), ExpandFile(fs_, path));  // untouched by the refused opens

  CLzwFile missing(fs_);
  FileException error;
  EXPECT_FALSE(missing.Open(dir_ / L"none.lzw", CCompressedFile::modeRead, &error));
  EXPECT_EQ(FileErrorCause::fileNotFound, error.cause);
  EXPECT_EQ(dir_ / L"none.lzw", error.fileName);
  EXPECT_FALSE(missing.Open(dir_ / L"none.lzw", CCompressedFile::modeWrite, &error));
  EXPECT_EQ(FileErrorCause::fileNotFound, error.cause);

  CLzwFile shared(fs_);
  EXPECT_TRUE(shared.Open(path, CCompressedFile::modeRead | CCompressedFile::shareDenyWrite | CCompressedFile::typeBinary));
  EXPECT_FALSE(shared.Open(path, CCompressedFile::modeRead)) << "already open";
  EXPECT_FALSE(shared.Write("x", 1)) << "opened for reading";
}

TEST_F(Container, ReadingAnotherFormatsFileThroughAClassFailsInsteadOfGarbling) {
  const std::wstring path = dir_ / L"h.bin";
  CompressToFile(fs_, path, CCompressedFile::formatHuffman, ToBytes("hello"));
  CLzwFile lzw(fs_);
  FileException error;
  EXPECT_FALSE(lzw.Open(path, CCompressedFile::modeRead, &error));
  EXPECT_EQ(FileErrorCause::invalidFile, error.cause);
  EXPECT_FALSE(lzw.Open(path, CCompressedFile::modeWrite, &error));
  EXPECT_EQ(FileErrorCause::invalidFile, error.cause);
  EXPECT_EQ(ToBytes("hello"), ExpandFile(fs_, path));
}

TEST_F(Container, WritingAfterReadAndReadingAfterWriteDoNothing) {
  CLzssFile file(fs_);
  const std::wstring path = dir_ / L"w.lzs";
  ASSERT_TRUE(file.Open(path, CCompressedFile::modeCreate | CCompressedFile::modeWrite));
  char c;
  EXPECT_EQ(0u, file.Read(&c, 1));
  EXPECT_FALSE(file.SelectEntry(0));
  EXPECT_TRUE(file.Close());
  EXPECT_FALSE(file.Close());
  EXPECT_FALSE(file.Write("x", 1));
}

class AppendAndSelect : public Container, public ::testing::WithParamInterface<int> {};

TEST_P(AppendAndSelect, SecondEntryKeepsTheFirstReadable) {
  const int format = GetParam();
  const std::wstring path = dir_ / L"two.bin";
  const Bytes first = ScriptText(3000, 1);
  const Bytes second = ToBytes("Sub Second()\r\n  $Level = 5\r\nEnd Sub\r\n");
  const Bytes once = CompressToFile(fs_, path, format, first);
  {
    auto file = MakeFile(fs_, format);
    ASSERT_TRUE(file->Open(path, CCompressedFile::modeWrite));
    ASSERT_TRUE(file->Write(second.data(), second.size()));
    ASSERT_TRUE(file->Close());
  }
  const Bytes twice = ReadAll(fs_, path);
  ASSERT_GT(twice.size(), once.size() + 8);
  EXPECT_TRUE(std::equal(once.begin(), once.end(), twice.begin())) << "entry 0 unchanged";
  EXPECT_EQ(Hex(LittleEndian32(static_cast<std::uint32_t>(second.size()))),
            Hex(Bytes(twice.begin() + static_cast<std::ptrdiff_t>(once.size()),
                      twice.begin() + static_cast<std::ptrdiff_t>(once.size() + 4))));

  EXPECT_EQ(first, ExpandFile(fs_, path, 100, 0));
  EXPECT_EQ(second, ExpandFile(fs_, path, 7, 1));

  auto reader = CreateCompressedFile(fs_, path, -1);
  ASSERT_TRUE(reader->Open(path, CCompressedFile::modeRead));
  Bytes head(10);
  ASSERT_EQ(10u, reader->Read(head.data(), head.size()));
  EXPECT_FALSE(reader->SelectEntry(2));
  // The current entry is kept and reading goes on where it stopped.
  Bytes rest(first.size());
  EXPECT_EQ(first.size() - 10, reader->Read(rest.data(), rest.size()));
  EXPECT_TRUE(std::equal(rest.begin(), rest.begin() + static_cast<std::ptrdiff_t>(first.size() - 10),
                         first.begin() + 10));
  ASSERT_TRUE(reader->SelectEntry(1));
  EXPECT_EQ(second.size(), reader->GetUncompressedLength());
  ASSERT_TRUE(reader->SelectEntry(0));
  EXPECT_EQ(10u, reader->Read(head.data(), head.size()));
  EXPECT_TRUE(std::equal(head.begin(), head.end(), first.begin()));
}

INSTANTIATE_TEST_SUITE_P(Formats, AppendAndSelect, ::testing::Values(0, 1, 2));

TEST_F(Container, AppendingToAPlainFileAddsPlainBytes) {
  const std::wstring path = dir_ / L"plain.txt";
  WriteAll(fs_, path, ToBytes("one\r\n"));
  CLzwFile file(fs_);
  ASSERT_TRUE(file.Open(path, CCompressedFile::modeWrite));
  EXPECT_EQ(-1, file.GetFormat());
  ASSERT_TRUE(file.Write("two\r\n", 5));
  ASSERT_TRUE(file.Close());
  EXPECT_EQ(ToBytes("one\r\ntwo\r\n"), ReadAll(fs_, path));
}

}  // namespace
}  // namespace orv::compressed::test
