#include "CCompressedFile.h"
#include "CHuffmanFile.h"
#include "CLzssFile.h"
#include "CLzwFile.h"
#include "CUncompressedFile.h"

std::unique_ptr<CCompressedFile> CreateCompressedFile(orv::compressed::FileSystem& fs, const std::wstring& path,
                                                      int format) {
  if (!path.empty()) format = CCompressedFile::Detect(fs, path);
  switch (format) {
    case CCompressedFile::formatHuffman: return std::make_unique<CHuffmanFile>(fs);
    case CCompressedFile::formatLzss: return std::make_unique<CLzssFile>(fs);
    case CCompressedFile::formatLzw: return std::make_unique<CLzwFile>(fs);
    default: return std::make_unique<CUncompressedFile>(fs);
  }
}
