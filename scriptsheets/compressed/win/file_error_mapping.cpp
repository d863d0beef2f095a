#include "file_error_mapping.h"

namespace orv::compressed {

FileErrorCause CauseFromWin32Error(DWORD error) {
  switch (error) {
    case NO_ERROR: return FileErrorCause::none;
    case ERROR_FILE_NOT_FOUND: return FileErrorCause::fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BAD_NETPATH:
    case ERROR_DIRECTORY: return FileErrorCause::badPath;
    case ERROR_TOO_MANY_OPEN_FILES: return FileErrorCause::tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_NETWORK_ACCESS_DENIED:
    case ERROR_DRIVE_LOCKED: return FileErrorCause::accessDenied;
    case ERROR_INVALID_HANDLE: return FileErrorCause::invalidFile;
    case ERROR_CURRENT_DIRECTORY: return FileErrorCause::removeCurrentDir;
    case ERROR_CANNOT_MAKE: return FileErrorCause::directoryFull;
    case ERROR_SEEK:
    case ERROR_NEGATIVE_SEEK:
    case ERROR_SEEK_ON_DEVICE: return FileErrorCause::badSeek;
    case ERROR_CRC:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_GEN_FAILURE:
    case ERROR_SECTOR_NOT_FOUND:
    case ERROR_NOT_READY:
    case ERROR_IO_DEVICE: return FileErrorCause::hardIO;
    case ERROR_SHARING_VIOLATION:
    case ERROR_SHARING_BUFFER_EXCEEDED: return FileErrorCause::sharingViolation;
    case ERROR_LOCK_VIOLATION:
    case ERROR_LOCK_FAILED: return FileErrorCause::lockViolation;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return FileErrorCause::diskFull;
    case ERROR_HANDLE_EOF: return FileErrorCause::endOfFile;
    default: return FileErrorCause::genericException;
  }
}

}  // namespace orv::compressed
