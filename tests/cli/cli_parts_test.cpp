// The parts of zembo-patch that decide a text on their own: JSON strings and chunk file names;
// and the JSON checker the program's tests rely on.
#include <gtest/gtest.h>

#include "cli/chunk_names.h"
#include "cli/json_writer.h"
#include "tests/support/json_check.h"

namespace zembo::cli {
namespace {

TEST(CliJsonQuoted, EscapesQuotesBackslashesAndControlCharacters) {
    EXPECT_EQ(JsonQuoted(""), "\"\"");
    EXPECT_EQ(JsonQuoted("a\"b\\c/d"), "\"a\\\"b\\\\c/d\"");
    EXPECT_EQ(JsonQuoted("\b\f\n\r\t"), "\"\\b\\f\\n\\r\\t\"");
    EXPECT_EQ(JsonQuoted(std::string("\0\x01\x1f\x7f", 4)), "\"\\u0000\\u0001\\u001f\\u007f\"");
}

TEST(CliJsonQuoted, ValidUtf8PassesUnchanged) {
    const std::string text =
        "caf\xc3\xa9 \xe2\x82\xac \xef\xbf\xbf \xf0\x9f\x8e\xac \xf4\x8f\xbf\xbf";
    EXPECT_EQ(JsonQuoted(text), "\"" + text + "\"");
}

TEST(CliJsonQuoted, EachIllFormedRunBecomesOneReplacementCharacter) {
    EXPECT_EQ(JsonQuoted("\xe9t\xe9"), "\"\\ufffdt\\ufffd\"");           // Latin-1 bytes
    EXPECT_EQ(JsonQuoted("\xe2\x82"), "\"\\ufffd\"");                    // cut at the end
    EXPECT_EQ(JsonQuoted("\xe2\x82x"), "\"\\ufffdx\"");                  // cut in the middle
    EXPECT_EQ(JsonQuoted("\xc0\xaf"), "\"\\ufffd\\ufffd\"");             // overlong "/"
    EXPECT_EQ(JsonQuoted("\xe0\x80\xaf"), "\"\\ufffd\\ufffd\\ufffd\"");  // overlong "/"
    EXPECT_EQ(JsonQuoted("\xed\xa0\x80"), "\"\\ufffd\\ufffd\\ufffd\"");  // a surrogate
    EXPECT_EQ(JsonQuoted("\xf4\x90\x80\x80"), "\"\\ufffd\\ufffd\\ufffd\\ufffd\"");  // > U+10FFFF
    EXPECT_EQ(JsonQuoted("\xf0\x9f\x8e"), "\"\\ufffd\"");
    EXPECT_EQ(JsonQuoted("\x80\xbf\xfe\xff"), "\"\\ufffd\\ufffd\\ufffd\\ufffd\"");
}

TEST(CliJsonQuoted, EveryByteStringGivesValidJson) {
    // Every string of up to two bytes, and a sweep of three-byte ones.
    for (int a = 0; a < 256; ++a) {
        const std::string one(1, static_cast<char>(a));
        ASSERT_TRUE(test::IsValidJson(JsonQuoted(one))) << a;
        for (int b = 0; b < 256; ++b) {
            const std::string two = one + static_cast<char>(b);
            ASSERT_TRUE(test::IsValidJson(JsonQuoted(two))) << a << " " << b;
            for (int c : {0x00, 0x22, 0x5c, 0x80, 0x8f, 0x90, 0x9f, 0xa0, 0xbf, 0xc0, 0xff}) {
                const std::string three = two + static_cast<char>(c);
                ASSERT_TRUE(test::IsValidJson(JsonQuoted(three))) << a << " " << b << " " << c;
            }
        }
    }
}

TEST(CliJsonWriter, PlacesCommasBetweenMembersAndElements) {
    JsonWriter json;
    json.BeginArray()
        .BeginObject()
        .Key("a")
        .Number(1)
        .Key("b")
        .Null()
        .Key("c")
        .BeginArray()
        .EndArray()
        .EndObject()
        .String("x")
        .BeginObject()
        .EndObject()
        .EndArray();
    EXPECT_EQ(json.Text(), "[{\"a\":1,\"b\":null,\"c\":[]},\"x\",{}]");
}

TEST(CliJsonCheck, RejectsWhatIsNotJson) {
    EXPECT_TRUE(
        test::IsValidJson(" [1, -2.5e3, \"\\u00e9\\ud83c\\udfac\", {\"k\": [true, null]}] "));
    for (const char* bad :
         {"", "[", "[1,]", "{\"a\" 1}", "{1:2}", "\"a", "\"\x01\"", "\"\\x\"", "\"\\ud800\"",
          "\"\xe9\"", "\"\xed\xa0\x80\"", "01", "[1] [2]", "nul"}) {
        EXPECT_FALSE(test::IsValidJson(bad)) << bad;
    }
}

TEST(CliChunkNames, NumbersGoBeforeTheExtensionOfTheFileName) {
    EXPECT_EQ(ChunkFileName("/shows/Set.zbk", 1), "/shows/Set.zbk");
    EXPECT_EQ(ChunkFileName("/shows/Set.zbk", 2), "/shows/Set_2.zbk");
    EXPECT_EQ(ChunkFileName("/shows/Set.zbk", 12), "/shows/Set_12.zbk");
    EXPECT_EQ(ChunkFileName("/shows/Set.v2.ZBK", 3), "/shows/Set.v2_3.ZBK");
    EXPECT_EQ(ChunkFileName("/shows/set", 2), "/shows/set_2");
    EXPECT_EQ(ChunkFileName("/my.shows/set", 2), "/my.shows/set_2");
    EXPECT_EQ(ChunkFileName("/shows/.zbk", 2), "/shows/.zbk_2");
    EXPECT_EQ(ChunkFileName("/shows/set.", 2), "/shows/set_2.");
}

}  // namespace
}  // namespace zembo::cli
