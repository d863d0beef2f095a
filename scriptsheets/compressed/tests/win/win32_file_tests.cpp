// The Windows file shell: platform errors as causes, the family over real files, and
// compress-in-place in a real web folder.
#include <windows.h>

#include <gtest/gtest.h>

#include "CHuffmanFile.h"
#include "CLzwFile.h"
#include "compress_file.h"
#include "file_error_mapping.h"
#include "process/run_process.h"
#include "win/unique_resource.h"
#include "win32_file_system.h"

namespace orv::compressed {
namespace {

using orv::testing::ReadFileBytes;
using orv::testing::TempFolder;
using orv::testing::WriteFileBytes;

std::vector<std::wstring> FolderContent(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW data;
  orv::win::UniqueFindHandle find(::FindFirstFileW((folder + L"\\*").c_str(), &data));
  if (!find) return names;
  do {
    const std::wstring name = data.cFileName;
    if (name != L"." && name != L"..") names.push_back(name);
  } while (::FindNextFileW(find.get(), &data));
  return names;
}

TEST(FileErrorMapping, PlatformErrorsBecomeCauses) {
  const struct {
    DWORD error;
    FileErrorCause cause;
  } cases[] = {
      {ERROR_FILE_NOT_FOUND, FileErrorCause::fileNotFound},   {ERROR_PATH_NOT_FOUND, FileErrorCause::badPath},
      {ERROR_INVALID_NAME, FileErrorCause::badPath},          {ERROR_TOO_MANY_OPEN_FILES, FileErrorCause::tooManyOpenFiles},
      {ERROR_ACCESS_DENIED, FileErrorCause::accessDenied},    {ERROR_WRITE_PROTECT, FileErrorCause::accessDenied},
      {ERROR_INVALID_HANDLE, FileErrorCause::invalidFile},    {ERROR_CURRENT_DIRECTORY, FileErrorCause::removeCurrentDir},
      {ERROR_CANNOT_MAKE, FileErrorCause::directoryFull},     {ERROR_NEGATIVE_SEEK, FileErrorCause::badSeek},
      {ERROR_CRC, FileErrorCause::hardIO},                    {ERROR_SHARING_VIOLATION, FileErrorCause::sharingViolation},
      {ERROR_LOCK_VIOLATION, FileErrorCause::lockViolation},  {ERROR_DISK_FULL, FileErrorCause::diskFull},
      {ERROR_HANDLE_DISK_FULL, FileErrorCause::diskFull},     {ERROR_HANDLE_EOF, FileErrorCause::endOfFile},
      {ERROR_NOT_ENOUGH_MEMORY, FileErrorCause::genericException}, {NO_ERROR, FileErrorCause::none},
  };
  for (const auto& c : cases) EXPECT_EQ(c.cause, CauseFromWin32Error(c.error)) << c.error;
}

TEST(Win32Files, OpenFailuresCarryTheCauseAndTheOsError) {
  TempFolder folder(L"orvcz");
  CLzwFile file(PlatformFileSystem());
  FileException error;
  EXPECT_FALSE(file.Open(folder / L"missing.lzw", CCompressedFile::modeRead, &error));
  EXPECT_EQ(FileErrorCause::fileNotFound, error.cause);
  EXPECT_EQ(static_cast<long>(ERROR_FILE_NOT_FOUND), error.osError);
  EXPECT_EQ(folder / L"missing.lzw", error.fileName);

  EXPECT_FALSE(file.Open(folder / L"no\\such\\folder.lzw", CCompressedFile::modeCreate | CCompressedFile::modeWrite, &error));
  EXPECT_EQ(FileErrorCause::badPath, error.cause);

  const std::wstring busy = folder / L"busy.lzw";
  ASSERT_TRUE(WriteFileBytes(busy, "data"));
  orv::win::UniqueHandle holder(::CreateFileW(busy.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(holder);
  EXPECT_FALSE(file.Open(busy, CCompressedFile::modeCreate | CCompressedFile::modeWrite, &error));
  EXPECT_EQ(FileErrorCause::sharingViolation, error.cause);
  EXPECT_EQ(static_cast<long>(ERROR_SHARING_VIOLATION), error.osError);
}

TEST(Win32Files, WriteAppendSelectAndReadRealFiles) {
  TempFolder folder(L"orvcz");
  const std::wstring path = folder / L"graphics.lzw";
  const std::string first = "Sub Main()\r\n  $Level = $Level + 1\r\nEnd Sub\r\n";
  const std::string second(70000, 'z');
  for (const std::string* text : {&first, &second}) {
    CHuffmanFile file(PlatformFileSystem());
    const unsigned mode = text == &first ? CCompressedFile::modeCreate | CCompressedFile::modeWrite
                                         : unsigned{CCompressedFile::modeWrite};
    ASSERT_TRUE(file.Open(path, mode | CCompressedFile::shareExclusive));
    ASSERT_TRUE(file.Write(text->data(), text->size()));
    ASSERT_TRUE(file.Close());
  }
  EXPECT_EQ(0, CCompressedFile::Detect(PlatformFileSystem(), path));
  auto reader = CreateCompressedFile(PlatformFileSystem(), path, -1);
  ASSERT_TRUE(reader->Open(path, CCompressedFile::modeRead | CCompressedFile::shareDenyWrite));
  std::string text(first.size(), '\0');
  EXPECT_EQ(first.size(), reader->Read(text.data(), text.size() + 5));
  EXPECT_EQ(first, text);
  ASSERT_TRUE(reader->SelectEntry(1));
  text.assign(second.size(), '\0');
  std::size_t total = 0;
  for (std::size_t n; (n = reader->Read(text.data() + total, 1000)) > 0;) total += n;
  EXPECT_EQ(second.size(), total);
  EXPECT_EQ(second, text);
  EXPECT_FALSE(reader->SelectEntry(2));
}

TEST(CompressFileInWebFolder, SourceBecomesTheLzwContainerAndNoTemporaryFileStays) {
  TempFolder web(L"orvweb");
  const std::wstring source = web / L"scriptglobal.gis";
  std::string content;
  for (int i = 0; i < 2000; ++i) content += "Function F" + std::to_string(i) + "()\r\n  F" + std::to_string(i) + " = $Tag\r\nEnd Function\r\n";
  ASSERT_TRUE(WriteFileBytes(source, content));
  FileException error;
  ASSERT_TRUE(CompressFile(source, web.path(), &error)) << static_cast<int>(error.cause);
  const std::string file = ReadFileBytes(source);
  EXPECT_EQ("**++LZW ", file.substr(0, 8));
  EXPECT_LT(file.size(), content.size() / 3);
  EXPECT_EQ(std::vector<std::wstring>{L"scriptglobal.gis"}, FolderContent(web.path()));

  auto reader = CreateCompressedFile(PlatformFileSystem(), source, -1);
  ASSERT_TRUE(reader->Open(source, CCompressedFile::modeRead));
  std::string back(content.size() + 1, '\0');
  EXPECT_EQ(content.size(), reader->Read(back.data(), back.size()));
  back.resize(content.size());
  EXPECT_EQ(content, back);
}

TEST(CompressFileInWebFolder, FailuresLeaveTheSourceAsItWas) {
  TempFolder web(L"orvweb");
  const std::wstring source = web / L"scriptgraphics.gis";
  const std::string content = "Sub Draw()\r\nEnd Sub\r\n";
  ASSERT_TRUE(WriteFileBytes(source, content));
  FileException error;
  {
    // Another program writes the file: it cannot be read with others denied writing.
    orv::win::UniqueHandle writer(
        ::CreateFileW(source.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(writer);
    EXPECT_FALSE(CompressFile(source, web.path(), &error));
    EXPECT_EQ(FileErrorCause::sharingViolation, error.cause);
  }
  EXPECT_FALSE(CompressFile(source, web / L"missing-folder", &error));
  EXPECT_FALSE(CompressFile(web / L"missing.gis", web.path(), &error));
  EXPECT_EQ(FileErrorCause::fileNotFound, error.cause);
  EXPECT_EQ(content, ReadFileBytes(source));
  EXPECT_EQ(std::vector<std::wstring>{L"scriptgraphics.gis"}, FolderContent(web.path()));
}

}  // namespace
}  // namespace orv::compressed
