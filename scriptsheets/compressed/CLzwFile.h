// LZW with variable code width (9 to 15 bits), a code to widen the codes and a code to
// restart the dictionary when it is full.
#pragma once
#include <memory>

#include "CCompressedFile.h"

class CLzwFile : public CCompressedFile {
 public:
  explicit CLzwFile(orv::compressed::FileSystem& fs);
  ~CLzwFile() override;

  static constexpr int kEndOfStream = 256;
  static constexpr int kBumpCode = 257;
  static constexpr int kFlushCode = 258;
  static constexpr int kFirstCode = 259;
  static constexpr int kMaxCode = 32767;
  static constexpr int kTableSize = 35023;
  static constexpr int kMaxCodeBits = 15;

 protected:
  bool AllocateModel() override;
  void InitModel() override;
  void CompressBytes(const std::uint8_t* data, std::size_t count) override;
  std::size_t ExpandBytes(std::uint8_t* out, std::size_t count) override;
  void WriteEndMarker() override;

 private:
#pragma pack(push, 1)
  struct DictionaryEntry {
    int codeValue;
    int parentCode;
    std::uint8_t character;
  };
#pragma pack(pop)
  static constexpr int kBankSize = 256;
  static constexpr int kBankCount = (kTableSize + kBankSize - 1) / kBankSize;  // 137

  DictionaryEntry& Entry(int index) { return banks_[index / kBankSize][index % kBankSize]; }
  void ResetDictionary();
  int FindChildNode(int parentCode, int character);
  // Pushes the string of `code` onto the decode stack from `count` on; the new count,
  // or 0 when the chain does not fit (a corrupt stream).
  std::size_t DecodeString(std::size_t count, int code);

  std::unique_ptr<DictionaryEntry[]> banks_[kBankCount];
  std::unique_ptr<std::uint8_t[]> decodeStack_;
  int nextCode_ = kFirstCode;
  int codeBits_ = 9;
  int nextBumpCode_ = 511;
  // Compression.
  bool haveString_ = false;
  int stringCode_ = 0;
  // Expansion, resumable at any output byte.
  bool needFirstCode_ = true;
  bool ended_ = false;
  int oldCode_ = 0;
  int character_ = 0;
  std::size_t stackCount_ = 0;  // bytes of the current string not yet delivered
};
