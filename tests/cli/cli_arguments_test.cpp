// zembo-patch's command line: help, version, and every way a command line cannot run.
#include <filesystem>

#include "tests/cli/cli_fixture.h"

namespace zembo {
namespace {

using test::Exists;
using test::WriteFile;

class CliArguments : public CliTest {};

TEST_F(CliArguments, VersionPrintsTheEditorsVersion) {
    const auto result = Run({"--version"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "zembo-patch 1.03\n");
    EXPECT_EQ(result.err, "");
}

TEST_F(CliArguments, HelpShowsEveryCommandAndOption) {
    const auto result = Run({"--help"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    for (const char* word : {"list PATCH", "check PATCH", "package SOURCE NEW", "new OUT", "--json",
                             "--absolute", "--restrict-15", "Exit status"}) {
        EXPECT_NE(result.out.find(word), std::string::npos) << word;
    }
}

TEST_F(CliArguments, HelpAfterACommandWinsOverItsArguments) {
    const auto result = Run({"package", "--help"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, Run({"-h"}).out);
}

TEST_F(CliArguments, NoCommand) {
    ExpectOneLineError(Run({}), {"missing command"});
}

TEST_F(CliArguments, UnknownCommand) {
    ExpectOneLineError(Run({"lsit", "a.zbk"}), {"unknown command", "\"lsit\""});
}

TEST_F(CliArguments, MissingArguments) {
    ExpectOneLineError(Run({"list"}), {"missing argument PATCH", "list"});
    ExpectOneLineError(Run({"check", "--json"}), {"missing argument PATCH", "check"});
    ExpectOneLineError(Run({"package", "a.zbk"}), {"missing argument NEW", "package"});
    ExpectOneLineError(Run({"new", "out.zbk", "--restrict-15"}), {"missing argument CLIP"});
    EXPECT_FALSE(Exists(root / "out.zbk"));
}

TEST_F(CliArguments, OneArgumentTooMany) {
    WriteFile(root / "a.zbk", "");
    ExpectOneLineError(Run({"list", "a.zbk", "b.zbk"}), {"unexpected argument", "\"b.zbk\""});
}

TEST_F(CliArguments, AnEmptyArgument) {
    ExpectOneLineError(Run({"new", "out.zbk", "a.avi", ""}), {"empty argument CLIP"});
    EXPECT_FALSE(Exists(root / "out.zbk"));
}

TEST_F(CliArguments, UnknownOptions) {
    WriteFile(root / "a.zbk", "");
    ExpectOneLineError(Run({"list", "a.zbk", "--bogus"}), {"unknown option", "\"--bogus\""});
    // Each command takes its own options only.
    ExpectOneLineError(Run({"check", "--absolute", "a.zbk"}), {"unknown option", "--absolute"});
    ExpectOneLineError(Run({"--json", "list", "a.zbk"}), {"unknown option", "--json"});
}

TEST_F(CliArguments, AMissingPatch) {
    for (const char* command : {"list", "check"}) {
        ExpectOneLineError(Run({command, "gone.zbk"}),
                           {"PATCH", root / "gone.zbk", "No such file or directory"});
    }
    ExpectOneLineError(Run({"package", "gone.zbk", "new.zbk"}),
                       {"SOURCE", root / "gone.zbk", "No such file or directory"});
    EXPECT_FALSE(Exists(root / "new.zbk"));
}

TEST_F(CliArguments, APatchThatIsAFolder) {
    std::filesystem::create_directory(root / "set.zbk");
    ExpectOneLineError(Run({"list", "set.zbk"}), {"PATCH", "Is a directory"});
}

TEST_F(CliArguments, APatchThatCannotBeOpenedForReading) {
    MakeUnreadable(root / "sock.zbk");
    ExpectOneLineError(Run({"check", "sock.zbk"}), {"PATCH", root / "sock.zbk"});
    ExpectOneLineError(Run({"package", "sock.zbk", "new.zbk"}), {"SOURCE", root / "sock.zbk"});
}

TEST_F(CliArguments, DoubleDashMakesTheRestFileNames) {
    const auto result = Run({"new", "out.zbk", "--", "--restrict-15", "-clip.avi"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, (root / "out.zbk") + "\n");
    const std::string text = test::ReadFile(root / "out.zbk");
    EXPECT_NE(text.find("1=" + (root / "--restrict-15") + "\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("2=" + (root / "-clip.avi") + "\r\n"), std::string::npos) << text;
}

}  // namespace
}  // namespace zembo
