#include "CLzwFile.h"

#include <new>

CLzwFile::CLzwFile(orv::compressed::FileSystem& fs) : CCompressedFile(fs, formatLzw) {}

CLzwFile::~CLzwFile() = default;

bool CLzwFile::AllocateModel() {
  for (auto& bank : banks_) {
    if (!bank) bank.reset(new (std::nothrow) DictionaryEntry[kBankSize]());
    if (!bank) return false;
  }
  if (!decodeStack_) decodeStack_.reset(new (std::nothrow) std::uint8_t[kTableSize]());
  return decodeStack_ != nullptr;
}

void CLzwFile::ResetDictionary() {
  for (int i = 0; i < kTableSize; ++i) Entry(i).codeValue = -1;
  nextCode_ = kFirstCode;
  codeBits_ = 9;
  nextBumpCode_ = 511;
}

void CLzwFile::InitModel() {
  ResetDictionary();
  haveString_ = false;
  stringCode_ = 0;
  needFirstCode_ = true;
  ended_ = false;
  oldCode_ = character_ = 0;
  stackCount_ = 0;
}

int CLzwFile::FindChildNode(int parentCode, int character) {
  int index = (character << (kMaxCodeBits - 8)) ^ parentCode;
  const int offset = (index == 0) ? 1 : kTableSize - index;
  for (;;) {
    const DictionaryEntry& entry = Entry(index);
    if (entry.codeValue == -1) return index;
    if (entry.parentCode == parentCode && entry.character == character) return index;
    index -= offset;
    if (index < 0) index += kTableSize;
  }
}

void CLzwFile::CompressBytes(const std::uint8_t* data, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    const int character = data[i];
    if (!haveString_) {
      stringCode_ = character;
      haveString_ = true;
      continue;
    }
    DictionaryEntry& entry = Entry(FindChildNode(stringCode_, character));
    if (entry.codeValue != -1) {
      stringCode_ = entry.codeValue;
      continue;
    }
    entry.codeValue = nextCode_++;
    entry.parentCode = stringCode_;
    entry.character = static_cast<std::uint8_t>(character);
    OutputBits(static_cast<std::uint32_t>(stringCode_), codeBits_);
    stringCode_ = character;
    if (nextCode_ > kMaxCode) {
      OutputBits(kFlushCode, codeBits_);
      ResetDictionary();
    } else if (nextCode_ > nextBumpCode_) {
      OutputBits(kBumpCode, codeBits_);
      ++codeBits_;
      nextBumpCode_ = 2 * nextBumpCode_ + 1;
    }
  }
}

void CLzwFile::WriteEndMarker() {
  OutputBits(static_cast<std::uint32_t>(haveString_ ? stringCode_ : 0), codeBits_);
  OutputBits(kEndOfStream, codeBits_);
}

std::size_t CLzwFile::DecodeString(std::size_t count, int code) {
  while (code > 255) {
    if (count >= static_cast<std::size_t>(kTableSize) || code >= kTableSize) return 0;
    const DictionaryEntry& entry = Entry(code);
    decodeStack_[count++] = entry.character;
    code = entry.parentCode;
  }
  if (count >= static_cast<std::size_t>(kTableSize) || code < 0) return 0;
  decodeStack_[count++] = static_cast<std::uint8_t>(code);
  return count;
}

std::size_t CLzwFile::ExpandBytes(std::uint8_t* out, std::size_t count) {
  std::size_t produced = 0;
  while (produced < count) {
    if (stackCount_ > 0) {
      while (stackCount_ > 0 && produced < count) out[produced++] = decodeStack_[--stackCount_];
      continue;
    }
    if (ended_) break;
    const int code = static_cast<int>(InputBits(codeBits_));
    if (InputExhausted() || code == kEndOfStream) {
      ended_ = true;
      break;
    }
    if (needFirstCode_) {
      // After a reset the first code is a single byte; anything else is not a stream.
      if (code > 255) {
        ended_ = true;
        break;
      }
      oldCode_ = character_ = code;
      needFirstCode_ = false;
      decodeStack_[0] = static_cast<std::uint8_t>(code);
      stackCount_ = 1;
      continue;
    }
    if (code == kFlushCode) {
      ResetDictionary();
      needFirstCode_ = true;
      continue;
    }
    if (code == kBumpCode) {
      if (codeBits_ >= kMaxCodeBits) {
        ended_ = true;
        break;
      }
      ++codeBits_;
      continue;
    }
    std::size_t length = 0;
    if (code >= nextCode_) {
      // The code being defined: the previous string followed by its own first byte.
      if (code > nextCode_) {
        ended_ = true;
        break;
      }
      decodeStack_[0] = static_cast<std::uint8_t>(character_);
      length = DecodeString(1, oldCode_);
    } else {
      length = DecodeString(0, code);
    }
    if (length == 0) {
      ended_ = true;
      break;
    }
    character_ = decodeStack_[length - 1];
    if (nextCode_ < kTableSize) {
      DictionaryEntry& entry = Entry(nextCode_);
      entry.parentCode = oldCode_;
      entry.character = static_cast<std::uint8_t>(character_);
      ++nextCode_;
    }
    oldCode_ = code;
    stackCount_ = length;
  }
  return produced;
}
