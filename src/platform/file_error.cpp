#include "platform/file_error.h"

#include <cerrno>

namespace qx {

FileError FileErrorOfErrno(int number, bool creating) {
    switch (number) {
        case ENOENT: return creating ? FileError::kBadPath : FileError::kFileNotFound;
        case ENOTDIR:
        case ENAMETOOLONG:
        case ELOOP:
        case EINVAL: return FileError::kBadPath;
        case EMFILE:
        case ENFILE: return FileError::kTooManyOpenFiles;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR: return FileError::kAccessDenied;
        case EBADF: return FileError::kInvalidFile;
        case EMLINK: return FileError::kDirectoryFull;
        case EIO: return FileError::kHardwareIo;
        case EBUSY:
        case ETXTBSY: return FileError::kSharingViolation;
        case ENOLCK:
        case EDEADLK: return FileError::kLockViolation;
        case ENOSPC:
        case EDQUOT:
        case EFBIG: return FileError::kDiskFull;
        case ENOMEM: return FileError::kOutOfMemory;
        default: return FileError::kGeneric;
    }
}

std::string FileErrorText(FileError error, const std::string& path) {
    static const char* const kTexts[] = {
        "",
        "%1 was not found.",
        "%1 contains an invalid path.",
        "%1 could not be opened because there are too many open files.",
        "Access to %1 was denied.",
        "An invalid file handle was associated with %1.",
        "%1 could not be created because the directory is full.",
        "A hardware I/O error was reported while accessing %1.",
        "A sharing violation occurred while accessing %1.",
        "A locking violation occurred while accessing %1.",
        "Disk full while accessing %1.",
        "An attempt was made to access %1 past its end.",
        "An unknown error occurred while accessing %1.",
        "Out of memory.",
        "%1 is not a regular file (it is a device, a pipe or a socket), so it is not replaced.",
    };
    std::string text = kTexts[static_cast<int>(error)];
    const std::size_t mark = text.find("%1");
    if (mark != std::string::npos) text.replace(mark, 2, path);
    return text;
}

}  // namespace qx
