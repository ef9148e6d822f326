#include "platform/safe_file_writer.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace qx {

namespace {

// The folder that holds path, "." for a bare name.
std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A short hidden name for a temporary file in folder, so that any file name the
// folder allows leaves room for it.
std::string TemporaryName(const std::string& folder, int attempt) {
    return folder + "/.qx" + std::to_string(::getpid()) + "-" + std::to_string(attempt) + ".tmp";
}

// Makes a rename in folder last through a power cut; a folder that cannot be synced
// (some network file systems) still holds the renamed file.
void SyncFolder(const std::string& folder) {
    const int handle = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0) return;
    ::fsync(handle);
    ::close(handle);
}

}  // namespace

SafeFileWriter::SafeFileWriter(const std::string& path) {
    char resolved[PATH_MAX];
    target = ::realpath(path.c_str(), resolved) != nullptr ? resolved : path;
    struct stat status {};
    const bool exists = ::stat(target.c_str(), &status) == 0;
    if (exists && (S_ISDIR(status.st_mode) || ::access(target.c_str(), W_OK) != 0)) {
        Fail(FileError::kAccessDenied);
        return;
    }
    OpenTemporary(FolderOf(target));
    // The replacement keeps the permissions of the file it replaces.
    if (file >= 0 && exists) ::fchmod(file, status.st_mode & 07777);
}

SafeFileWriter::~SafeFileWriter() {
    if (file >= 0) ::close(file);
    if (!temporary.empty()) ::unlink(temporary.c_str());
}

void SafeFileWriter::OpenTemporary(const std::string& folder) {
    // The kernel frees an unnamed file when its writer ends, however it ends.
    file = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    unnamed = file >= 0;
    // A file system without unnamed files (a FAT stick, a network share) gets a named
    // one, removed again when the writing fails.
    const bool unsupported = file < 0 && (errno == EOPNOTSUPP || errno == EISDIR);
    for (int attempt = 0; unsupported && attempt < 100 && file < 0; ++attempt) {
        temporary = TemporaryName(folder, attempt);
        file = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (file < 0 && errno != EEXIST) break;
    }
    if (file < 0) {
        const int number = errno;
        temporary.clear();
        FailWithErrno(number);
    }
}

// Gives a complete unnamed file a short name of its own beside the target, so that
// a rename can then put it in place of the target in one step.
bool SafeFileWriter::NameTemporary() {
    const std::string self = "/proc/self/fd/" + std::to_string(file);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = TemporaryName(FolderOf(target), attempt);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temporary.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return true;
        if (errno != EEXIST) break;
    }
    const int number = errno;
    temporary.clear();
    FailWithErrno(number);
    return false;
}

void SafeFileWriter::Fail(FileError failure) {
    if (error == FileError::kNone) error = failure;
}

void SafeFileWriter::FailWithErrno(int number) { Fail(FileErrorOfErrno(number, true)); }

bool SafeFileWriter::Write(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0 && error == FileError::kNone) {
        const ssize_t written = ::write(file, bytes, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            FailWithErrno(written < 0 ? errno : ENOSPC);
            break;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return error == FileError::kNone;
}

bool SafeFileWriter::Commit() {
    if (file < 0) return false;
    bool complete = error == FileError::kNone;
    if (complete && ::fsync(file) != 0) {
        FailWithErrno(errno);
        complete = false;
    }
    complete = complete && (!unnamed || NameTemporary());
    if (::close(file) != 0) FailWithErrno(errno);
    file = -1;
    if (!complete || error != FileError::kNone) return false;
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        FailWithErrno(errno);
        return false;
    }
    temporary.clear();
    SyncFolder(FolderOf(target));
    return true;
}

FileError WriteFileSafely(const std::string& path, std::string_view bytes) {
    SafeFileWriter writer(path);
    writer.Write(bytes.data(), bytes.size());
    writer.Commit();
    return writer.GetError();
}

}  // namespace qx
