// Container bytes derived by hand from the format rules, for small inputs: signature,
// lengths, codes packed most significant bit first, the partial last byte left out when
// it holds only end-marker bits.
#include <gtest/gtest.h>

#include "CLzwFile.h"
#include "stdio_file_system.h"
#include "test_support.h"

namespace orv::compressed::test {
namespace {

struct ExactCase {
  const char* name;
  int format;
  std::string input;
  Bytes stream;  // compressed bit stream of entry 0
};

Bytes Container(const ExactCase& c) {
  if (c.format == CCompressedFile::formatUncompressed) return ToBytes(c.input);
  return Concat({ToBytes(CCompressedFile::Signature(c.format)), LittleEndian32(static_cast<std::uint32_t>(c.input.size())),
                 LittleEndian32(static_cast<std::uint32_t>(c.stream.size())), c.stream});
}

const ExactCase kExactCases[] = {
    // Codes 0 and END_OF_STREAM in 9 bits: 000000000 100000000; the last 2 bits stay out.
    {"lzw_empty", CCompressedFile::formatLzw, "", {0x00, 0x40}},
    // 'a'=97, then 259 (defined by the code being sent), 259 again, END: 36 bits.
    {"lzw_five_equal_bytes", CCompressedFile::formatLzw, "aaaaa", {0x30, 0xC0, 0xE0, 0x70}},
    // 97, 98, 259 ("ab" found in the dictionary), END.
    {"lzw_repeated_pair", CCompressedFile::formatLzw, "abab", {0x30, 0x98, 0xA0, 0x70}},
    // Only the end: flag 0 and position 0 in 12 bits; 13 bits, one byte written.
    {"lzss_empty", CCompressedFile::formatLzss, "", {0x00}},
    // Literal 'A' (1 01000001), match at position 1 of length 3 (0 000000000001 0001), end.
    {"lzss_run", CCompressedFile::formatLzss, "AAAA", {0xA0, 0x80, 0x04, 0x40}},
    // END_OF_STREAM's leaf is node 1 (odd): the single bit 0, left out with its byte.
    {"huffman_empty", CCompressedFile::formatHuffman, "", {}},
    // ESCAPE (node 2: bit 1), 'A' in 8 bits, then END at node 2 after the swap (bit 1).
    // The last byte holds the final bit of 'A', so it is written.
    {"huffman_one_byte", CCompressedFile::formatHuffman, "A", {0xA0, 0xC0}},
    {"huffman_one_byte_low_bit_clear", CCompressedFile::formatHuffman, "B", {0xA1, 0x40}},
    // Second 'A' at node 4 under node 1: 01; END moved to node 4: 01.
    {"huffman_two_bytes", CCompressedFile::formatHuffman, "AA", {0xA0, 0xA8}},
    {"uncompressed", CCompressedFile::formatUncompressed, "xyz", {}},
};

class ExactBytes : public ::testing::TestWithParam<ExactCase> {
 protected:
  StdioFileSystem fs_;
  TempDir dir_;
};

TEST_P(ExactBytes, WriterProducesTheBytesAndReaderRestoresTheInput) {
  const ExactCase& c = GetParam();
  const std::wstring path = dir_ / L"out.bin";
  EXPECT_EQ(Hex(Container(c)), Hex(CompressToFile(fs_, path, c.format, ToBytes(c.input))));
  EXPECT_EQ(c.format, CCompressedFile::Detect(fs_, path));
  EXPECT_EQ(Hex(ToBytes(c.input)), Hex(ExpandFile(fs_, path)));
  // Written one byte at a time, the stream is the same.
  EXPECT_EQ(Hex(Container(c)), Hex(CompressToFile(fs_, path, c.format, ToBytes(c.input), 1)));
}

INSTANTIATE_TEST_SUITE_P(SmallInputs, ExactBytes, ::testing::ValuesIn(kExactCases),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(ExactBytesEdge, EmptyLzwFileIsEighteenBytes) {
  StdioFileSystem fs;
  TempDir dir;
  const Bytes file = CompressToFile(fs, dir / L"empty.lzw", CCompressedFile::formatLzw, {});
  ASSERT_EQ(18u, file.size());
  EXPECT_EQ("2A 2A 2B 2B 4C 5A 57 20 00 00 00 00 02 00 00 00 00 40", Hex(file));
}

// Reads the codes of an LZW stream the way the format defines them, independent of the
// decoder, and checks where the writer puts BUMP and FLUSH codes.
TEST(LzwCodeStream, BumpsWidenAtEachPowerOfTwoAndFlushRestartsAtTheLargestCode) {
  StdioFileSystem fs;
  TempDir dir;
  const Bytes data = RandomBytes(150000, 7);  // nearly every byte pair is new: many entries
  const Bytes file = CompressToFile(fs, dir / L"big.lzw", CCompressedFile::formatLzw, data);
  ASSERT_GT(file.size(), 16u);
  std::size_t bit = 16 * 8;
  auto readCode = [&](int width) {
    std::uint32_t value = 0;
    for (int i = 0; i < width; ++i, ++bit) {
      const std::size_t byte = bit / 8;
      const int b = byte < file.size() ? (file[byte] >> (7 - bit % 8)) & 1 : 1;
      value = (value << 1) | static_cast<std::uint32_t>(b);
    }
    return value;
  };
  // Expected between the special codes, from a reset: 253 codes (259..511) then BUMP,
  // 512 then BUMP, ... 8192 then BUMP to 15 bits, 16384 then FLUSH (next code 32768).
  const std::vector<std::uint32_t> runs = {253, 512, 1024, 2048, 4096, 8192, 16384};
  int width = 9;
  std::uint32_t run = 0;
  std::size_t stage = 0;
  int flushes = 0;
  // The end code is the last and partly left out: the loop ends where it begins.
  while (bit + static_cast<std::size_t>(width) <= file.size() * 8) {
    const std::uint32_t code = readCode(width);
    ASSERT_NE(static_cast<std::uint32_t>(CLzwFile::kEndOfStream), code);
    if (code == CLzwFile::kBumpCode || code == CLzwFile::kFlushCode) {
      ASSERT_LT(stage, runs.size());
      EXPECT_EQ(runs[stage], run) << "at stage " << stage;
      EXPECT_EQ(code, static_cast<std::uint32_t>(stage + 1 == runs.size() ? CLzwFile::kFlushCode : CLzwFile::kBumpCode));
      if (code == CLzwFile::kBumpCode) {
        ++width;
        ++stage;
      } else {
        EXPECT_EQ(15, width);
        width = 9;
        stage = 0;
        ++flushes;
      }
      run = 0;
      continue;
    }
    ++run;
  }
  EXPECT_GE(flushes, 3);
  EXPECT_EQ(data, ExpandFile(fs, dir / L"big.lzw"));
}

}  // namespace
}  // namespace orv::compressed::test
