#include "platform/archive.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "test_support/file_size_limit.h"
#include "test_support/temp_folder.h"

namespace qx {
namespace {

using Bytes = std::string;

// The bytes a storing archive writes for what store puts into it.
Bytes Stored(const std::function<void(CArchive&)>& store) {
    TempFolder folder;
    const std::string path = folder.Path("out.opt");
    {
        CArchive archive(path, CArchive::Mode::kStore);
        store(archive);
        EXPECT_TRUE(archive.Close()) << archive.GetOutcome().GetReason();
    }
    return ReadFileBytes(path);
}

// A loading archive over a file holding bytes, kept with its folder.
struct Loading {
    explicit Loading(const Bytes& bytes)
        : path(folder.Path("in.opt")),
          archive((WriteFileBytes(path, bytes), path), CArchive::Mode::kLoad) {}
    TempFolder folder;
    std::string path;
    CArchive archive;
};

std::string Hex(const Bytes& bytes) {
    static const char* digits = "0123456789ABCDEF";
    std::string text;
    for (unsigned char c : bytes) {
        text += digits[c >> 4];
        text += digits[c & 15];
        text += ' ';
    }
    return text;
}

TEST(CArchive, WritesPrimitivesLittleEndianWithoutPadding) {
    struct Case {
        const char* what;
        std::function<void(CArchive&)> store;
        Bytes expected;
    };
    const std::vector<Case> cases = {
        {"int32 1",
         [](CArchive& a) {
             std::int32_t v = 1;
             a.Exchange(v);
         },
         Bytes("\1\0\0\0", 4)},
        {"int32 -2",
         [](CArchive& a) {
             std::int32_t v = -2;
             a.Exchange(v);
         },
         "\xFE\xFF\xFF\xFF"},
        {"int32 0x01020304",
         [](CArchive& a) {
             std::int32_t v = 0x01020304;
             a.Exchange(v);
         },
         "\x04\x03\x02\x01"},
        {"float64 1.5",
         [](CArchive& a) {
             double v = 1.5;
             a.Exchange(v);
         },
         Bytes("\0\0\0\0\0\0\xF8\x3F", 8)},
        {"float64 -0.1",
         [](CArchive& a) {
             double v = -0.1;
             a.Exchange(v);
         },
         "\x9A\x99\x99\x99\x99\x99\xB9\xBF"},
        {"time 1000000000",
         [](CArchive& a) {
             CTime v(1000000000);
             a.Exchange(v);
         },
         Bytes("\x00\xCA\x9A\x3B", 4)},
        {"time 2^31-1",
         [](CArchive& a) {
             CTime v(0x7FFFFFFF);
             a.Exchange(v);
         },
         "\xFF\xFF\xFF\x7F"},
        {"int then text",
         [](CArchive& a) {
             std::int32_t v = 7;
             std::string t = "ab";
             a.Exchange(v);
             a.Exchange(t);
         },
         Bytes("\7\0\0\0\2ab", 7)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Hex(Stored(c.store)), Hex(c.expected)) << c.what;
    }
}

TEST(CArchive, TextLengthPrefixTakesOneThreeOrSevenBytes) {
    struct Case {
        std::size_t length;
        Bytes prefix;
    };
    const std::vector<Case> cases = {
        {0, Bytes("\0", 1)},
        {1, "\x01"},
        {254, "\xFE"},
        {255, Bytes("\xFF\xFF\x00", 3)},
        {256, Bytes("\xFF\x00\x01", 3)},
        {65533, "\xFF\xFD\xFF"},
        {65534, Bytes("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7)},
        {70000, Bytes("\xFF\xFF\xFF\x70\x11\x01\x00", 7)},
    };
    for (const Case& c : cases) {
        std::string text(c.length, 'x');
        const Bytes bytes = Stored([&](CArchive& a) { a.Exchange(text); });
        ASSERT_EQ(bytes.size(), c.prefix.size() + c.length) << "length " << c.length;
        EXPECT_EQ(Hex(bytes.substr(0, c.prefix.size())), Hex(c.prefix)) << "length " << c.length;

        Loading in(bytes);
        std::string back = "previous";
        in.archive.Exchange(back);
        EXPECT_TRUE(in.archive.EndRecord()) << "length " << c.length;
        EXPECT_EQ(back, text) << "length " << c.length;
    }
}

TEST(CArchive, ReadsBackWhatItWroteAcrossBufferBoundaries) {
    // Values of odd sizes, so that many of them straddle the end of a buffer.
    const int kValues = 3000;
    const Bytes bytes = Stored([&](CArchive& a) {
        for (int i = 0; i < kValues; ++i) {
            std::int32_t n = i * 7919 - 5000;
            double x = i / 3.0;
            std::string t(i % 5, static_cast<char>('a' + i % 26));
            a.Exchange(n);
            a.Exchange(x);
            a.Exchange(t);
        }
    });
    ASSERT_GT(bytes.size(), 4 * CArchive::kBufferSize);
    Loading in(bytes);
    for (int i = 0; i < kValues; ++i) {
        std::int32_t n = 0;
        double x = 0;
        std::string t;
        in.archive.Exchange(n);
        in.archive.Exchange(x);
        in.archive.Exchange(t);
        ASSERT_EQ(n, i * 7919 - 5000) << "value " << i;
        ASSERT_EQ(x, i / 3.0) << "value " << i;
        ASSERT_EQ(t, std::string(i % 5, static_cast<char>('a' + i % 26))) << "value " << i;
    }
    EXPECT_TRUE(in.archive.EndRecord());
}

TEST(CArchive, LoadsTextsOfOtherEncodingsAsUtf8) {
    struct Case {
        const char* what;
        Bytes file;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"UTF-8 stays as it is",
         "\x06"
         "caf\xC3\xA9!",
         "caf\xC3\xA9!"},
        {"Windows-1252 e acute",
         "\x04"
         "caf\xE9",
         "caf\xC3\xA9"},
        {"Windows-1252 euro and quotes", "\x03\x80\x93\x94",
         "\xE2\x82\xAC\xE2\x80\x9C\xE2\x80\x9D"},
        {"a lone continuation byte",
         "\x02"
         "a\xA0",
         "a\xC2\xA0"},
        {"an overlong slash", "\x02\xC0\xAF", "\xC3\x80\xC2\xAF"},
        {"wide text",
         Bytes("\xFF\xFE\xFF\x02"
               "a\0\xE9\0",
               8),
         "a\xC3\xA9"},
        {"wide text with a surrogate pair", Bytes("\xFF\xFE\xFF\x02\x3D\xD8\x00\xDE", 8),
         "\xF0\x9F\x98\x80"},
        {"wide text with a lone surrogate", Bytes("\xFF\xFE\xFF\x01\x00\xDC", 6), "\xEF\xBF\xBD"},
        {"empty wide text", Bytes("\xFF\xFE\xFF\x00", 4), ""},
    };
    for (const Case& c : cases) {
        Loading in(c.file);
        std::string text;
        in.archive.Exchange(text);
        EXPECT_TRUE(in.archive.EndRecord()) << c.what;
        EXPECT_EQ(text, c.expected) << c.what;
    }
}

TEST(CArchive, DamagedOrShortInputFailsWithItsMessageAndReadsNothing) {
    const std::string kPastEnd = "An attempt was made to access %1 past its end.";
    const std::string kUnknown = "An unknown error occurred while accessing %1.";
    struct Case {
        const char* what;
        Bytes file;
        char kind;  // i int32, d float64, t text
        std::string message;
    };
    const std::vector<Case> cases = {
        {"empty file, int", "", 'i', kPastEnd},
        {"int cut short", "\1\2\3", 'i', kPastEnd},
        {"double cut short", "\0\0\0\0\0\0\xF8", 'd', kPastEnd},
        {"text cut short",
         "\x05"
         "abc",
         't', kPastEnd},
        {"16-bit length beyond the end",
         "\xFF\x00\x10"
         "abc",
         't', kPastEnd},
        {"32-bit length of 4 GiB",
         "\xFF\xFF\xFF\xFF\xFF\xFF\xFF"
         "abc",
         't', kPastEnd},
        {"wide length beyond the end",
         "\xFF\xFE\xFF\x03"
         "a\0b\0",
         't', kPastEnd},
        {"length prefix cut short", "\xFF\x01", 't', kPastEnd},
        {"wide mark twice", "\xFF\xFE\xFF\xFF\xFE\xFF\x00", 't', kUnknown},
        {"NaN", Bytes("\0\0\0\0\0\0\xF8\x7F", 8), 'd', kUnknown},
        {"infinity", Bytes("\0\0\0\0\0\0\xF0\xFF", 8), 'd', kUnknown},
    };
    for (const Case& c : cases) {
        Loading in(c.file);
        std::int32_t n = 99;
        double x = 99;
        std::string t = "previous";
        if (c.kind == 'i') in.archive.Exchange(n);
        if (c.kind == 'd') in.archive.Exchange(x);
        if (c.kind == 't') in.archive.Exchange(t);
        EXPECT_EQ(n, c.kind == 'i' ? 0 : 99) << c.what;
        EXPECT_EQ(x, c.kind == 'd' ? 0 : 99) << c.what;
        EXPECT_EQ(t, c.kind == 't' ? "" : "previous") << c.what;
        EXPECT_FALSE(in.archive.EndRecord()) << c.what;
        const Outcome outcome = in.archive.GetOutcome();
        ASSERT_FALSE(outcome.IsAccepted()) << c.what;
        std::string expected = c.message;
        expected.replace(expected.find("%1"), 2, in.path);
        EXPECT_EQ(outcome.GetReason(), expected) << c.what;
    }
}

TEST(CArchive, KeepsTheFirstErrorAndReadsZeroAfterIt) {
    Loading in("\x01\x02");
    std::int32_t first = 5;
    std::int32_t second = 5;
    in.archive.Exchange(first);
    in.archive.Exchange(second);
    in.archive.Expect(false);
    EXPECT_FALSE(in.archive.EndRecord());
    EXPECT_FALSE(in.archive.EndRecord());
    EXPECT_EQ(in.archive.GetOutcome().GetReason(),
              "An attempt was made to access " + in.path + " past its end.");
    EXPECT_EQ(in.archive.GetError(), FileError::kEndOfFile);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 0);
}

TEST(CArchive, ExpectRangeMarksOnlyLoadedValuesOutsideTheRange) {
    Loading in("");
    in.archive.ExpectRange(2, 0, 2);
    EXPECT_TRUE(in.archive.EndRecord());
    in.archive.ExpectRange(3, 0, 2);
    EXPECT_EQ(in.archive.GetError(), FileError::kGeneric);

    TempFolder folder;
    CArchive out(folder.Path("x"), CArchive::Mode::kStore);
    out.ExpectRange(3, 0, 2);
    EXPECT_TRUE(out.EndRecord());
}

TEST(CArchive, OpeningFailuresGiveTheStandardTexts) {
    TempFolder folder;
    const std::string missing = folder.Path("missing.opt");
    const std::string noFolder = folder.Path("no/such/folder.opt");
    const std::string aFolder = folder.Path("sub");
    ASSERT_EQ(::mkdir(aFolder.c_str(), 0700), 0);
    // A named pipe nobody writes to must be refused, not waited on.
    const std::string aPipe = folder.Path("pipe.opt");
    ASSERT_EQ(::mkfifo(aPipe.c_str(), 0600), 0);
    struct Case {
        std::string path;
        CArchive::Mode mode;
        std::string message;
    };
    const std::vector<Case> cases = {
        {missing, CArchive::Mode::kLoad, missing + " was not found."},
        {noFolder, CArchive::Mode::kLoad, noFolder + " contains an invalid path."},
        {aPipe, CArchive::Mode::kLoad, "Access to " + aPipe + " was denied."},
        {noFolder, CArchive::Mode::kStore, noFolder + " contains an invalid path."},
        {aFolder, CArchive::Mode::kLoad, "Access to " + aFolder + " was denied."},
        {aFolder, CArchive::Mode::kStore, "Access to " + aFolder + " was denied."},
    };
    for (const Case& c : cases) {
        CArchive archive(c.path, c.mode);
        std::int32_t n = 0;
        archive.Exchange(n);
        EXPECT_FALSE(archive.EndRecord()) << c.path;
        EXPECT_EQ(archive.GetOutcome().GetReason(), c.message) << c.path;
    }
}

TEST(CArchive, FileErrorTextsNameThePath) {
    EXPECT_EQ(FileErrorText(FileError::kDiskFull, "/a/b.opt"),
              "Disk full while accessing /a/b.opt.");
    EXPECT_EQ(FileErrorText(FileError::kSharingViolation, "x"),
              "A sharing violation occurred while accessing x.");
    EXPECT_EQ(FileErrorText(FileError::kOutOfMemory, "x"), "Out of memory.");
}

// Stores text over path, the archive closed when close says so; gives how it went.
Outcome StoreText(const std::string& path, const std::string& text, bool close) {
    CArchive archive(path, CArchive::Mode::kStore);
    std::string copy = text;
    archive.Exchange(copy);
    if (close) archive.Close();
    return archive.GetOutcome();
}

TEST(CArchive, StoreReplacesTheTargetOnlyWhenClosed) {
    TempFolder folder;
    const std::string path = folder.Path("doc.opt");
    WriteFileBytes(path, "previous content");

    StoreText(path, "never closed", false);
    EXPECT_EQ(ReadFileBytes(path), "previous content");
    EXPECT_EQ(folder.CountEntries(), 1) << "a temporary file was left behind";

    const Outcome stored = StoreText(path, "new", true);
    EXPECT_EQ(ReadFileBytes(path), "\x03new");
    EXPECT_EQ(folder.CountEntries(), 1);
    EXPECT_TRUE(stored.IsAccepted()) << stored.GetReason();
}

TEST(CArchive, StoreKeepsPermissionsAndFollowsLinks) {
    TempFolder folder;
    const std::string real = folder.Path("real.opt");
    const std::string link = folder.Path("link.opt");
    WriteFileBytes(real, "old");
    ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
    ASSERT_EQ(::symlink(real.c_str(), link.c_str()), 0);

    StoreText(link, "new", true);

    struct stat linkStatus {};
    ASSERT_EQ(::lstat(link.c_str(), &linkStatus), 0);
    EXPECT_TRUE(S_ISLNK(linkStatus.st_mode)) << "the link was replaced by a file";
    EXPECT_EQ(ReadFileBytes(real), "\x03new");
    struct stat realStatus {};
    ASSERT_EQ(::stat(real.c_str(), &realStatus), 0);
    EXPECT_EQ(realStatus.st_mode & 0777, 0640u);
}

TEST(CArchive, StoreRefusesAReadOnlyTarget) {
    if (::geteuid() == 0) GTEST_SKIP() << "the superuser may write any file";
    TempFolder folder;
    const std::string path = folder.Path("locked.opt");
    WriteFileBytes(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    EXPECT_EQ(StoreText(path, "new", true).GetReason(), "Access to " + path + " was denied.");
    EXPECT_EQ(ReadFileBytes(path), "old");
}

TEST(CArchive, StoreThatRunsOutOfSpaceLeavesThePreviousFile) {
    TempFolder folder;
    const std::string path = folder.Path("doc.opt");
    WriteFileBytes(path, "previous content");
    Outcome stored = Outcome::Accepted();
    {
        ScopedFileSizeLimit limit(1000);
        stored = StoreText(path, std::string(20000, 'n'), true);
    }
    EXPECT_EQ(stored.GetReason(), "Disk full while accessing " + path + ".");
    EXPECT_EQ(ReadFileBytes(path), "previous content");
    EXPECT_EQ(folder.CountEntries(), 1) << "a temporary file was left behind";
}

TEST(CArchive, StoreKilledMidwayLeavesNothingBehind) {
    TempFolder folder;
    const std::string path = folder.Path("doc.opt");
    WriteFileBytes(path, "previous content");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The file-size signal, not ignored, kills the writer halfway through its file.
        const rlimit noCore{0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit small{8192, 8192};
        ::setrlimit(RLIMIT_FSIZE, &small);
        StoreText(path, std::string(100000, 'n'), true);
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << "status " << status;
    EXPECT_EQ(ReadFileBytes(path), "previous content");
    EXPECT_EQ(folder.CountEntries(), 1) << "a temporary file was left behind";
}

TEST(CArchive, StoreTakesTheLongestNameTheFolderAllows) {
    TempFolder folder;
    const std::string path = folder.Path(std::string(251, 'n') + ".opt");
    const Outcome stored = StoreText(path, "long", true);
    EXPECT_TRUE(stored.IsAccepted()) << stored.GetReason();
    EXPECT_EQ(ReadFileBytes(path), "\x04long");
    EXPECT_EQ(folder.CountEntries(), 1);
}

TEST(CArchive, TextBeyondTheLargestADocumentHoldsIsRefused) {
    TempFolder folder;
    // A sparse file costs nothing to make, so its size vouches for no length prefix.
    const std::string path = folder.Path("sparse.opt");
    WriteFileBytes(path, Bytes("\xFF\xFF\xFF\x01\x00\x00\x01", 7));  // 16 MiB + 1 follow
    ASSERT_EQ(::truncate(path.c_str(), std::int64_t{1} << 32), 0);
    {
        CArchive in(path, CArchive::Mode::kLoad);
        std::string text = "previous";
        in.Exchange(text);
        EXPECT_EQ(in.GetError(), FileError::kGeneric);
        EXPECT_EQ(text, "");
    }
    const std::string target = folder.Path("doc.opt");
    WriteFileBytes(target, "previous content");
    EXPECT_EQ(StoreText(target, std::string(CArchive::kMaxTextSize + 1, 'n'), true).GetReason(),
              "An unknown error occurred while accessing " + target + ".");
    EXPECT_EQ(ReadFileBytes(target), "previous content");
    StoreText(target, std::string(CArchive::kMaxTextSize, 'n'), true);
    EXPECT_EQ(ReadFileBytes(target).size(), CArchive::kMaxTextSize + 7);
}

}  // namespace
}  // namespace qx
