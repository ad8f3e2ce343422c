// Profile files on disk through TIniFile: golden writes, failures, settings folder, bad input.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "patch/ini_file.h"
#include "tests/support/temp_dir.h"

namespace zembo {
namespace {

using test::Exists;
using test::ListFolder;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

std::string DataFolder() {
    return ZEMBO_TEST_DATA;
}

// Each golden case: before.ini (absent: no file), writes.txt (section TAB key TAB value lines)
// and after.ini, the exact bytes expected.
class GoldenWrites : public testing::TestWithParam<std::string> {};

TEST_P(GoldenWrites, ProduceExactlyTheExpectedBytes) {
    const std::string folder = DataFolder() + "/profile/" + GetParam();
    TempDir dir;
    const std::string file = dir / "case.ini";
    if (Exists(folder + "/before.ini")) {
        WriteFile(file, ReadFile(folder + "/before.ini"));
    }
    {
        TIniFile ini(file);
        std::istringstream writes(ReadFile(folder + "/writes.txt"));
        std::string line;
        while (std::getline(writes, line)) {
            std::size_t a = line.find('\t');
            std::size_t b = line.find('\t', a + 1);
            ini.WriteValue(line.substr(0, a), line.substr(a + 1, b - a - 1), line.substr(b + 1));
        }
    }
    EXPECT_EQ(ReadFile(file), ReadFile(folder + "/after.ini"));
    EXPECT_EQ(ListFolder(dir.Path()), std::vector<std::string>{"case.ini"});
}

INSTANTIATE_TEST_SUITE_P(Profile, GoldenWrites,
                         testing::Values("patch_from_scratch", "update_in_place",
                                         "new_key_after_last_key",
                                         "new_section_after_last_line_without_eol",
                                         "new_key_behind_header_without_eol",
                                         "letter_case_and_blanks", "first_of_duplicates",
                                         "unknown_bytes_survive", "empty_value"));

TEST(ProfileFile, ReadingAMissingFileGivesTheDefaultAndCreatesNothing) {
    TempDir dir;
    TIniFile ini(dir / "zembo.ini");
    EXPECT_EQ(ini.ReadValue("files", "patch", "c:\\temp.zbk"), "c:\\temp.zbk");
    EXPECT_FALSE(Exists(dir / "zembo.ini"));
}

TEST(ProfileFile, MissingSectionOrKeyGivesTheDefaultButAnEmptyValueDoesNot) {
    TempDir dir;
    WriteFile(dir / "a.ini", "[files]\r\npatch=\r\n");
    TIniFile ini(dir / "a.ini");
    EXPECT_EQ(ini.ReadValue("files", "patch", "d"), "");
    EXPECT_EQ(ini.ReadValue("files", "clip", "d"), "d");
    EXPECT_EQ(ini.ReadValue("other", "patch", "d"), "d");
}

TEST(ProfileFile, WriteFlagWritesOneAndZero) {
    TempDir dir;
    TIniFile ini(dir / "a.ini");
    ini.WriteFlag("Globals", "Layering", true);
    ini.WriteFlag("Globals", "Loop", false);
    EXPECT_EQ(ReadFile(dir / "a.ini"), "[Globals]\r\nLayering=1\r\nLoop=0\r\n");
}

TEST(ProfileFile, AValueOf3000CharactersReadsBackAsItsFirst2047AndIsNeverWritten) {
    TempDir dir;
    std::string v(3000, 'q');
    v[2046] = 'E';
    WriteFile(dir / "a.ini", "[s]\r\nk=" + v + "\r\n");
    TIniFile ini(dir / "a.ini");
    std::string back = ini.ReadValue("s", "k", "");
    EXPECT_EQ(back.size(), 2047u);
    EXPECT_EQ(back.back(), 'E');
    // Written, it would read back as another value: the write fails instead.
    try {
        ini.WriteValue("s", "k2", v);
        FAIL() << "write succeeded";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(e.what(), "Unable to write to " + (dir / "a.ini"));
    }
    EXPECT_EQ(ReadFile(dir / "a.ini"), "[s]\r\nk=" + v + "\r\n");
}

TEST(ProfileFile, ReadsSeeChangesMadeByOthersAtOnce) {
    TempDir dir;
    TIniFile ini(dir / "a.ini");
    ini.WriteValue("s", "k", "1");
    WriteFile(dir / "a.ini", "[s]\nk=2\n");
    EXPECT_EQ(ini.ReadValue("s", "k", ""), "2");
    TIniFile other(dir / "a.ini");
    other.WriteValue("S", "K", "3");
    EXPECT_EQ(ini.ReadValue("s", "k", ""), "3");
}

TEST(ProfileFile, BareNamesLiveInTheSettingsFolder) {
    test::TestSettings settings;
    TempDir elsewhere;
    const std::string cwd = std::filesystem::current_path();
    std::filesystem::current_path(elsewhere.Path());
    {
        TIniFile ini("zembo.ini");
        ini.WriteValue("files", "patch", "/x.zbk");
    }
    std::filesystem::current_path(cwd);
    EXPECT_EQ(ReadFile(settings.IniPath()), "[files]\r\npatch=/x.zbk\r\n");
    EXPECT_FALSE(Exists(elsewhere / "zembo.ini"));
    TIniFile again("zembo.ini");
    EXPECT_EQ(again.ReadValue("Files", "PATCH", ""), "/x.zbk");
}

TEST(ProfileFile, TheSettingsFolderIsMadeWhenMissing) {
    TempDir dir;
    test::ScopedEnv env("XDG_CONFIG_HOME", dir / "config");
    TIniFile ini("zembo.ini");
    ini.WriteValue("files", "patch", "p");
    EXPECT_EQ(ReadFile(dir / "config/zembo.ini"), "[files]\r\npatch=p\r\n");
}

TEST(ProfileFile, PermissionsSurviveAWrite) {
    TempDir dir;
    WriteFile(dir / "a.ini", "[s]\r\nk=1\r\n");
    chmod((dir / "a.ini").c_str(), 0640);
    TIniFile ini(dir / "a.ini");
    ini.WriteValue("s", "k", "2");
    struct stat st {};
    stat((dir / "a.ini").c_str(), &st);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST(ProfileFile, ASymbolicLinkIsFollowedAndKept) {
    TempDir dir;
    std::filesystem::create_directory(dir / "real");
    WriteFile(dir / "real/a.ini", "[s]\r\nk=1\r\n");
    std::filesystem::create_symlink("real/a.ini", dir / "link.ini");
    TIniFile ini(dir / "link.ini");
    ini.WriteValue("s", "k", "2");
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.ini"));
    EXPECT_EQ(ReadFile(dir / "real/a.ini"), "[s]\r\nk=2\r\n");
    EXPECT_EQ(ListFolder(dir / "real"), std::vector<std::string>{"a.ini"});
}

// Every failure: the exact message, the file as it was, no temporary file left.
class ProfileWriteFailure : public testing::Test {
  protected:
    void ExpectFailure(const std::string& name, const std::string& folderToCheck) {
        const std::string before = Exists(name) ? ReadFile(name) : std::string("<none>");
        const auto entriesBefore = ListFolder(folderToCheck);
        TIniFile ini(name);
        try {
            ini.WriteValue("files", "patch", "new");
            FAIL() << "write succeeded";
        } catch (const EIniFileException& e) {
            EXPECT_STREQ(e.what(), ("Unable to write to " + name).c_str());
        }
        EXPECT_EQ(Exists(name) ? ReadFile(name) : std::string("<none>"), before);
        EXPECT_EQ(ListFolder(folderToCheck), entriesBefore);
    }
    TempDir dir;
};

TEST_F(ProfileWriteFailure, FolderDoesNotExist) {
    ExpectFailure(dir / "missing/a.zbk", dir.Path());
}

TEST_F(ProfileWriteFailure, ReadOnlyFile) {
    WriteFile(dir / "a.zbk", "[files]\r\npatch=old\r\n");
    chmod((dir / "a.zbk").c_str(), 0444);
    ExpectFailure(dir / "a.zbk", dir.Path());
}

TEST_F(ProfileWriteFailure, ReadOnlyFolder) {
    std::filesystem::create_directory(dir / "ro");
    WriteFile(dir / "ro/a.zbk", "[files]\r\npatch=old\r\n");
    chmod((dir / "ro").c_str(), 0555);
    ExpectFailure(dir / "ro/a.zbk", dir / "ro");
    ExpectFailure(dir / "ro/new.zbk", dir / "ro");
}

TEST_F(ProfileWriteFailure, AFolderWhereTheFileShouldBe) {
    std::filesystem::create_directory(dir / "a.zbk");
    ExpectFailure(dir / "a.zbk", dir.Path());
}

TEST_F(ProfileWriteFailure, DiskFull) {
    WriteFile(dir / "a.zbk", "[files]\r\npatch=old\r\n" + std::string(2000, ';') + "\r\n");
    test::ScopedFileSizeLimit limit(1000);
    ExpectFailure(dir / "a.zbk", dir.Path());
}

TEST_F(ProfileWriteFailure, AValueThatWouldBreakTheFile) {
    WriteFile(dir / "a.zbk", "[files]\r\npatch=old\r\n");
    TIniFile ini(dir / "a.zbk");
    EXPECT_THROW(ini.WriteValue("files", "patch", "one\r\n[files]\r\npatch=two"),
                 EIniFileException);
    EXPECT_EQ(ReadFile(dir / "a.zbk"), "[files]\r\npatch=old\r\n");
}

TEST_F(ProfileWriteFailure, TheMessageNamesTheFileAsPassed) {
    TIniFile ini("missing-folder/../missing-folder/x.ini");
    try {
        ini.WriteValue("s", "k", "v");
        FAIL();
    } catch (const EIniFileException& e) {
        EXPECT_STREQ(e.what(), "Unable to write to missing-folder/../missing-folder/x.ini");
    }
}

TEST(ProfileBadInput, AFolderReadsAsMissing) {
    TempDir dir;
    TIniFile ini(dir.Path());
    EXPECT_EQ(ini.ReadValue("s", "k", "d"), "d");
}

TEST(ProfileBadInput, AFifoNeverBlocks) {
    TempDir dir;
    ASSERT_EQ(mkfifo((dir / "fifo.ini").c_str(), 0600), 0);
    TIniFile ini(dir / "fifo.ini");
    EXPECT_EQ(ini.ReadValue("s", "k", "d"), "d");
    EXPECT_THROW(ini.WriteValue("s", "k", "v"), EIniFileException);
}

TEST(ProfileBadInput, ALargeFileIsReadAndWrittenWhole) {
    TempDir dir;
    std::string big;
    big.reserve(50u << 20);
    big += "[junk]\r\n";
    while (big.size() < (50u << 20)) {
        big += "line with no meaning at all, just filling space\r\n";
    }
    big += "[files]\r\npatch=found\r\n";
    WriteFile(dir / "big.ini", big);
    TIniFile ini(dir / "big.ini");
    EXPECT_EQ(ini.ReadValue("files", "patch", ""), "found");
    ini.WriteValue("files", "clip", "c");
    EXPECT_EQ(ReadFile(dir / "big.ini"), big + "clip=c\r\n");
}

TEST(ProfileBadInput, RandomBytesAndNulsKeepEveryOtherByte) {
    TempDir dir;
    std::string junk;
    for (int i = 0; i < 4096; ++i) {
        junk.push_back(static_cast<char>((i * 7919) % 251));
    }
    junk.erase(std::remove(junk.begin(), junk.end(), '['), junk.end());
    WriteFile(dir / "junk.ini", junk);
    TIniFile ini(dir / "junk.ini");
    EXPECT_EQ(ini.ReadValue("files", "patch", "d"), "d");
    ini.WriteValue("files", "patch", "v");
    std::string after = ReadFile(dir / "junk.ini");
    ASSERT_GE(after.size(), junk.size());
    EXPECT_EQ(after.substr(0, junk.size()), junk);
    EXPECT_EQ(ini.ReadValue("files", "patch", "d"), "v");
}

}  // namespace
}  // namespace zembo
