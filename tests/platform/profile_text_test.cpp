// Reading and writing rules of profile text, in memory.
#include <gtest/gtest.h>

#include <random>

#include "platform/profile_text.h"

namespace zembo::platform {
namespace {

std::string Read(std::string_view text, std::string_view section, std::string_view key) {
    auto v = FindProfileValue(text, section, key);
    return v ? std::string(*v) : std::string("<absent>");
}

struct ReadCase {
    const char* name;
    const char* text;
    const char* section;
    const char* key;
    const char* expected;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class ProfileReading : public testing::TestWithParam<ReadCase> {};

TEST_P(ProfileReading, FindsTheValueTheRulesName) {
    const ReadCase& c = GetParam();
    EXPECT_EQ(Read(c.text, c.section, c.key), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ProfileReading,
    testing::Values(
        ReadCase{"plain", "[files]\r\npatch=c:\\a.zbk\r\n", "files", "patch", "c:\\a.zbk"},
        ReadCase{"section case", "[Files]\npatch=x\n", "files", "patch", "x"},
        ReadCase{"key case", "[files]\nPATCH=x\n", "files", "patch", "x"},
        ReadCase{"blanks around names", "[ \tfiles\t ]\n \t patch \t= x\n", "files", "patch", "x"},
        ReadCase{"blanks around value", "[s]\nk=  v w \t\n", "s", "k", "v w"},
        ReadCase{"double quotes", "[s]\nk=  \"  v  \"  \n", "s", "k", "  v  "},
        ReadCase{"single quotes", "[s]\nk='v'\n", "s", "k", "v"},
        ReadCase{"unmatched quotes stay", "[s]\nk=\"v'\n", "s", "k", "\"v'"},
        ReadCase{"lone quote stays", "[s]\nk=\"\n", "s", "k", "\""},
        ReadCase{"empty value", "[s]\nk=\n", "s", "k", ""},
        ReadCase{"value holds =", "[s]\nk=a=b\n", "s", "k", "a=b"},
        ReadCase{"comment is no key", "[s]\n;k=v\n", "s", ";k", "<absent>"},
        ReadCase{"indented comment", "[s]\n  ; k=v\n", "s", "; k", "<absent>"},
        ReadCase{"line without =", "[s]\nk\n", "s", "k", "<absent>"},
        ReadCase{"header ends at first ]", "[a]b]\nk=v\n", "a", "k", "v"},
        ReadCase{"text after header", "[a] trailing\nk=v\n", "a", "k", "v"},
        ReadCase{"no section before first header", "k=v\n[s]\n", "s", "k", "<absent>"},
        ReadCase{"first duplicate key", "[s]\nk=1\nk=2\n", "s", "k", "1"},
        ReadCase{"second section not searched", "[s]\na=1\n[s]\nk=2\n", "s", "k", "<absent>"},
        ReadCase{"first section wins", "[s]\nk=1\n[s]\nk=2\n", "s", "k", "1"},
        ReadCase{"other section", "[t]\nk=1\n", "s", "k", "<absent>"},
        ReadCase{"CR line ends", "[s]\rk=v\rj=w", "s", "j", "w"},
        ReadCase{"mixed line ends", "[s]\r\na=1\rb=2\nc=3", "s", "b", "2"},
        ReadCase{"LF CR is two lines", "[s]\n\rk=v", "s", "k", "v"},
        ReadCase{"key from a later section is not ours", "[s]\n[t]\nk=v\n", "s", "k", "<absent>"},
        ReadCase{"empty text", "", "s", "k", "<absent>"}),
    [](const testing::TestParamInfo<ReadCase>& info) {
        std::string n = info.param.name;
        for (char& ch : n) {
            if (!std::isalnum(static_cast<unsigned char>(ch))) {
                ch = '_';
            }
        }
        return n;
    });

TEST(ProfileReading, NulBytesAreOrdinaryCharacters) {
    std::string text("[s]\nk=a\0b\n\0=x\n", 15);
    EXPECT_EQ(Read(text, "s", "k"), std::string("a\0b", 3));
    EXPECT_EQ(Read(text, "s", std::string_view("\0", 1)), "x");
}

TEST(ProfileValueCut, LongValuesAreCutTo2047Bytes) {
    std::string v(3000, 'x');
    EXPECT_EQ(CutProfileValue(v).size(), 2047u);
    EXPECT_EQ(CutProfileValue(std::string(2047, 'y')).size(), 2047u);
    EXPECT_EQ(CutProfileValue("short"), "short");
}

TEST(ProfileValueCut, NeverSplitsAUtf8Sequence) {
    // "é" is two bytes, "€" three, "𝄞" four; each placed to straddle the 2047-byte mark.
    for (std::string seq :
         {std::string("\xC3\xA9"), std::string("\xE2\x82\xAC"), std::string("\xF0\x9D\x84\x9E")}) {
        for (std::size_t before = 2047 - seq.size() - 1; before <= 2047; ++before) {
            std::string v(before, 'a');
            v += seq;
            v += std::string(10, 'b');
            std::string_view cut = CutProfileValue(v);
            ASSERT_LE(cut.size(), 2047u);
            bool whole = before + seq.size() <= 2047;
            EXPECT_EQ(cut.size(), whole ? 2047u : before) << seq.size() << " at " << before;
        }
    }
}

TEST(ProfileWriting, ValuesAndNamesThatWouldBreakTheFileAreRefused) {
    EXPECT_TRUE(IsWritableProfileEntry("files", "patch", "/a b/c.zbk"));
    EXPECT_TRUE(IsWritableProfileEntry("files", "patch", ""));
    EXPECT_FALSE(IsWritableProfileEntry("files", "patch", "a\nb"));
    EXPECT_FALSE(IsWritableProfileEntry("files", "patch", "a\rb"));
    EXPECT_FALSE(IsWritableProfileEntry("files", "patch", std::string("a\0b", 3)));
    // Longer than a read gives back: it would read back as another path.
    EXPECT_TRUE(IsWritableProfileEntry("files", "patch", std::string(2047, 'x')));
    EXPECT_FALSE(IsWritableProfileEntry("files", "patch", std::string(2048, 'x')));
    EXPECT_FALSE(IsWritableProfileEntry("fi]les", "patch", "v"));
    EXPECT_FALSE(IsWritableProfileEntry("files", "pa=tch", "v"));
    EXPECT_FALSE(IsWritableProfileEntry("files", ";patch", "v"));
    EXPECT_FALSE(IsWritableProfileEntry("files", " patch", "v"));
    EXPECT_FALSE(IsWritableProfileEntry("files", "", "v"));
}

TEST(ProfileWriting, WrittenValuesReadBack) {
    std::string text;
    text = SetProfileValue(text, "Filenames", "1", "/a.avi");
    text = SetProfileValue(text, "filenames", "2", "/b.avi");
    text = SetProfileValue(text, "FILENAMES", "1", "/c.avi");
    EXPECT_EQ(text, "[Filenames]\r\n1=/c.avi\r\n2=/b.avi\r\n");
}

TEST(ProfileWriting, AwkwardValuesReadBackAsWritten) {
    const std::string longest = "\"" + std::string(2045, 'x') + "\"";
    for (const std::string& value :
         {std::string(" lead"), std::string("trail "), std::string("\ttab\t"), std::string(" "),
          std::string("\"q\""), std::string("'q'"), std::string("\"\""), std::string("\""),
          std::string("\"q'"), std::string(" \"both\" "), std::string("a = \"b\""),
          std::string("\vform\f"), std::string("; [x]"), std::string(""), longest}) {
        std::string text = "[s]\r\nk=old\r\n";
        text = SetProfileValue(text, "s", "k", value);
        EXPECT_EQ(FindProfileValue(text, "s", "k"), value) << text;
        EXPECT_EQ(FindProfileValue(SetProfileValue("", "s", "new", value), "s", "new"), value);
    }
    // Quotes only where a read would lose something: plain values stay as they are.
    EXPECT_EQ(StoredProfileValue("/a b/c.avi"), "/a b/c.avi");
    EXPECT_EQ(StoredProfileValue("trail "), "\"trail \"");
    EXPECT_EQ(StoredProfileValue("'q'"), "\"'q'\"");
}

// Arbitrary bytes never crash the parser, and a write changes nothing but its own line.
TEST(ProfileBadInput, RandomBytesKeepEveryUntouchedLine) {
    std::mt19937 rng(1234);
    const std::string alphabet = std::string("[]=;\"' \t\r\nabk\0\xff", 16);
    for (int round = 0; round < 300; ++round) {
        std::string text;
        int len = static_cast<int>(rng() % 400);
        for (int i = 0; i < len; ++i) {
            text.push_back(alphabet[rng() % alphabet.size()]);
        }
        std::string after = SetProfileValue(text, "a", "k", "VALUE");
        EXPECT_EQ(Read(after, "a", "k"), "VALUE");
        // The old and the new text differ in one place only: at most the key's old line went,
        // and what came in is the written line (with a header or a line end before it).
        std::size_t pre = 0;
        while (pre < text.size() && pre < after.size() && text[pre] == after[pre]) {
            ++pre;
        }
        std::size_t suf = 0;
        while (suf < text.size() - pre && suf < after.size() - pre &&
               text[text.size() - 1 - suf] == after[after.size() - 1 - suf]) {
            ++suf;
        }
        std::string removed = text.substr(pre, text.size() - pre - suf);
        std::string added = after.substr(pre, after.size() - pre - suf);
        EXPECT_LE(added.size(), std::string("\r\n[a]\r\nk=VALUE\r\n").size()) << round;
        std::size_t breaks = 0;
        for (char c : removed) {
            breaks += (c == '\n' || c == '\r') ? 1 : 0;
        }
        EXPECT_LE(breaks, 2u) << "more than one old line changed in round " << round;
    }
}

TEST(ProfileBadInput, OneHugeLineIsReadWithoutTrouble) {
    std::string text = "[s]\nk=" + std::string(10 << 20, 'v') + "\nj=1\n";
    EXPECT_EQ(Read(text, "s", "j"), "1");
    EXPECT_EQ(CutProfileValue(*FindProfileValue(text, "s", "k")).size(), 2047u);
}

}  // namespace
}  // namespace zembo::platform
