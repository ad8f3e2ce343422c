// The disk's file services: whole-file copies that appear complete or not at all.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "package/system_error_text.h"
#include "platform/file_services.h"
#include "platform/last_error.h"
#include "tests/support/temp_dir.h"

namespace zembo::platform {
namespace {

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
    chmod((dir / "a.avi").c_str(), 0640);
    timespec times[2] = {{1000000000, 0}, {1234567890, 500}};
    utimensat(AT_FDCWD, (dir / "a.avi").c_str(), times, 0);

    ASSERT_TRUE(files.CopyFile(dir / "a.avi", dir / "b.avi", {}));
    EXPECT_EQ(ReadFile(dir / "b.avi"), bytes);
    struct stat st {};
    stat((dir / "b.avi").c_str(), &st);
    EXPECT_EQ(st.st_mtim.tv_sec, 1234567890);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(test::ListFolder(dir.Path()), (std::vector<std::string>{"a.avi", "b.avi"}));
}

TEST_F(DiskCopy, ReplacesAnExistingDestinationAndFollowsLinks) {
    WriteFile(dir / "a.avi", "new");
    WriteFile(dir / "b.avi", "old and longer");
    ASSERT_TRUE(files.CopyFile(dir / "a.avi", dir / "b.avi", {}));
    EXPECT_EQ(ReadFile(dir / "b.avi"), "new");

    std::filesystem::create_symlink("b.avi", dir / "link.avi");
    WriteFile(dir / "c.avi", "third");
    ASSERT_TRUE(files.CopyFile(dir / "c.avi", dir / "link.avi", {}));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.avi"));
    EXPECT_EQ(ReadFile(dir / "b.avi"), "third");
}

TEST_F(DiskCopy, AFileCopiedOntoItselfFailsAndStaysWhole) {
    WriteFile(dir / "a.zbk", "[Filenames]\r\n1=a.avi\r\n");
    std::filesystem::create_symlink("a.zbk", dir / "same.zbk");
    EXPECT_FALSE(files.CopyFile(dir / "a.zbk", dir / "a.zbk", {}));
    EXPECT_EQ(LastErrorText(), kSameFileText);
    EXPECT_FALSE(files.CopyFile(dir / "a.zbk", dir / "same.zbk", {}));
    EXPECT_EQ(ReadFile(dir / "a.zbk"), "[Filenames]\r\n1=a.avi\r\n");
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

TEST(SystemErrorText, WithoutAFailureThereIsNoText) {
    SetLastError(0);
    EXPECT_EQ(SystemErrorText(), "Unable to retrieve error");
    SetLastError(EACCES);
    EXPECT_EQ(SystemErrorText(), "Permission denied");
}

}  // namespace
}  // namespace zembo::platform
