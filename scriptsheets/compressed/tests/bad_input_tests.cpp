// Readers take arbitrary bytes: truncated files, lying headers, garbage codes. They stop
// at the end of the data or at the stated length and never read or write outside their
// buffers (the native build runs this under AddressSanitizer).
#include <gtest/gtest.h>

#include "memory_file_system.h"
#include "test_support.h"

namespace orv::compressed::test {
namespace {

const std::wstring kPath = L"mem/file.bin";

Bytes Header(std::uint32_t uncompressed, std::uint32_t compressed) {
  return Concat({LittleEndian32(uncompressed), LittleEndian32(compressed)});
}

Bytes Signed(int format, const Bytes& rest) { return Concat({ToBytes(CCompressedFile::Signature(format)), rest}); }

// Packs codes of the given widths, most significant bit first (a final partial byte kept).
Bytes PackBits(const std::vector<std::pair<std::uint32_t, int>>& codes) {
  Bytes out;
  int used = 8;
  for (const auto& [value, width] : codes) {
    for (int i = width - 1; i >= 0; --i) {
      if (used == 8) {
        out.push_back(0);
        used = 0;
      }
      if ((value >> i) & 1) out.back() |= static_cast<std::uint8_t>(0x80 >> used);
      ++used;
    }
  }
  return out;
}

Bytes ExpandMemory(MemoryFileSystem& fs, const Bytes& file, std::size_t chunk = 1000) {
  fs.SetFile(kPath, file);
  return ExpandFile(fs, kPath, chunk);
}

TEST(BadInput, TruncatedFilesStopAtTheEndOfTheData) {
  for (int format : {0, 1, 2}) {
    MemoryFileSystem fs;
    const Bytes original = ScriptText(1500, 21);
    const Bytes file = CompressToFile(fs, kPath, format, original);
    // Shorter than the signature it is a plain file, read as such.
    for (std::size_t size = 8; size < file.size(); size += (size < 64 || size + 16 > file.size()) ? 1 : 5) {
      const Bytes out = ExpandMemory(fs, Bytes(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size)), 333);
      ASSERT_LE(out.size(), original.size()) << "format " << format << " size " << size;
      // The dictionary coders stop at the first code cut short: a true prefix. The Huffman
      // reader reads one byte past the cut as 1 bits: its last few bytes may differ.
      const std::size_t slack = format == CCompressedFile::formatHuffman ? 8 : 0;
      const std::size_t sure = out.size() > slack ? out.size() - slack : 0;
      for (std::size_t i = 0; i < sure; ++i)
        ASSERT_EQ(original[i], out[i]) << "format " << format << " size " << size << " at " << i;
    }
  }
}

TEST(BadInput, LyingLengthsAreBoundedByTheStreamAndTheStatedLength) {
  for (int format : {0, 1, 2}) {
    MemoryFileSystem fs;
    const Bytes original = ScriptText(5000, 22);
    const Bytes file = CompressToFile(fs, kPath, format, original);
    const Bytes stream(file.begin() + 16, file.end());
    const auto size = static_cast<std::uint32_t>(stream.size());
    // Uncompressed length larger than the data: the end of the data stops the read. The
    // Huffman reader takes one byte past the data as 1 bits, which may decode to a few
    // more bytes.
    const Bytes unbounded = ExpandMemory(fs, Signed(format, Concat({Header(0xFFFFFFFFu, size), stream})));
    if (format == CCompressedFile::formatHuffman) {
      ASSERT_GE(unbounded.size(), original.size());
      EXPECT_LE(unbounded.size(), original.size() + 8);
      EXPECT_EQ(original, Bytes(unbounded.begin(), unbounded.begin() + static_cast<std::ptrdiff_t>(original.size())));
    } else {
      EXPECT_EQ(original, unbounded);
    }
    // Compressed length beyond the file: bytes past the end read as 0xFF, the stated
    // uncompressed length still ends the read.
    EXPECT_EQ(original, ExpandMemory(fs, Signed(format, Concat({Header(5000, 0xFFFFFFFFu), stream}))));
    // Uncompressed length smaller: a prefix.
    EXPECT_EQ(Bytes(original.begin(), original.begin() + 123),
              ExpandMemory(fs, Signed(format, Concat({Header(123, size), stream}))));
    // Compressed length shorter than the stream: decoding stops soon after it.
    EXPECT_LT(ExpandMemory(fs, Signed(format, Concat({Header(0xFFFFFFFFu, 100), stream}))).size(), 2000u);
    // A header cut short reads as an empty entry.
    EXPECT_TRUE(ExpandMemory(fs, Signed(format, Bytes{5, 0, 0})).empty());
    EXPECT_TRUE(ExpandMemory(fs, ToBytes(CCompressedFile::Signature(format))).empty());
  }
}

TEST(BadInput, GarbageStreamsEndWithinTheirLength) {
  for (int format : {0, 1, 2}) {
    for (std::uint32_t seed = 0; seed < 40; ++seed) {
      MemoryFileSystem fs;
      const Bytes garbage = RandomBytes(1 + seed * 37, seed);
      const Bytes out = ExpandMemory(fs, Signed(format, Concat({Header(1u << 20, 0xFFFFFFFFu), garbage})), 4093);
      EXPECT_LE(out.size(), std::size_t{1} << 20);
    }
    for (std::uint8_t fill : {std::uint8_t{0x00}, std::uint8_t{0xFF}, std::uint8_t{0x55}}) {
      MemoryFileSystem fs;
      const Bytes out = ExpandMemory(fs, Signed(format, Concat({Header(100000, 5000), Bytes(5000, fill)})));
      EXPECT_LE(out.size(), 100000u);
    }
  }
}

TEST(BadInput, LzwCodeBeyondTheDictionaryEndsTheStream) {
  MemoryFileSystem fs;
  // 'a', then 300 while the next code is 259.
  Bytes stream = PackBits({{97, 9}, {300, 9}, {98, 9}, {256, 9}});
  EXPECT_EQ(ToBytes("a"), ExpandMemory(fs, Signed(2, Concat({Header(50, 8), stream}))));
  // A first code that is not a byte.
  stream = PackBits({{259, 9}, {97, 9}, {256, 9}});
  EXPECT_TRUE(ExpandMemory(fs, Signed(2, Concat({Header(50, 8), stream}))).empty());
  // BUMP past 15 bits.
  std::vector<std::pair<std::uint32_t, int>> codes = {{97, 9}};
  for (int width = 9; width <= 15; ++width) codes.push_back({257, width});
  codes.push_back({98, 16});
  stream = PackBits(codes);
  EXPECT_EQ(ToBytes("a"), ExpandMemory(fs, Signed(2, Concat({Header(50, static_cast<std::uint32_t>(stream.size())), stream}))));
  // FLUSH restarts: codes after it are read at 9 bits again.
  stream = PackBits({{97, 9}, {257, 9}, {98, 10}, {258, 10}, {99, 9}, {256, 9}});
  EXPECT_EQ(ToBytes("abc"), ExpandMemory(fs, Signed(2, Concat({Header(3, static_cast<std::uint32_t>(stream.size())), stream}))));
}

TEST(BadInput, LzssPositionIntoUnwrittenWindowCopiesItsZeros) {
  MemoryFileSystem fs;
  // Literal 'q', then a match at position 100 (never written) of length 5, then the end.
  const Bytes stream = PackBits({{1, 1}, {'q', 8}, {0, 1}, {100, 12}, {3, 4}, {0, 1}, {0, 12}});
  EXPECT_EQ(Concat({ToBytes("q"), Bytes(5, 0)}),
            ExpandMemory(fs, Signed(1, Concat({Header(50, static_cast<std::uint32_t>(stream.size())), stream}))));
}

TEST(BadInput, HuffmanEscapeOfAKnownByteEndsTheStream) {
  MemoryFileSystem fs;
  // ESCAPE 'A' (1 01000001); then ESCAPE, now node 3 under node 1 (bits 0 1... node 3 is
  // odd: 0, node 1 odd: 0 => "00"), with 'A' again.
  const Bytes stream = PackBits({{1, 1}, {'A', 8}, {0, 2}, {'A', 8}, {1, 1}});
  EXPECT_EQ(ToBytes("A"), ExpandMemory(fs, Signed(0, Concat({Header(50, static_cast<std::uint32_t>(stream.size())), stream}))));
}

TEST(BadInput, SelectEntryOverLyingHeadersFails) {
  MemoryFileSystem fs;
  const Bytes stream = PackBits({{97, 9}, {256, 9}});
  // Entry 0 claims more compressed bytes than the file has: there is no entry 1.
  fs.SetFile(kPath, Signed(2, Concat({Header(1, 0x7FFFFFFF), stream})));
  auto file = CreateCompressedFile(fs, kPath, -1);
  ASSERT_TRUE(file->Open(kPath, CCompressedFile::modeRead));
  EXPECT_FALSE(file->SelectEntry(1));
  EXPECT_FALSE(file->SelectEntry(0xFFFFFFFFu));
  char c = 0;
  EXPECT_EQ(1u, file->Read(&c, 1));
  EXPECT_EQ('a', c);
  // Many empty entries are walked and found.
  Bytes many = ToBytes(CCompressedFile::Signature(2));
  for (int i = 0; i < 1000; ++i) many = Concat({many, Header(0, 0)});
  fs.SetFile(kPath, many);
  auto walker = CreateCompressedFile(fs, kPath, -1);
  ASSERT_TRUE(walker->Open(kPath, CCompressedFile::modeRead));
  EXPECT_TRUE(walker->SelectEntry(999));
  EXPECT_FALSE(walker->SelectEntry(1000));
  EXPECT_EQ(0u, walker->Read(&c, 1));
}

}  // namespace
}  // namespace orv::compressed::test
