#pragma once
// Runs the real zembo-patch on temporary trees, with a settings folder and a home folder of its
// own that every test checks are still empty at its end.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/child_process.h"
#include "tests/support/temp_dir.h"

namespace zembo {

class CliTest : public testing::Test {
  protected:
    CliTest();
    void TearDown() override;

    // zembo-patch with args, started in the folder root.
    test::ChildResult Run(const std::vector<std::string>& args) const;
    test::ChildResult RunIn(const std::string& folder, const std::vector<std::string>& args) const;

    // The same error check for every command line that cannot run: status 2, nothing on standard
    // output, one line on standard error that names the problem with every given fragment.
    static void ExpectOneLineError(const test::ChildResult& result,
                                   const std::vector<std::string>& fragments);

    // A file that exists but that nobody can open for reading, not even root: a socket.
    static void MakeUnreadable(const std::string& path);

    test::TempDir root;

  private:
    test::TempDir profiles_;
};

}  // namespace zembo
