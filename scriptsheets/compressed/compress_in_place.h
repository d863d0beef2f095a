// Replaces a file by its LZW-compressed form, through a temporary file in a given folder.
#pragma once
#include <string>

#include "file_interface.h"

namespace orv::compressed {

// Compresses `sourcePath` into a new temporary file (prefix "tmp") in `temporaryFolder`,
// then puts it in the source's place. On any failure the source is left as it was, the
// temporary file is removed, false is returned and `error` (when given) says why.
bool CompressFileInPlace(FileSystem& fs, const std::wstring& sourcePath, const std::wstring& temporaryFolder,
                         FileException* error = nullptr);

}  // namespace orv::compressed
