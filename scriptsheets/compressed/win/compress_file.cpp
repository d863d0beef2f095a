#include "compress_file.h"

#include "compress_in_place.h"
#include "win32_file_system.h"

namespace orv::compressed {

bool CompressFile(const std::wstring& path, const std::wstring& webFolder, FileException* error) {
  return CompressFileInPlace(PlatformFileSystem(), path, webFolder, error);
}

}  // namespace orv::compressed
