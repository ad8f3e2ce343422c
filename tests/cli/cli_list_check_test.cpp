// zembo-patch list and check: the filled slots of a patch, and whether their files are there.
#include <unistd.h>

#include <filesystem>

#include "tests/cli/cli_fixture.h"
#include "tests/support/json_check.h"

namespace zembo {
namespace {

using test::WriteFile;

class CliListCheck : public CliTest {
  protected:
    CliListCheck() {
        std::filesystem::create_directories(root / "show/sub");
        std::filesystem::create_directories(root / "media");
    }

    // A patch with every kind of slot, beside the clips that it names relatively.
    void MakeShow() {
        WriteFile(root / "show/set.zbk",
                  "[Version]\r\nZBK=Low1\r\n"
                  "[Filenames]\r\n"
                  "1=" +
                      (root / "media/intro.avi") +
                      "\r\n"
                      "2=beside.mov\r\n"
                      "3=end\r\n"
                      "4=END\r\n"
                      "5=\r\n"
                      "6=sub\\rel.avi\r\n"
                      "16=last.avi\r\n"
                      "17=beyond.avi\r\n"
                      "[SourceSystems]\r\n1=ssVFW\r\n2=ssDS\r\n3=ssDS\r\n16=other\r\n"
                      "[StencilFilenames]\r\n"
                      "1=mask.bmp\r\n"
                      "3=lonely.bmp\r\n"
                      "6=" +
                      (root / "media/gone.bmp") + "\r\n");
        WriteFile(root / "media/intro.avi", "INTRO");
        WriteFile(root / "show/beside.mov", "BESIDE");
        WriteFile(root / "show/mask.bmp", "MASK");
        WriteFile(root / "show/sub/rel.avi", "REL");
        MakeUnreadable(root / "show/last.avi");
    }
};

TEST_F(CliListCheck, ListPrintsEveryFilledSlotInSlotOrder) {
    MakeShow();
    const auto result = Run({"list", "show/set.zbk"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, "1\tssVFW\t" + (root / "media/intro.avi") +
                              "\tmask.bmp\n"
                              "2\tssDS\tbeside.mov\t\n"
                              "4\t\tEND\t\n"
                              "6\t\tsub\\\\rel.avi\t" +
                              (root / "media/gone.bmp") +
                              "\n"
                              "16\tother\tlast.avi\t\n");
}

TEST_F(CliListCheck, ListEscapesTabsAndBackslashesSoEveryFieldCanBeToldApart) {
    WriteFile(root / "odd.zbk",
              "[Filenames]\r\n1=a\tb\\c\\\\d.avi\r\n[StencilFilenames]\r\n1=\\t\r\n");
    EXPECT_EQ(Run({"list", "odd.zbk"}).out, "1\t\ta\\tb\\\\c\\\\\\\\d.avi\t\\\\t\n");
}

TEST_F(CliListCheck, AFileTooLargeForAPatchStopsListAndCheck) {
    WriteFile(root / "huge.zbk", "[Filenames]\r\n1=a.avi\r\n");
    ASSERT_EQ(truncate((root / "huge.zbk").c_str(), (off_t{256} << 20) + 1), 0);  // sparse
    ExpectOneLineError(Run({"list", "huge.zbk"}), {root / "huge.zbk", "256 MiB"});
    ExpectOneLineError(Run({"check", "--json", "huge.zbk"}), {root / "huge.zbk", "256 MiB"});
}

TEST_F(CliListCheck, ListOfAPatchWithoutClipsPrintsNothing) {
    WriteFile(root / "empty.zbk", "[Version]\r\nZBK=Low1\r\n");
    const auto result = Run({"list", "empty.zbk"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "");
}

TEST_F(CliListCheck, ListAsJson) {
    MakeShow();
    const auto result = RunIn(root / "show", {"list", "--json", "set.zbk"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_TRUE(test::IsValidJson(result.out)) << result.out;
    EXPECT_EQ(result.out,
              "[{\"slot\":1,\"sourceSystem\":\"ssVFW\",\"clip\":\"" + (root / "media/intro.avi") +
                  "\",\"matte\":\"mask.bmp\"},"
                  "{\"slot\":2,\"sourceSystem\":\"ssDS\",\"clip\":\"beside.mov\",\"matte\":\"\"},"
                  "{\"slot\":4,\"sourceSystem\":\"\",\"clip\":\"END\",\"matte\":\"\"},"
                  "{\"slot\":6,\"sourceSystem\":\"\",\"clip\":\"sub\\\\rel.avi\",\"matte\":\"" +
                  (root / "media/gone.bmp") +
                  "\"},"
                  "{\"slot\":16,\"sourceSystem\":\"other\",\"clip\":\"last.avi\",\"matte\":\"\"}]"
                  "\n");
}

TEST_F(CliListCheck, JsonOfAPatchWithoutClipsIsAnEmptyArray) {
    WriteFile(root / "empty.zbk", "");
    EXPECT_EQ(Run({"list", "empty.zbk", "--json"}).out, "[]\n");
    EXPECT_EQ(Run({"check", "empty.zbk", "--json"}).out, "[]\n");
}

TEST_F(CliListCheck, JsonEscapesEveryValueIntoValidJson) {
    // Quotes, a backslash, control characters, UTF-8, and bytes of another code page.
    WriteFile(
        root / "odd.zbk",
        "[Filenames]\r\n1=say \"hi\"\\\x01\x1f\x7f\tx.avi\r\n"
        "2=caf\xc3\xa9 \xe9t\xe9.avi\r\n3=cut\xe2\x82\r\n4=\xf0\x9f\x8e\xac\xed\xa0\x80.avi\r\n");
    const auto result = Run({"list", "odd.zbk", "--json"});
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(test::IsValidJson(result.out)) << result.out;
    EXPECT_EQ(result.out,
              "[{\"slot\":1,\"sourceSystem\":\"\","
              "\"clip\":\"say \\\"hi\\\"\\\\\\u0001\\u001f\\u007f\\tx.avi\",\"matte\":\"\"},"
              "{\"slot\":2,\"sourceSystem\":\"\","
              "\"clip\":\"caf\xc3\xa9 \\ufffdt\\ufffd.avi\","
              "\"clipHex\":\"636166c3a920e974e92e617669\",\"matte\":\"\"},"
              "{\"slot\":3,\"sourceSystem\":\"\",\"clip\":\"cut\\ufffd\","
              "\"clipHex\":\"637574e282\",\"matte\":\"\"},"
              "{\"slot\":4,\"sourceSystem\":\"\","
              "\"clip\":\"\xf0\x9f\x8e\xac\\ufffd\\ufffd\\ufffd.avi\","
              "\"clipHex\":\"f09f8eaceda0802e617669\",\"matte\":\"\"}]\n");
}

TEST_F(CliListCheck, CheckResolvesEachFileAsThePackagerDoes) {
    MakeShow();
    const auto result = Run({"check", "show/set.zbk"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "");
    const std::string show = root / "show";
    EXPECT_EQ(result.out, "ok\t1\tclip\t" + (root / "media/intro.avi") + "\t" +
                              (root / "media/intro.avi") +
                              "\n"
                              "ok\t1\tmatte\tmask.bmp\t" +
                              show +
                              "/mask.bmp\n"
                              "ok\t2\tclip\tbeside.mov\t" +
                              show +
                              "/beside.mov\n"
                              "missing\t4\tclip\tEND\t" +
                              show +
                              "/END\n"
                              "ok\t6\tclip\tsub\\rel.avi\t" +
                              show + "/sub/rel.avi\n" + "missing\t6\tmatte\t" +
                              (root / "media/gone.bmp") + "\t" + (root / "media/gone.bmp") + "\n" +
                              "unreadable\t16\tclip\tlast.avi\t" + show + "/last.avi\n");
}

TEST_F(CliListCheck, CheckSucceedsWhenEveryFileIsThere) {
    WriteFile(root / "show/good.zbk",
              "[Filenames]\r\n2=a.avi\r\n[StencilFilenames]\r\n2=a.bmp\r\n");
    WriteFile(root / "show/a.avi", "A");
    WriteFile(root / "show/a.bmp", "M");
    const auto result = Run({"check", root / "show/good.zbk"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, "ok\t2\tclip\ta.avi\t" + (root / "show/a.avi") +
                              "\nok\t2\tmatte\ta.bmp\t" + (root / "show/a.bmp") + "\n");
}

TEST_F(CliListCheck, CheckAsJson) {
    MakeShow();
    const auto result = Run({"check", "--json", "show/set.zbk"});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(test::IsValidJson(result.out)) << result.out;
    const std::string show = root / "show";
    const std::string intro = root / "media/intro.avi";
    const std::string gone = root / "media/gone.bmp";
    EXPECT_EQ(result.out,
              "[{\"slot\":1,\"sourceSystem\":\"ssVFW\","
              "\"clip\":{\"value\":\"" +
                  intro + "\",\"state\":\"ok\",\"path\":\"" + intro +
                  "\"},"
                  "\"matte\":{\"value\":\"mask.bmp\",\"state\":\"ok\",\"path\":\"" +
                  show +
                  "/mask.bmp\"}},"
                  "{\"slot\":2,\"sourceSystem\":\"ssDS\","
                  "\"clip\":{\"value\":\"beside.mov\",\"state\":\"ok\",\"path\":\"" +
                  show +
                  "/beside.mov\"},\"matte\":null},"
                  "{\"slot\":4,\"sourceSystem\":\"\","
                  "\"clip\":{\"value\":\"END\",\"state\":\"missing\",\"path\":\"" +
                  show +
                  "/END\"},\"matte\":null},"
                  "{\"slot\":6,\"sourceSystem\":\"\","
                  "\"clip\":{\"value\":\"sub\\\\rel.avi\",\"state\":\"ok\",\"path\":\"" +
                  show +
                  "/sub/rel.avi\"},"
                  "\"matte\":{\"value\":\"" +
                  gone + "\",\"state\":\"missing\",\"path\":\"" + gone +
                  "\"}},"
                  "{\"slot\":16,\"sourceSystem\":\"other\","
                  "\"clip\":{\"value\":\"last.avi\",\"state\":\"unreadable\",\"path\":\"" +
                  show + "/last.avi\"},\"matte\":null}]\n");
}

}  // namespace
}  // namespace zembo
