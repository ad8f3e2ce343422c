// The type-ahead's search text, its interval and the repeated-letter rule, on a clock of the
// test's own.
#include "browser/type_ahead.h"

#include <gtest/gtest.h>

#include "browser/file_list_pane.h"
#include "tests/support/fake_list_control.h"
#include "tests/support/fake_namespace.h"

namespace zembo::browser {
namespace {

class TypeAheadTest : public testing::Test {
  protected:
    void SetUp() override {
        // Rows: cat, clip1, clip2, dog
        for (const char* name : {"clip1", "dog", "cat", "clip2"}) {
            ns.Add(name, kAttrFileSystem, std::string("/") + name);
        }
        pane.ShowFolder(test::FakeId(""));
    }

    std::optional<int> Type(std::string_view text, int current, std::int64_t afterMs = 10) {
        now += afterMs;
        return typeAhead.Type(text, current, 1000, pane);
    }

    test::FakeNamespace ns;
    test::FakeListControl control;
    FileListPane pane{ns, control};
    std::int64_t now = 0;
    TypeAhead typeAhead{[this] { return now; }};
};

TEST_F(TypeAheadTest, CharactersWithinTheIntervalMakeOneSearchText) {
    EXPECT_EQ(Type("c", -1), 0);
    EXPECT_EQ(Type("l", 0), 1);  // "cl" from the focused row itself
    EXPECT_EQ(Type("i", 1), 1);
    EXPECT_EQ(Type("p", 1), 1);
    EXPECT_EQ(Type("2", 1), 2);
    EXPECT_EQ(Type("x", 2), std::nullopt);
    // After the interval a new search starts below the focused row and wraps.
    EXPECT_EQ(Type("d", 2, 1000), 3);
    EXPECT_EQ(Type("c", 3, 1000), 0);
}

TEST_F(TypeAheadTest, OneCharacterAgainAndAgainStepsThroughItsRows) {
    EXPECT_EQ(Type("c", -1), 0);
    EXPECT_EQ(Type("c", 0), 1);
    EXPECT_EQ(Type("c", 1), 2);
    EXPECT_EQ(Type("c", 2), 0);
    // A reset (a new folder) starts afresh however soon the next character comes.
    typeAhead.Reset();
    EXPECT_EQ(Type("d", 0, 0), 3);
}

}  // namespace
}  // namespace zembo::browser
