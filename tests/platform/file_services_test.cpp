// The disk's file services: whole-file copies that appear complete or not at all.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "package/system_error_text.h"
#include "platform/file_services.h"
#include "platform/last_error.h"
#include "platform/unique_fd.h"
#include "tests/support/temp_dir.h"

namespace zembo::platform {
namespace {

using test::Exists;
using test::ReadFile;
using test::WriteFile;

class DiskCopy : public testing::Test {
  protected:
    test::TempDir dir;
    DiskFileServices files;
};

TEST_F(DiskCopy, CopiesBytesPermissionsAndModificationTime) {
    std::string bytes(3 << 20, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>(i * 31);
    }
    WriteFile(dir / "a.avi", bytes);
    chmod((dir / "a.avi").c_str(), 0440);  // as on a disc: the copy is its owner's to change
    timespec times[2] = {{1000000000, 0}, {1234567890, 500}};
    utimensat(AT_FDCWD, (dir / "a.avi").c_str(), times, 0);

    ASSERT_TRUE(files.CopyFile(dir / "a.avi", dir / "b.avi", {}));
    EXPECT_EQ(ReadFile(dir / "b.avi"), bytes);
    struct stat st {};
    stat((dir / "b.avi").c_str(), &st);
    EXPECT_EQ(st.st_mtim.tv_sec, 1234567890);
    EXPECT_EQ(st.st_mtim.tv_nsec, 500);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(test::ListFolder(dir.Path()), (std::vector<std::string>{"a.avi", "b.avi"}));
}

TEST_F(DiskCopy, ReplacesAnExistingDestinationAndNeverWritesThroughALink) {
    WriteFile(dir / "a.avi", "new");
    WriteFile(dir / "b.avi", "old and longer");
    ASSERT_TRUE(files.CopyFile(dir / "a.avi", dir / "b.avi", {}));
    EXPECT_EQ(ReadFile(dir / "b.avi"), "new");

    // At the copy's name: links to a file elsewhere, to nothing, to the source itself and to a
    // FIFO, and a FIFO. Each gives way to the copy; what they lead to stays as it was.
    WriteFile(dir / "outside.avi", "outside");
    ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
    std::filesystem::create_directory(dir / "pkg");
    std::filesystem::create_symlink(dir / "outside.avi", dir / "pkg/1.avi");
    std::filesystem::create_symlink(dir / "dangling.avi", dir / "pkg/2.avi");
    std::filesystem::create_symlink(dir / "a.avi", dir / "pkg/3.avi");
    std::filesystem::create_symlink(dir / "fifo", dir / "pkg/4.avi");
    ASSERT_EQ(mkfifo((dir / "pkg/5.avi").c_str(), 0600), 0);
    for (const char* name : {"1.avi", "2.avi", "3.avi", "4.avi", "5.avi"}) {
        const std::string copy = dir / (std::string("pkg/") + name);
        ASSERT_TRUE(files.CopyFile(dir / "a.avi", copy, {})) << name;
        EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(copy)))
            << name;
        EXPECT_EQ(ReadFile(copy), "new") << name;
    }
    EXPECT_EQ(ReadFile(dir / "outside.avi"), "outside");
    EXPECT_FALSE(Exists(dir / "dangling.avi"));
    EXPECT_TRUE(std::filesystem::is_fifo(dir / "fifo"));
    EXPECT_EQ(ReadFile(dir / "a.avi"), "new");
}

TEST_F(DiskCopy, AFileCopiedOntoItselfFailsAndStaysWhole) {
    WriteFile(dir / "a.zbk", "[Filenames]\r\n1=a.avi\r\n");
    ASSERT_EQ(link((dir / "a.zbk").c_str(), (dir / "same.zbk").c_str()), 0);
    EXPECT_FALSE(files.CopyFile(dir / "a.zbk", dir / "a.zbk", {}));
    EXPECT_EQ(LastErrorText(), kSameFileText);
    EXPECT_FALSE(files.CopyFile(dir / "a.zbk", dir / "same.zbk", {}));
    EXPECT_EQ(ReadFile(dir / "a.zbk"), "[Filenames]\r\n1=a.avi\r\n");
}

TEST_F(DiskCopy, AnEarlierCopyIsKnownByItsSizeAndTimeAndALinkIsNoCopy) {
    const auto setTime = [&](const std::string& name, long sec, long nsec) {
        const timespec times[2] = {{sec, nsec}, {sec, nsec}};
        utimensat(AT_FDCWD, (dir / name).c_str(), times, 0);
    };
    WriteFile(dir / "a.avi", "abc");
    setTime("a.avi", 1500000000, 123456789);
    WriteFile(dir / "copy.avi", "xyz");
    setTime("copy.avi", 1500000000, 123456789);
    EXPECT_TRUE(files.IsUpToDateCopy(dir / "a.avi", dir / "copy.avi"));
    setTime("copy.avi", 1500000000, 123456790);
    EXPECT_FALSE(files.IsUpToDateCopy(dir / "a.avi", dir / "copy.avi"));
    WriteFile(dir / "copy.avi", "abcd");
    setTime("copy.avi", 1500000000, 123456789);
    EXPECT_FALSE(files.IsUpToDateCopy(dir / "a.avi", dir / "copy.avi"));
    EXPECT_FALSE(files.IsUpToDateCopy(dir / "a.avi", dir / "none.avi"));

    std::filesystem::create_symlink(dir / "a.avi", dir / "link.avi");
    ASSERT_EQ(link((dir / "a.avi").c_str(), (dir / "hard.avi").c_str()), 0);
    EXPECT_FALSE(files.IsUpToDateCopy(dir / "a.avi", dir / "link.avi"));
    EXPECT_FALSE(files.IsFileAt(dir / "a.avi", dir / "link.avi"));
    EXPECT_TRUE(files.IsFileAt(dir / "a.avi", dir / "hard.avi"));
    EXPECT_TRUE(files.IsFileAt(dir / "link.avi", dir / "a.avi"));
    EXPECT_TRUE(files.SameFile(dir / "a.avi", dir / "link.avi"));
}

// Whether the file system of folder keeps files without a name.
bool KeepsUnnamedFiles(const std::string& folder) {
    UniqueFd fd(open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600));
    return fd.Ok();
}

TEST_F(DiskCopy, ALongCopyReportsEveryChunkAndHasNoNameUntilItIsComplete) {
    const std::size_t chunk = 64 << 10;
    const std::string bytes(5 * chunk - 100, 'v');
    WriteFile(dir / "a.avi", bytes);
    for (const bool unnamed : {true, false}) {
        DiskFileServices chunked(unnamed, chunk);
        std::vector<std::uint64_t> reports;
        std::vector<std::vector<std::string>> seen;
        ASSERT_TRUE(chunked.CopyFile(dir / "a.avi", dir / "b.avi", [&](std::uint64_t copied) {
            reports.push_back(copied);
            seen.push_back(test::ListFolder(dir.Path()));
        }));
        EXPECT_EQ(reports, (std::vector<std::uint64_t>{chunk, 2 * chunk, 3 * chunk, 4 * chunk,
                                                       bytes.size()}));
        // While the copy runs, a hidden temporary file stands beside it only where the file
        // system keeps no unnamed files; once complete, the copy alone.
        const bool named = !unnamed || !KeepsUnnamedFiles(dir.Path());
        EXPECT_EQ(seen.front().size(), named ? 2u : 1u) << unnamed;
        EXPECT_EQ(seen.back(), (std::vector<std::string>{"a.avi", "b.avi"}));
        EXPECT_EQ(test::ListFolder(dir.Path()), (std::vector<std::string>{"a.avi", "b.avi"}));
        EXPECT_EQ(ReadFile(dir / "b.avi"), bytes);
        std::filesystem::remove(dir / "b.avi");
    }
}

TEST_F(DiskCopy, FailuresLeaveNoPartialFileAndKeepAnEarlierCopy) {
    WriteFile(dir / "big.avi", std::string(256 << 10, 'x'));
    WriteFile(dir / "copy.avi", "earlier copy");
    {
        test::ScopedFileSizeLimit diskFull(64 << 10);
        EXPECT_FALSE(files.CopyFile(dir / "big.avi", dir / "copy.avi", {}));
        EXPECT_FALSE(files.CopyFile(dir / "big.avi", dir / "fresh.avi", {}));
    }
    EXPECT_EQ(LastErrorCode(), EFBIG);
    EXPECT_EQ(ReadFile(dir / "copy.avi"), "earlier copy");
    EXPECT_EQ(test::ListFolder(dir.Path()), (std::vector<std::string>{"big.avi", "copy.avi"}));
}

TEST_F(DiskCopy, MissingUnreadableAndReadOnlyCasesFailWithTheSystemsText) {
    EXPECT_FALSE(files.CopyFile(dir / "none.avi", dir / "b.avi", {}));
    EXPECT_EQ(SystemErrorText(), "No such file or directory");

    ASSERT_EQ(mkfifo((dir / "fifo.avi").c_str(), 0600), 0);
    EXPECT_TRUE(files.FileExists(dir / "fifo.avi"));
    EXPECT_FALSE(files.CopyFile(dir / "fifo.avi", dir / "b.avi", {}));
    EXPECT_FALSE(test::Exists(dir / "b.avi"));

    WriteFile(dir / "a.avi", "a");
    WriteFile(dir / "ro.avi", "kept");
    chmod((dir / "ro.avi").c_str(), 0444);
    EXPECT_FALSE(files.CopyFile(dir / "a.avi", dir / "ro.avi", {}));
    EXPECT_EQ(ReadFile(dir / "ro.avi"), "kept");

    EXPECT_FALSE(files.CopyFile(dir / "a.avi", dir / "no-folder/b.avi", {}));
    EXPECT_FALSE(files.CopyFile(dir.Path(), dir / "b.avi", {}));
}

TEST_F(DiskCopy, ExistenceTestsTellFilesFromFolders) {
    WriteFile(dir / "a.avi", "");
    EXPECT_TRUE(files.FileExists(dir / "a.avi"));
    EXPECT_FALSE(files.FileExists(dir.Path()));
    EXPECT_FALSE(files.FileExists(""));
    EXPECT_TRUE(files.DirectoryExists(dir.Path()));
    EXPECT_FALSE(files.DirectoryExists(dir / "a.avi"));
    EXPECT_TRUE(files.CreateDirectory(dir / "new"));
    EXPECT_FALSE(files.CreateDirectory(dir / "new"));
    EXPECT_FALSE(files.CreateDirectory(dir / "x/y"));
}

// Mended: a copy onto a read-only file system failed with "Permission denied".
TEST_F(DiskCopy, AReadOnlyFileSystemIsNamedAsTheReason) {
    WriteFile(dir / "a.zbk", "[Filenames]\r\n");
    std::filesystem::create_directory(dir / "ro");
    // A read-only file system of the test's own, in a mount namespace of a child process.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const bool mounted =
            (unshare(CLONE_NEWNS) == 0 || unshare(CLONE_NEWUSER | CLONE_NEWNS) == 0) &&
            mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
            mount("zembo-ro", (dir / "ro").c_str(), "tmpfs", MS_RDONLY, nullptr) == 0;
        if (!mounted) {
            _exit(77);
        }
        const bool failed = !files.CopyFile(dir / "a.zbk", dir / "ro/new.zbk", {});
        _exit(failed && SystemErrorText() == "Read-only file system" ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77) {
        GTEST_SKIP() << "no mount namespace for a read-only file system here";
    }
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the copy did not fail with \"Read-only file system\"";
}

TEST(SystemErrorText, WithoutAFailureThereIsNoText) {
    SetLastError(0);
    EXPECT_EQ(SystemErrorText(), "Unable to retrieve error");
    SetLastError(EACCES);
    EXPECT_EQ(SystemErrorText(), "Permission denied");
}

}  // namespace
}  // namespace zembo::platform
