#ifndef QX_PLATFORM_SAFE_FILE_WRITER_H
#define QX_PLATFORM_SAFE_FILE_WRITER_H

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/file_error.h"

namespace qx {

// Replaces a file without ever leaving it half written: the bytes go to an unnamed
// file in the target's folder, which Commit syncs to disk and puts in place of the
// target in one rename, keeping the permission bits of the file it replaces. A writer
// destroyed without Commit (a failure, a crash, a kill) leaves the target as it was and
// nothing beside it; on a file system without unnamed files a named temporary stands
// in and is removed on failure. In a folder where no file can be made (a writable file
// in a read-only folder) the file is written in place, with its old bytes held in
// memory and put back when the writing fails or is abandoned. The first error met is
// kept and ends the writing.
class SafeFileWriter {
  public:
    // Starts replacing the file at path; a link is followed, so the file it points to
    // is replaced. A folder, a device, a pipe or a file the user may not write is
    // refused.
    explicit SafeFileWriter(const std::string& path);
    // Abandons the writing unless Commit succeeded.
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    // Appends size bytes; false once an error is kept.
    bool Write(const void* data, std::size_t size);
    // Syncs the bytes, puts the file in place of the target and syncs the folder;
    // false (the error kept, the target untouched) on failure.
    bool Commit();
    // The first error met, kNone while everything went through.
    FileError GetError() const { return error; }

  private:
    void OpenTemporary(const std::string& folder);
    // Opens the target itself for writing in place, its old bytes kept in backup.
    void OpenInPlace();
    // Puts the old bytes back into a target written in place.
    void RestoreInPlace();
    bool CommitInPlace();
    bool NameTemporary();
    void Fail(FileError failure);
    void FailWithErrno(int number);

    std::string target;     // the file to replace: the path with links followed
    std::string temporary;  // a named file written until Commit; empty when none
    bool unnamed = false;   // writing into a file with no name until Commit
    bool inPlace = false;   // writing the target itself, backup holding its old bytes
    std::string backup;
    std::size_t bytesWritten = 0;
    int file = -1;
    FileError error = FileError::kNone;
};

// Writes bytes as the whole new content of the file at path through a SafeFileWriter;
// the first error met, or kNone.
FileError WriteFileSafely(const std::string& path, std::string_view bytes);

}  // namespace qx

#endif  // QX_PLATFORM_SAFE_FILE_WRITER_H
