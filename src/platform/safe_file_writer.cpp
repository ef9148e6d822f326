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
    // A rename would put a regular file where the device or pipe was.
    if (exists && !S_ISREG(status.st_mode)) {
        Fail(FileError::kNotRegularFile);
        return;
    }
    OpenTemporary(FolderOf(target));
    // No file can be made beside a writable file in a read-only folder.
    if (file < 0 && exists && error == FileError::kAccessDenied) {
        error = FileError::kNone;
        OpenInPlace();
        return;
    }
    // The replacement keeps the permissions of the file it replaces.
    if (file >= 0 && exists) ::fchmod(file, status.st_mode & 07777);
}

SafeFileWriter::~SafeFileWriter() {
    if (inPlace && file >= 0) RestoreInPlace();
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

void SafeFileWriter::OpenInPlace() {
    file = ::open(target.c_str(), O_RDWR | O_CLOEXEC);
    if (file < 0) return FailWithErrno(errno);
    inPlace = true;
    char chunk[65536];
    ssize_t got;
    while ((got = ::read(file, chunk, sizeof chunk)) != 0) {
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return FailWithErrno(errno);
        backup.append(chunk, static_cast<std::size_t>(got));
    }
    if (::lseek(file, 0, SEEK_SET) != 0) FailWithErrno(errno);
}

void SafeFileWriter::RestoreInPlace() {
    std::size_t done = 0;
    while (done < backup.size()) {
        const ssize_t put =
            ::pwrite(file, backup.data() + done, backup.size() - done, static_cast<off_t>(done));
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return;
        done += static_cast<std::size_t>(put);
    }
    if (::ftruncate(file, static_cast<off_t>(backup.size())) == 0) ::fsync(file);
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
        bytesWritten += static_cast<std::size_t>(written);
    }
    return error == FileError::kNone;
}

bool SafeFileWriter::Commit() {
    if (file < 0) return false;
    if (inPlace) return CommitInPlace();
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

bool SafeFileWriter::CommitInPlace() {
    if (error == FileError::kNone && ::ftruncate(file, static_cast<off_t>(bytesWritten)) != 0)
        FailWithErrno(errno);
    if (error == FileError::kNone && ::fsync(file) != 0) FailWithErrno(errno);
    if (error != FileError::kNone) RestoreInPlace();
    if (::close(file) != 0) FailWithErrno(errno);
    file = -1;
    return error == FileError::kNone;
}

FileError WriteFileSafely(const std::string& path, std::string_view bytes) {
    SafeFileWriter writer(path);
    writer.Write(bytes.data(), bytes.size());
    writer.Commit();
    return writer.GetError();
}

}  // namespace qx
