#include <gtest/gtest.h>

#include <vector>

#include "memory_stream.h"
#include "text/utf16le.h"
#include "textfile/vel_text_codec.h"

namespace {
using orv::CVELTextReader;
using orv::CVELTextWriter;
using orv::TextEncoding;
using orv::test::MemorySink;
using orv::test::MemorySource;

std::string Bytes(std::initializer_list<int> values) {
  std::string s;
  for (int v : values) s.push_back(static_cast<char>(v));
  return s;
}

std::string Utf16File(const std::wstring& text) { return Bytes({0xFF, 0xFE}) + orv::ToUtf16LE(text); }

std::vector<std::wstring> AllLines(const std::string& bytes, std::size_t chunk = 1u << 20) {
  MemorySource src(bytes, chunk);
  CVELTextReader reader(src);
  std::vector<std::wstring> lines;
  std::wstring line;
  while (reader.ReadLine(line)) lines.push_back(line);
  return lines;
}

TEST(TextWriter, WritesMarkUtf16AndCrLf) {
  MemorySink sink;
  CVELTextWriter writer(sink, TextEncoding::Utf16LE);
  ASSERT_TRUE(writer.WriteMark());
  ASSERT_TRUE(writer.WriteString(L"A\nb"));
  EXPECT_EQ(Bytes({0xFF, 0xFE, 'A', 0, '\r', 0, '\n', 0, 'b', 0}), sink.bytes);
}

TEST(TextWriter, RoundTripsThroughReader) {
  const std::wstring lines[] = {L"first", L"", L"\x00E9t\x00E9 \x20AC", L"tab\tseparated|x", L"last"};
  MemorySink sink;
  CVELTextWriter writer(sink, TextEncoding::Utf16LE);
  writer.WriteMark();
  for (const auto& l : lines) writer.WriteString(l + L"\n");
  // Small chunks split UTF-16 units and CR LF pairs across reads.
  for (std::size_t chunk : {1u, 3u, 4096u}) {
    auto read = AllLines(sink.bytes, chunk);
    ASSERT_EQ(std::size(lines), read.size()) << chunk;
    for (std::size_t i = 0; i < read.size(); ++i) EXPECT_EQ(lines[i], read[i]) << chunk;
  }
}

TEST(TextReader, DetectsEncodingByMark) {
  struct Case {
    std::string bytes;
    TextEncoding encoding;
    std::vector<std::wstring> lines;
  } cases[] = {
      {Utf16File(L"x\r\ny"), TextEncoding::Utf16LE, {L"x", L"y"}},
      {Bytes({0xFE, 0xFF, 'a', 0}), TextEncoding::EightBit, {std::wstring(L"\x00FE\x00FF" L"a") + wchar_t(0)}},
      {"plain\r\ntext\n", TextEncoding::EightBit, {L"plain", L"text"}},
      {Bytes({'M', 0xE9, 'l', 'a', 'n', 'g', 'e'}), TextEncoding::EightBit, {L"M\x00E9lange"}},
      {"", TextEncoding::EightBit, {}},
      {Bytes({0xFF, 0xFE}), TextEncoding::Utf16LE, {}},
      {Bytes({0xFF}), TextEncoding::EightBit, {L"\x00FF"}},
  };
  for (const auto& c : cases) {
    MemorySource src(c.bytes);
    CVELTextReader reader(src);
    EXPECT_EQ(c.encoding, reader.Encoding());
    EXPECT_EQ(c.lines, AllLines(c.bytes));
  }
}

TEST(TextReader, LineEndRules) {
  // CR alone is text; CR LF is one line end; a final CR of a line is dropped by ReadLine.
  EXPECT_EQ((std::vector<std::wstring>{L"a\rb", L"c"}), AllLines(Utf16File(L"a\rb\r\nc")));
  EXPECT_EQ((std::vector<std::wstring>{L"a", L"b"}), AllLines(Utf16File(L"a\r\r\nb")));
  EXPECT_EQ((std::vector<std::wstring>{L"end"}), AllLines(Utf16File(L"end\r")));
  EXPECT_EQ((std::vector<std::wstring>{L"", L""}), AllLines(Utf16File(L"\r\n\n")));
  // 8-bit text mode: Ctrl-Z ends the file.
  EXPECT_EQ((std::vector<std::wstring>{L"a", L"b"}), AllLines(std::string("a\r\nb\x1A" "hidden\n")));
}

TEST(TextReader, BoundedReadsSplitLongLinesAndKeepLineFeed) {
  MemorySource src(Utf16File(L"abcdefg\r\nhi\r\nlast"));
  CVELTextReader reader(src);
  std::wstring part;
  std::vector<std::wstring> parts;
  while (reader.ReadString(part, 4)) parts.push_back(part);
  EXPECT_EQ((std::vector<std::wstring>{L"abc", L"def", L"g\n", L"hi\n", L"las", L"t"}), parts);
}

TEST(TextReader, BoundedReadTooSmallReadsNothing) {
  MemorySource src(Utf16File(L"abc"));
  CVELTextReader reader(src);
  std::wstring part;
  EXPECT_FALSE(reader.ReadString(part, 0));
  EXPECT_FALSE(reader.ReadString(part, 1));
  EXPECT_TRUE(reader.ReadString(part, 2));
  EXPECT_EQ(L"a", part);
}

TEST(TextReader, OddByteAfterMarkIsIgnored) {
  EXPECT_EQ((std::vector<std::wstring>{L"ab"}), AllLines(Utf16File(L"ab") + "Z"));
  EXPECT_EQ((std::vector<std::wstring>{}), AllLines(Bytes({0xFF, 0xFE, 'Z'})));
}

TEST(TextReader, ReadErrorEndsAndIsReported) {
  MemorySource src(Utf16File(L"line one\r\nline two\r\n"), 4, 6);
  CVELTextReader reader(src);
  std::wstring line;
  EXPECT_TRUE(reader.ReadLine(line));
  EXPECT_EQ(L"lin", line);
  EXPECT_FALSE(reader.ReadLine(line));
  EXPECT_TRUE(reader.Failed());
}

TEST(Utf16, SurrogatePairsSurviveRoundTrip) {
  std::string bytes = Bytes({0x3D, 0xD8, 0x00, 0xDE});  // U+1F600
  std::wstring text = orv::FromUtf16LE(bytes.data(), bytes.size());
  EXPECT_EQ(bytes, orv::ToUtf16LE(text));
  EXPECT_EQ("\xF0\x9F\x98\x80", orv::ToUtf8(text));
  EXPECT_EQ(text, orv::FromUtf8("\xF0\x9F\x98\x80"));
}

}  // namespace
