#include "platform/safe_file_writer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

#include "test_support/file_size_limit.h"
#include "test_support/temp_folder.h"

namespace qx {
namespace {

// A link to a device or a pipe leads the writer to a node it must not replace by a
// regular file of its own.
TEST(SafeFileWriter, RefusesToReplaceWhatIsNotARegularFile) {
    TempFolder folder;
    const std::string pipe = folder.Path("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::string toPipe = folder.Path("to-pipe.opt");
    const std::string toNull = folder.Path("to-null.csv");
    ASSERT_EQ(::symlink(pipe.c_str(), toPipe.c_str()), 0);
    ASSERT_EQ(::symlink("/dev/null", toNull.c_str()), 0);
    const struct {
        std::string path;
        std::string node;
        mode_t type;
    } cases[] = {{pipe, pipe, S_IFIFO}, {toPipe, pipe, S_IFIFO}, {toNull, "/dev/null", S_IFCHR}};
    for (const auto& c : cases) {
        EXPECT_EQ(WriteFileSafely(c.path, "bytes"), FileError::kNotRegularFile) << c.path;
        struct stat status {};
        ASSERT_EQ(::stat(c.node.c_str(), &status), 0) << c.node;
        EXPECT_EQ(status.st_mode & S_IFMT, c.type) << c.node << " was replaced";
    }
    EXPECT_EQ(FileErrorText(FileError::kNotRegularFile, "/dev/null"),
              "/dev/null is not a regular file (it is a device, a pipe or a socket), so it is "
              "not replaced.");
    EXPECT_EQ(folder.CountEntries(), 3) << "nothing was left beside the nodes";
}

// Runs check as a user who may write path but not make files in its folder, and
// returns its exit code: as nobody when the test runs as the superuser, who may make
// files anywhere.
int RunWithoutFolderAccess(const std::string& folder, const std::string& path,
                           const std::function<int()>& check) {
    const bool superuser = ::geteuid() == 0;
    const uid_t nobody = 65534;
    if (superuser && ::chown(path.c_str(), nobody, nobody) != 0) return 90;
    if (::chmod(folder.c_str(), 0555) != 0) return 91;
    const pid_t child = ::fork();
    if (child == 0) {
        if (superuser && (::setgid(nobody) != 0 || ::setuid(nobody) != 0)) ::_exit(92);
        ::_exit(check());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ::chmod(folder.c_str(), 0700);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 93;
}

// A writable document in a read-only folder is written in place; a write that fails
// there puts the old bytes back.
TEST(SafeFileWriter, WritesInPlaceWhereNoFileCanBeMadeBesideTheTarget) {
    TempFolder temp;
    ASSERT_EQ(::chmod(temp.Path("").c_str(), 0711), 0);  // passable for the other user
    const std::string folder = temp.Path("read-only");
    ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
    const std::string path = folder + "/doc.opt";
    WriteFileBytes(path, "the previous, longer content");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    const int code = RunWithoutFolderAccess(folder, path, [&] {
        if (WriteFileSafely(path, "new") != FileError::kNone) return 1;
        if (ReadFileBytes(path) != "new") return 2;
        {
            ScopedFileSizeLimit limit(1000);
            if (WriteFileSafely(path, std::string(5000, 'x')) != FileError::kDiskFull) return 3;
        }
        if (ReadFileBytes(path) != "new") return 4;
        {
            SafeFileWriter abandoned(path);
            abandoned.Write("half", 4);
        }
        return ReadFileBytes(path) == "new" ? 0 : 5;
    });
    EXPECT_EQ(code, 0) << "1: refused, 2: not written, 3: the failure not told, 4: the old "
                          "bytes lost, 5: an abandoned writing not undone";
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(temp.CountEntries(), 1);
}

}  // namespace
}  // namespace qx
