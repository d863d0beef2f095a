// The format without compression: the file is its single entry, with no header.
#pragma once
#include "CCompressedFile.h"

class CUncompressedFile : public CCompressedFile {
 public:
  explicit CUncompressedFile(orv::compressed::FileSystem& fs) : CCompressedFile(fs, formatUncompressed) {}

 protected:
  // Plain bytes are copied by the base class; there is no model.
  void InitModel() override {}
  void CompressBytes(const std::uint8_t*, std::size_t) override {}
  std::size_t ExpandBytes(std::uint8_t*, std::size_t) override { return 0; }
  void WriteEndMarker() override {}
};
