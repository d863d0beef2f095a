// Every format restores every input, whatever the sizes of the writes and reads, and with
// or without the partial last byte of the stream.
#include <gtest/gtest.h>

#include "stdio_file_system.h"
#include "test_support.h"

namespace orv::compressed::test {
namespace {

struct Input {
  std::string name;
  Bytes data;
};

std::vector<Input> Inputs() {
  Bytes allValues(256);
  for (int i = 0; i < 256; ++i) allValues[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
  Bytes allValuesTwice = Concat({allValues, allValues});
  Bytes descending(allValues.rbegin(), allValues.rend());
  Bytes runs;
  for (int r = 0; r < 40; ++r) runs.insert(runs.end(), static_cast<std::size_t>(r * 97 % 3001), static_cast<std::uint8_t>(r * 7));
  return {
      {"empty", {}},
      {"one_byte", {0x41}},
      {"zero_byte", {0x00}},
      {"text", ScriptText(5000, 3)},
      {"binary", RandomBytes(20000, 4)},
      {"all_byte_values", allValuesTwice},
      {"descending_values", descending},
      {"long_run", Bytes(50000, 'x')},
      {"zero_run", Bytes(33000, 0)},
      {"runs_of_many_lengths", runs},
      {"flush_and_bumps", RandomBytes(120000, 5)},
      {"text_31999", ScriptText(31999, 6)},
      {"text_32000", ScriptText(32000, 7)},
      {"text_32001", ScriptText(32001, 8)},
      {"binary_64000", RandomBytes(64000, 9)},
      {"large_text", ScriptText(100000, 10)},
  };
}

struct RoundTripCase {
  int format;
  std::size_t writeChunk;
  std::size_t readChunk;
};

std::string FormatName(int format) {
  switch (format) {
    case 0: return "huffman";
    case 1: return "lzss";
    case 2: return "lzw";
    default: return "uncompressed";
  }
}

class RoundTrip : public ::testing::TestWithParam<RoundTripCase> {
 protected:
  StdioFileSystem fs_;
  TempDir dir_;
};

TEST_P(RoundTrip, RestoresEveryInput) {
  const RoundTripCase& c = GetParam();
  for (const Input& input : Inputs()) {
    if (c.readChunk == 1 && input.data.size() > 35000) continue;  // keeps the run short
    const std::wstring path = dir_ / L"rt.bin";
    const Bytes file = CompressToFile(fs_, path, c.format, input.data, c.writeChunk);
    EXPECT_EQ(input.data, ExpandFile(fs_, path, c.readChunk)) << input.name;

    if (c.format < 0 || file.size() < 16) continue;
    // A writer that flushes its partial last byte makes a stream one byte longer; it
    // must read the same.
    Bytes padded = file;
    padded.push_back(0x00);
    const std::uint32_t compressed = static_cast<std::uint32_t>(file.size() - 16 + 1);
    const Bytes length = LittleEndian32(compressed);
    std::copy(length.begin(), length.end(), padded.begin() + 12);
    WriteAll(fs_, path, padded);
    EXPECT_EQ(input.data, ExpandFile(fs_, path, c.readChunk)) << input.name << " with the partial byte";
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, RoundTrip,
                         ::testing::Values(RoundTripCase{0, SIZE_MAX, 4096}, RoundTripCase{1, SIZE_MAX, 4096},
                                           RoundTripCase{2, SIZE_MAX, 4096}, RoundTripCase{-1, SIZE_MAX, 4096},
                                           RoundTripCase{0, 1, 1}, RoundTripCase{1, 7, 1}, RoundTripCase{2, 1, 1}, RoundTripCase{-1, 3, 1},
                                           RoundTripCase{2, 33333, 32000}, RoundTripCase{1, 32000, 31999},
                                           RoundTripCase{0, 4096, 65536}),
                         [](const auto& testInfo) {
                           return FormatName(testInfo.param.format) + "_write" +
                                  (testInfo.param.writeChunk == SIZE_MAX ? std::string("all")
                                                                     : std::to_string(testInfo.param.writeChunk)) +
                                  "_read" + std::to_string(testInfo.param.readChunk);
                         });

TEST(RoundTripSizes, CompressedFormatsShrinkScriptText) {
  StdioFileSystem fs;
  TempDir dir;
  const Bytes text = ScriptText(100000, 11);
  // Huffman codes single bytes; the dictionary coders find the repeated words.
  const std::size_t limits[] = {text.size() * 7 / 10, text.size() / 2, text.size() / 2};
  for (int format : {0, 1, 2}) {
    const Bytes file = CompressToFile(fs, dir / L"s.bin", format, text);
    EXPECT_LT(file.size(), limits[format]) << FormatName(format);
  }
}

}  // namespace
}  // namespace orv::compressed::test
