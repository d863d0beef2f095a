// The platform's file error codes as causes of the compressed file family.
#pragma once
#include <windows.h>

#include "file_interface.h"

namespace orv::compressed {

FileErrorCause CauseFromWin32Error(DWORD error);

}  // namespace orv::compressed
