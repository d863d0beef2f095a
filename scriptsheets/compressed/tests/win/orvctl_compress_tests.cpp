// orvctl compress, expand and detect: exact container bytes, every format expanded,
// clear errors for bad input.
#include <windows.h>

#include <gtest/gtest.h>

#include "CLzssFile.h"
#include "CHuffmanFile.h"
#include "process/run_process.h"
#include "win32_file_system.h"

namespace orv::compressed {
namespace {

using orv::testing::ProgramFolder;
using orv::testing::ReadFileBytes;
using orv::testing::RunProcess;
using orv::testing::TempFolder;
using orv::testing::WriteFileBytes;

orv::testing::ProcessResult Orvctl(const std::wstring& args) {
  return RunProcess(L"\"" + ProgramFolder() + L"orvctl.exe\" " + args);
}

std::wstring Quoted(const std::wstring& path) { return L"\"" + path + L"\""; }

// The printed line without its line end (CR LF on the console).
std::string Line(const orv::testing::ProcessResult& r) {
  std::string line = r.out;
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
  return line;
}

std::string Container(const std::string& signature, std::uint32_t uncompressed, const std::string& stream) {
  std::string out = signature;
  for (std::uint32_t v : {uncompressed, static_cast<std::uint32_t>(stream.size())})
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
  return out + stream;
}

TEST(OrvctlCompress, WritesExactLzwContainers) {
  TempFolder folder(L"orvcz");
  const struct {
    std::string input;
    std::string expected;
  } cases[] = {
      {"", Container("**++LZW ", 0, std::string("\x00\x40", 2))},
      {"aaaaa", Container("**++LZW ", 5, "\x30\xC0\xE0\x70")},
      {"abab", Container("**++LZW ", 4, "\x30\x98\xA0\x70")},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(WriteFileBytes(folder / L"in.txt", c.input));
    const auto r = Orvctl(L"compress " + Quoted(folder / L"in.txt") + L" " + Quoted(folder / L"out.lzw"));
    EXPECT_EQ(0u, r.exitCode) << r.err;
    EXPECT_EQ(c.expected, ReadFileBytes(folder / L"out.lzw")) << "input \"" << c.input << "\"";
    EXPECT_EQ("2", Line(Orvctl(L"detect " + Quoted(folder / L"out.lzw"))));
  }
}

TEST(OrvctlExpand, ReadsEveryFormatAndSelectedEntries) {
  TempFolder folder(L"orvcz");
  std::string text;
  for (int i = 0; i < 3000; ++i) text += "  $Tank" + std::to_string(i % 17) + " = " + std::to_string(i) + "\r\n";
  const std::string second = "second entry";
  for (int format : {0, 1, 2}) {
    const std::wstring packed = folder / (L"f" + std::to_wstring(format) + L".bin");
    for (const std::string* part : std::vector<const std::string*>{&text, &second}) {
      auto file = CreateCompressedFile(PlatformFileSystem(), L"", format);
      ASSERT_TRUE(file->Open(packed, part == &text ? CCompressedFile::modeCreate | CCompressedFile::modeWrite
                                                   : unsigned{CCompressedFile::modeWrite}));
      ASSERT_TRUE(file->Write(part->data(), part->size()));
      ASSERT_TRUE(file->Close());
    }
    auto r = Orvctl(L"expand " + Quoted(packed) + L" " + Quoted(folder / L"out.txt"));
    EXPECT_EQ(0u, r.exitCode) << r.err;
    EXPECT_EQ(text, ReadFileBytes(folder / L"out.txt")) << "format " << format;
    r = Orvctl(L"expand " + Quoted(packed) + L" " + Quoted(folder / L"out1.txt") + L" --entry 1");
    EXPECT_EQ(0u, r.exitCode) << r.err;
    EXPECT_EQ(second, ReadFileBytes(folder / L"out1.txt"));
  }
  ASSERT_TRUE(WriteFileBytes(folder / L"plain.gis", text));
  EXPECT_EQ("-1", Line(Orvctl(L"detect " + Quoted(folder / L"plain.gis"))));
  EXPECT_EQ("-1", Line(Orvctl(L"detect " + Quoted(folder / L"missing.gis"))));
  EXPECT_EQ(0u, Orvctl(L"expand " + Quoted(folder / L"plain.gis") + L" " + Quoted(folder / L"p.txt")).exitCode);
  EXPECT_EQ(text, ReadFileBytes(folder / L"p.txt"));
}

TEST(OrvctlExpand, BadInputGivesAClearErrorAndWritesNothing) {
  TempFolder folder(L"orvcz");
  const std::wstring out = folder / L"out.txt";
  auto r = Orvctl(L"expand " + Quoted(folder / L"missing.lzw") + L" " + Quoted(out));
  EXPECT_EQ(1u, r.exitCode);
  EXPECT_NE(std::string::npos, r.err.find("file not found"));

  ASSERT_TRUE(WriteFileBytes(folder / L"one.lzw", Container("**++LZW ", 5, "\x30\xC0\xE0\x70")));
  r = Orvctl(L"expand " + Quoted(folder / L"one.lzw") + L" " + Quoted(out) + L" --entry 1");
  EXPECT_EQ(1u, r.exitCode);
  EXPECT_NE(std::string::npos, r.err.find("has no entry 1"));
  EXPECT_EQ(2u, Orvctl(L"expand " + Quoted(folder / L"one.lzw") + L" " + Quoted(out) + L" --entry x").exitCode);
  EXPECT_EQ(2u, Orvctl(L"compress " + Quoted(folder / L"one.lzw")).exitCode);

  // The header promises 500 bytes; the stream holds 5.
  ASSERT_TRUE(WriteFileBytes(folder / L"lying.lzw", Container("**++LZW ", 500, "\x30\xC0\xE0\x70")));
  r = Orvctl(L"expand " + Quoted(folder / L"lying.lzw") + L" " + Quoted(out));
  EXPECT_EQ(1u, r.exitCode);
  EXPECT_NE(std::string::npos, r.err.find("after 5 of 500 bytes"));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(out.c_str()));
}

}  // namespace
}  // namespace orv::compressed
