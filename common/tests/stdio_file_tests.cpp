#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "textfile/CVELStdioFile.h"

namespace {

class StdioFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t dir[MAX_PATH];
    ::GetTempPathW(MAX_PATH, dir);
    path_ = std::wstring(dir) + L"orv_stdio_" + std::to_wstring(::GetCurrentProcessId()) + L".txt";
  }
  void TearDown() override { ::DeleteFileW(path_.c_str()); }

  std::string ReadBytes() const {
    std::ifstream in(path_.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void WriteBytes(const std::string& bytes) const {
    std::ofstream out(path_.c_str(), std::ios::binary);
    out << bytes;
  }
  std::wstring path_;
};

TEST_F(StdioFileTest, CreateWritesMarkAndCrLf) {
  {
    CVELStdioFile f;
    ASSERT_TRUE(f.Open(path_.c_str(), CVELStdioFile::modeCreate | CVELStdioFile::modeWrite |
                                          CVELStdioFile::shareExclusive | CVELStdioFile::typeText));
    EXPECT_TRUE(f.WriteString(L"[Script]\n"));
    EXPECT_TRUE(f.WriteString(L"x=1"));
  }
  EXPECT_EQ(std::string("\xFF\xFE[\0S\0c\0r\0i\0p\0t\0]\0\r\0\n\0x\0=\0" "1\0", 28), ReadBytes());
}

TEST_F(StdioFileTest, ReadsBackWhatItWrote) {
  {
    CVELStdioFile f;
    ASSERT_TRUE(f.Open(path_.c_str(), CVELStdioFile::modeCreate | CVELStdioFile::modeWrite));
    f.WriteString(L"\x00C4pfel\nzwei\n");
  }
  CVELStdioFile f;
  ASSERT_TRUE(f.Open(path_.c_str(), CVELStdioFile::modeRead | CVELStdioFile::shareDenyWrite));
  EXPECT_TRUE(f.IsUnicode());
  wchar_t buf[16];
  ASSERT_NE(nullptr, f.ReadString(buf, 16));
  EXPECT_STREQ(L"\x00C4pfel\n", buf);
  std::wstring line;
  ASSERT_TRUE(f.ReadString(line));
  EXPECT_EQ(L"zwei", line);
  EXPECT_FALSE(f.ReadString(line));
  EXPECT_EQ(nullptr, f.ReadString(buf, 16));
}

TEST_F(StdioFileTest, EightBitFileInTextMode) {
  WriteBytes("alpha\r\nbeta");
  CVELStdioFile f;
  ASSERT_TRUE(f.Open(path_.c_str(), CVELStdioFile::modeRead | CVELStdioFile::typeText));
  EXPECT_FALSE(f.IsUnicode());
  std::wstring line;
  ASSERT_TRUE(f.ReadString(line));
  EXPECT_EQ(L"alpha", line);
  ASSERT_TRUE(f.ReadString(line));
  EXPECT_EQ(L"beta", line);
  EXPECT_FALSE(f.ReadString(line));
}

TEST_F(StdioFileTest, ShareModesAreEnforced) {
  CVELStdioFile writer;
  ASSERT_TRUE(writer.Open(path_.c_str(), CVELStdioFile::modeCreate | CVELStdioFile::modeWrite |
                                             CVELStdioFile::shareExclusive));
  CVELStdioFile other;
  EXPECT_FALSE(other.Open(path_.c_str(), CVELStdioFile::modeRead));
  writer.Close();

  CVELStdioFile reader;
  ASSERT_TRUE(reader.Open(path_.c_str(), CVELStdioFile::modeRead | CVELStdioFile::shareDenyWrite));
  EXPECT_TRUE(other.Open(path_.c_str(), CVELStdioFile::modeRead | CVELStdioFile::shareDenyWrite));
  CVELStdioFile second;
  EXPECT_FALSE(second.Open(path_.c_str(), CVELStdioFile::modeWrite));
}

TEST_F(StdioFileTest, MissingFileFailsToOpen) {
  CVELStdioFile f;
  EXPECT_FALSE(f.Open((path_ + L".missing").c_str(), CVELStdioFile::modeRead));
  EXPECT_FALSE(f.Open(L"", CVELStdioFile::modeRead));
  EXPECT_FALSE(f.WriteString(L"x"));
  std::wstring line;
  EXPECT_FALSE(f.ReadString(line));
}

}  // namespace
