// Compress-in-place of a published script file, on the platform's files.
#pragma once
#include <string>

#include "file_interface.h"

namespace orv::compressed {

// Replaces `path` by its LZW container, building it in a temporary file of `webFolder`
// (the project's web folder). The source is untouched when anything fails.
bool CompressFile(const std::wstring& path, const std::wstring& webFolder, FileException* error = nullptr);

}  // namespace orv::compressed
