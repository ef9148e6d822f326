#ifndef QX_PLATFORM_FILE_ERROR_H
#define QX_PLATFORM_FILE_ERROR_H

#include <string>

namespace qx {

// The kinds of file error the standard messages tell apart.
enum class FileError {
    kNone,
    kFileNotFound,
    kBadPath,
    kTooManyOpenFiles,
    kAccessDenied,
    kInvalidFile,
    kDirectoryFull,
    kHardwareIo,
    kSharingViolation,
    kLockViolation,
    kDiskFull,
    kEndOfFile,
    kGeneric,
    kOutOfMemory,
    kNotRegularFile,  // a device, a pipe or a socket where a file would be replaced
};

// The standard message of a file error about the file at path.
std::string FileErrorText(FileError error, const std::string& path);

// The file error an errno value stands for; creating tells a missing folder on the
// way to a new file (a bad path) from a missing file to read.
FileError FileErrorOfErrno(int number, bool creating);

}  // namespace qx

#endif  // QX_PLATFORM_FILE_ERROR_H
