// The compressed file family: a byte-stream file whose data pass through one of four
// formats (adaptive Huffman, LZSS, LZW, or none). A compressed file is a signature
// followed by entries, each an 8-byte header (uncompressed and compressed length,
// little-endian) and a bit stream packed most significant bit first.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "file_interface.h"

class CCompressedFile {
 public:
  // Open modes, with the values of the platform's file open flags.
  enum OpenFlags : unsigned {
    modeRead = 0x0000,
    modeWrite = 0x0001,
    modeReadWrite = 0x0002,
    shareCompat = 0x0000,
    shareExclusive = 0x0010,
    shareDenyWrite = 0x0020,
    shareDenyRead = 0x0030,
    shareDenyNone = 0x0040,
    modeNoInherit = 0x0080,
    modeCreate = 0x1000,
    modeNoTruncate = 0x2000,
    typeText = 0x4000,
    typeBinary = 0x8000,
  };

  // Format index: detection result and the signature written.
  enum Format : int {
    formatUncompressed = -1,
    formatHuffman = 0,
    formatLzss = 1,
    formatLzw = 2,
  };

  static constexpr std::size_t kBufferSize = 32000;
  static constexpr std::size_t kSignatureSize = 8;
  static constexpr std::size_t kEntryHeaderSize = 8;

  virtual ~CCompressedFile();
  CCompressedFile(const CCompressedFile&) = delete;
  CCompressedFile& operator=(const CCompressedFile&) = delete;

  // Format index of the file's first 8 bytes; -1 when none matches, the file is shorter
  // than 8 bytes or cannot be opened.
  static int Detect(orv::compressed::FileSystem& fs, const std::wstring& path);
  static int DetectSignature(const void* bytes, std::size_t size);
  // The 8 signature bytes of a compressed format (nullptr for any other index).
  static const char* Signature(int format);

  // Read (modeRead), create-and-write (modeCreate | modeWrite) or append (modeWrite).
  // Share and type flags are accepted and ignored. On failure `exception` gets the cause.
  bool Open(const std::wstring& path, unsigned mode, orv::compressed::FileException* exception = nullptr);
  // Compresses `count` bytes into the current entry; false when not open for writing or
  // when the underlying file refused the data.
  bool Write(const void* data, std::size_t count);
  // Expands up to `count` bytes of the current entry, continuing where the previous read
  // stopped; fewer at the end of the entry's data or at its uncompressed length.
  std::size_t Read(void* buffer, std::size_t count);
  // Makes entry `index` of a compressed file opened for reading current. False, with the
  // current entry kept, when the file has fewer entries.
  bool SelectEntry(std::uint32_t index);
  // Ends the entry (end marker, final lengths in its header) and closes the file. False
  // when any write of the output failed.
  bool Close();

  bool IsOpen() const { return open_; }
  int GetFormat() const { return format_; }
  const std::wstring& GetFileName() const { return fileName_; }
  std::uint64_t GetUncompressedLength() const { return uncompressedLength_; }
  std::uint64_t GetCompressedLength() const { return compressedLength_; }
  // Why the last write to the underlying file failed.
  const orv::compressed::FileException& GetWriteError() const { return writeError_; }

 protected:
  CCompressedFile(orv::compressed::FileSystem& fs, int ownFormat);

  // The format's model: allocated once per open, reset for every entry.
  virtual bool AllocateModel() { return true; }
  virtual void InitModel() = 0;
  virtual void CompressBytes(const std::uint8_t* data, std::size_t count) = 0;
  // Produces up to `count` bytes; fewer only when the stream has ended.
  virtual std::size_t ExpandBytes(std::uint8_t* out, std::size_t count) = 0;
  virtual void WriteEndMarker() = 0;

  // Bit stream, most significant bit first.
  void OutputBit(bool bit) {
    if (bit) rack_ |= mask_;
    mask_ >>= 1;
    if (mask_ == 0) {
      PutByte(rack_);
      rack_ = 0;
      mask_ = 0x80;
    }
  }
  void OutputBits(std::uint32_t value, int count) {
    for (std::uint32_t m = 1u << (count - 1); m != 0; m >>= 1) OutputBit((value & m) != 0);
  }
  int InputBit() {
    if (mask_ == 0x80) rack_ = GetByte();
    const int bit = (rack_ & mask_) ? 1 : 0;
    mask_ >>= 1;
    if (mask_ == 0) mask_ = 0x80;
    return bit;
  }
  std::uint32_t InputBits(int count) {
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i) value = (value << 1) | static_cast<std::uint32_t>(InputBit());
    return value;
  }
  // The decoder has read past the entry's data further than its format allows: what
  // follows is not part of the stream, decoding stops.
  bool InputExhausted() const { return overrunBytes_ > overrunAllowance_; }
  // Bytes a decoder may read past the data as 0xFF: where a writer's left-out last byte
  // can hold data bits (not only end-marker bits), they read as 1 bits.
  void SetOverrunAllowance(int bytes) { overrunAllowance_ = bytes; }

 private:
  enum class Direction { None, Reading, Writing };

  bool Fail(orv::compressed::FileException* exception, orv::compressed::FileErrorCause cause, long osError = 0);
  bool OpenForReading(orv::compressed::FileException* exception);
  bool OpenForCreate(orv::compressed::FileException* exception);
  bool OpenForAppend(orv::compressed::FileException* exception);
  bool ReadEntryHeader(std::uint64_t position, std::uint32_t& uncompressed, std::uint32_t& compressed);
  void StartEntryRead(std::uint64_t headerPosition, std::uint64_t dataPosition, std::uint64_t uncompressed,
                      std::uint64_t compressed);
  void PutByte(std::uint8_t byte) {
    buffer_[bufferUsed_++] = byte;
    ++compressedLength_;
    if (bufferUsed_ == kBufferSize) FlushBuffer();
  }
  void PutRaw(const void* data, std::size_t count);
  std::uint8_t GetByte() {
    if (bufferPos_ == bufferUsed_ && !FillBuffer()) {
      ++overrunBytes_;
      return 0xFF;
    }
    return buffer_[bufferPos_++];
  }
  bool FillBuffer();
  void FlushBuffer();
  std::size_t ReadPlain(std::uint8_t* out, std::size_t count);
  void WritePlain(const std::uint8_t* data, std::size_t count);
  bool FinishOutput();
  void ResetState();

  orv::compressed::FileSystem& fs_;
  std::unique_ptr<orv::compressed::ByteFile> file_;
  const int ownFormat_;
  int format_;
  bool open_ = false;
  Direction direction_ = Direction::None;
  unsigned mode_ = 0;
  std::wstring fileName_;
  std::uint64_t dataPosition_ = 0;  // where the current entry's data start
  std::uint64_t uncompressedLength_ = 0;
  std::uint64_t compressedLength_ = 0;
  std::uint64_t headerPosition_ = 0;
  std::unique_ptr<std::uint8_t[]> buffer_;
  std::size_t bufferUsed_ = 0;  // bytes in the buffer (read: filled, write: pending)
  std::size_t bufferPos_ = 0;   // next byte to deliver when reading
  std::uint64_t fetched_ = 0;   // bytes of the entry's data taken from the file so far
  std::uint64_t produced_ = 0;  // bytes of the entry delivered by Read
  int overrunBytes_ = 0;        // bytes asked for beyond the entry's data
  int overrunAllowance_ = 0;
  bool writeFailed_ = false;
  orv::compressed::FileException writeError_;
  std::uint8_t rack_ = 0;
  std::uint8_t mask_ = 0x80;
};

// Creates the object for a file: with a path the format is detected from the file,
// otherwise `format` decides (Huffman, LZSS, LZW; uncompressed for -1 and any other value).
std::unique_ptr<CCompressedFile> CreateCompressedFile(orv::compressed::FileSystem& fs, const std::wstring& path,
                                                      int format);
