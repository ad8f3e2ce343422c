// Test main for the core: every test process gets a settings folder of its own, so that no test
// can reach the user's real one.
#include <gtest/gtest.h>

#include "tests/support/temp_dir.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    zembo::test::TestSettings settings;
    return RUN_ALL_TESTS();
}
