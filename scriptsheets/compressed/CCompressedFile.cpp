#include "CCompressedFile.h"

#include <algorithm>
#include <cstring>
#include <new>

using orv::compressed::FileAccess;
using orv::compressed::FileErrorCause;
using orv::compressed::FileException;

namespace {

const char kHuffmanSignature[] = "**++HUFF";
const char kLzssSignature[] = "**++LZSS";
const char kLzwSignature[] = "**++LZW ";  // the final space belongs to it
constexpr std::uint64_t kMaxEntryLength = 0xFFFFFFFFu;

void StoreLittleEndian32(std::uint8_t* out, std::uint64_t value) {
  for (int i = 0; i < 4; ++i) out[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t LoadLittleEndian32(const std::uint8_t* in) {
  return static_cast<std::uint32_t>(in[0]) | (static_cast<std::uint32_t>(in[1]) << 8) |
         (static_cast<std::uint32_t>(in[2]) << 16) | (static_cast<std::uint32_t>(in[3]) << 24);
}

// Reads until `count` bytes arrived or the file ends; the number read.
std::size_t ReadFully(orv::compressed::ByteFile& file, void* buffer, std::size_t count) {
  FileException ignored;
  std::size_t total = 0;
  while (total < count) {
    const std::size_t n = file.Read(static_cast<std::uint8_t*>(buffer) + total, count - total, ignored);
    if (n == 0 || n == SIZE_MAX) break;
    total += n;
  }
  return total;
}

}  // namespace

CCompressedFile::CCompressedFile(orv::compressed::FileSystem& fs, int ownFormat)
    : fs_(fs), ownFormat_(ownFormat), format_(ownFormat) {}

CCompressedFile::~CCompressedFile() {
  if (open_) Close();
}

const char* CCompressedFile::Signature(int format) {
  switch (format) {
    case formatHuffman: return kHuffmanSignature;
    case formatLzss: return kLzssSignature;
    case formatLzw: return kLzwSignature;
    default: return nullptr;
  }
}

int CCompressedFile::DetectSignature(const void* bytes, std::size_t size) {
  if (size < kSignatureSize) return formatUncompressed;
  for (int format : {formatHuffman, formatLzss, formatLzw}) {
    if (std::memcmp(bytes, Signature(format), kSignatureSize) == 0) return format;
  }
  return formatUncompressed;
}

int CCompressedFile::Detect(orv::compressed::FileSystem& fs, const std::wstring& path) {
  FileException error;
  auto file = fs.Open(path, FileAccess::Read, error);
  if (!file) return formatUncompressed;
  std::uint8_t signature[kSignatureSize];
  const std::size_t n = ReadFully(*file, signature, sizeof signature);
  file->Close(error);
  return DetectSignature(signature, n);
}

bool CCompressedFile::Fail(FileException* exception, FileErrorCause cause, long osError) {
  if (exception) exception->Set(cause, osError, fileName_);
  file_.reset();
  buffer_.reset();
  open_ = false;
  direction_ = Direction::None;
  return false;
}

void CCompressedFile::ResetState() {
  dataPosition_ = uncompressedLength_ = compressedLength_ = headerPosition_ = 0;
  bufferUsed_ = bufferPos_ = 0;
  fetched_ = produced_ = 0;
  overrunBytes_ = 0;
  writeFailed_ = false;
  writeError_ = FileException();
  rack_ = 0;
  mask_ = 0x80;
}

bool CCompressedFile::Open(const std::wstring& path, unsigned mode, FileException* exception) {
  if (open_) return Fail(exception, FileErrorCause::genericException);
  fileName_ = path;
  mode_ = mode;
  buffer_.reset(new (std::nothrow) std::uint8_t[kBufferSize]);
  if (!buffer_) return Fail(exception, FileErrorCause::genericException);
  ResetState();
  format_ = ownFormat_;
  if (format_ != formatUncompressed && !AllocateModel()) return Fail(exception, FileErrorCause::genericException);

  // Share and type flags do not change what is done.
  const unsigned access = mode & ~(0x00F0u | modeNoInherit | typeText | typeBinary);
  if (access == modeRead) return OpenForReading(exception);
  if (access == (modeCreate | modeWrite)) return OpenForCreate(exception);
  if (access == modeWrite) return OpenForAppend(exception);
  return Fail(exception, FileErrorCause::genericException);
}

bool CCompressedFile::OpenForReading(FileException* exception) {
  FileException error;
  file_ = fs_.Open(fileName_, FileAccess::Read, error);
  if (!file_) return Fail(exception, error.cause, error.osError);
  std::uint64_t length = 0;
  if (!file_->GetLength(length, error)) return Fail(exception, error.cause, error.osError);
  std::uint8_t signature[kSignatureSize];
  const int detected = DetectSignature(signature, ReadFully(*file_, signature, sizeof signature));
  if (detected == formatUncompressed) {
    format_ = formatUncompressed;
    StartEntryRead(0, 0, length, length);
  } else {
    // This object expands only its own format; another format's data would come out garbled.
    if (detected != ownFormat_) return Fail(exception, FileErrorCause::invalidFile);
    format_ = detected;
    std::uint32_t uncompressed = 0, compressed = 0;
    ReadEntryHeader(kSignatureSize, uncompressed, compressed);  // a missing header reads as an empty entry
    StartEntryRead(kSignatureSize, kSignatureSize + kEntryHeaderSize, uncompressed, compressed);
  }
  direction_ = Direction::Reading;
  open_ = true;
  return true;
}

bool CCompressedFile::OpenForCreate(FileException* exception) {
  FileException error;
  file_ = fs_.Open(fileName_, FileAccess::CreateWrite, error);
  if (!file_) return Fail(exception, error.cause, error.osError);
  if (format_ != formatUncompressed) {
    const std::uint8_t emptyHeader[kEntryHeaderSize] = {};
    PutRaw(Signature(format_), kSignatureSize);
    PutRaw(emptyHeader, sizeof emptyHeader);
    headerPosition_ = kSignatureSize;
    dataPosition_ = kSignatureSize + kEntryHeaderSize;
    InitModel();
  }
  direction_ = Direction::Writing;
  open_ = true;
  return true;
}

bool CCompressedFile::OpenForAppend(FileException* exception) {
  FileException error;
  file_ = fs_.Open(fileName_, FileAccess::WriteExisting, error);
  if (!file_) return Fail(exception, error.cause, error.osError);
  const int detected = Detect(fs_, fileName_);
  if (detected != formatUncompressed && detected != ownFormat_) return Fail(exception, FileErrorCause::invalidFile);
  // A plain file stays plain: its bytes are appended without an entry header.
  format_ = detected;
  std::uint64_t length = 0;
  if (!file_->GetLength(length, error) || !file_->Seek(length, error))
    return Fail(exception, error.cause, error.osError);
  if (format_ != formatUncompressed) {
    const std::uint8_t emptyHeader[kEntryHeaderSize] = {};
    headerPosition_ = length;
    dataPosition_ = length + kEntryHeaderSize;
    PutRaw(emptyHeader, sizeof emptyHeader);
    InitModel();
  }
  direction_ = Direction::Writing;
  open_ = true;
  return true;
}

bool CCompressedFile::ReadEntryHeader(std::uint64_t position, std::uint32_t& uncompressed, std::uint32_t& compressed) {
  FileException error;
  std::uint8_t header[kEntryHeaderSize];
  if (!file_->Seek(position, error) || ReadFully(*file_, header, sizeof header) != sizeof header) return false;
  uncompressed = LoadLittleEndian32(header);
  compressed = LoadLittleEndian32(header + 4);
  return true;
}

void CCompressedFile::StartEntryRead(std::uint64_t headerPosition, std::uint64_t dataPosition,
                                     std::uint64_t uncompressed, std::uint64_t compressed) {
  headerPosition_ = headerPosition;
  dataPosition_ = dataPosition;
  uncompressedLength_ = uncompressed;
  compressedLength_ = compressed;
  bufferUsed_ = bufferPos_ = 0;
  fetched_ = produced_ = 0;
  overrunBytes_ = 0;
  rack_ = 0;
  mask_ = 0x80;
  FileException error;
  if (!file_->Seek(dataPosition, error)) fetched_ = compressed;  // nothing can be read
  if (format_ != formatUncompressed) InitModel();
}

bool CCompressedFile::SelectEntry(std::uint32_t index) {
  if (!open_ || direction_ != Direction::Reading || format_ == formatUncompressed) return false;
  std::uint64_t position = kSignatureSize;
  std::uint32_t uncompressed = 0, compressed = 0;
  for (std::uint32_t entry = 0;; ++entry) {
    if (!ReadEntryHeader(position, uncompressed, compressed)) {
      FileException error;
      file_->Seek(dataPosition_ + fetched_, error);
      return false;
    }
    if (entry == index) break;
    position += kEntryHeaderSize + compressed;
  }
  StartEntryRead(position, position + kEntryHeaderSize, uncompressed, compressed);
  return true;
}

bool CCompressedFile::FillBuffer() {
  const std::uint64_t remaining = compressedLength_ - fetched_;
  const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(kBufferSize, remaining));
  if (want == 0) return false;
  FileException error;
  const std::size_t n = file_->Read(buffer_.get(), want, error);
  if (n == 0 || n == SIZE_MAX) {
    fetched_ = compressedLength_;  // the file ends before its header says
    return false;
  }
  fetched_ += n;
  bufferUsed_ = n;
  bufferPos_ = 0;
  return true;
}

void CCompressedFile::FlushBuffer() {
  if (bufferUsed_ == 0) return;
  if (!writeFailed_ && !file_->Write(buffer_.get(), bufferUsed_, writeError_)) writeFailed_ = true;
  bufferUsed_ = 0;
}

void CCompressedFile::PutRaw(const void* data, std::size_t count) {
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  for (std::size_t i = 0; i < count; ++i) {
    buffer_[bufferUsed_++] = bytes[i];
    if (bufferUsed_ == kBufferSize) FlushBuffer();
  }
}

void CCompressedFile::WritePlain(const std::uint8_t* data, std::size_t count) {
  while (count > 0) {
    const std::size_t n = std::min(count, kBufferSize - bufferUsed_);
    std::memcpy(buffer_.get() + bufferUsed_, data, n);
    bufferUsed_ += n;
    data += n;
    count -= n;
    if (bufferUsed_ == kBufferSize) FlushBuffer();
  }
}

std::size_t CCompressedFile::ReadPlain(std::uint8_t* out, std::size_t count) {
  std::size_t produced = 0;
  while (produced < count) {
    if (bufferPos_ == bufferUsed_ && !FillBuffer()) break;
    const std::size_t n = std::min(count - produced, bufferUsed_ - bufferPos_);
    std::memcpy(out + produced, buffer_.get() + bufferPos_, n);
    bufferPos_ += n;
    produced += n;
  }
  return produced;
}

bool CCompressedFile::Write(const void* data, std::size_t count) {
  if (!open_ || direction_ != Direction::Writing) return false;
  if (count == 0) return !writeFailed_;
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  if (format_ == formatUncompressed) {
    WritePlain(bytes, count);
    uncompressedLength_ += count;
    compressedLength_ += count;
    return !writeFailed_;
  }
  // The entry header stores 32-bit lengths; refuse what would not fit rather than wrap.
  if (count > kMaxEntryLength - uncompressedLength_ || compressedLength_ + 4 * std::uint64_t{count} + 16 > kMaxEntryLength)
    return false;
  CompressBytes(bytes, count);
  uncompressedLength_ += count;
  return !writeFailed_;
}

std::size_t CCompressedFile::Read(void* buffer, std::size_t count) {
  if (!open_ || direction_ != Direction::Reading) return 0;
  const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(count, uncompressedLength_ - produced_));
  if (n == 0) return 0;
  auto* out = static_cast<std::uint8_t*>(buffer);
  const std::size_t got = (format_ == formatUncompressed) ? ReadPlain(out, n) : ExpandBytes(out, n);
  produced_ += got;
  return got;
}

bool CCompressedFile::FinishOutput() {
  if (format_ != formatUncompressed) {
    int bitsInRack = 0;
    for (unsigned m = 0x80; m != mask_; m >>= 1) ++bitsInRack;
    const std::uint64_t markerStart = compressedLength_ * 8 + static_cast<std::uint64_t>(bitsInRack);
    WriteEndMarker();
    // The partial last byte is left out, as readers expect, when it holds only end-marker
    // bits; when data bits share it (a short Huffman end code) it is written so no data is lost.
    if (mask_ != 0x80 && markerStart > compressedLength_ * 8) PutByte(rack_);
    rack_ = 0;
    mask_ = 0x80;
  }
  FlushBuffer();
  if (format_ != formatUncompressed && !writeFailed_) {
    std::uint8_t header[kEntryHeaderSize];
    StoreLittleEndian32(header, uncompressedLength_);
    StoreLittleEndian32(header + 4, compressedLength_);
    if (!file_->Seek(headerPosition_, writeError_) || !file_->Write(header, sizeof header, writeError_))
      writeFailed_ = true;
  }
  return !writeFailed_;
}

bool CCompressedFile::Close() {
  if (!open_) return false;
  bool ok = true;
  if (direction_ == Direction::Writing) ok = FinishOutput();
  FileException error;
  if (!file_->Close(error)) {
    if (direction_ == Direction::Writing && !writeFailed_) writeError_ = error;
    ok = false;
  }
  file_.reset();
  buffer_.reset();
  open_ = false;
  direction_ = Direction::None;
  return ok;
}
