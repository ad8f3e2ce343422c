#include "tests/cli/cli_fixture.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

namespace zembo {

CliTest::CliTest() {
    std::filesystem::create_directory(profiles_ / "config");
    std::filesystem::create_directory(profiles_ / "home");
}

void CliTest::TearDown() {
    EXPECT_TRUE(test::ListFolder(profiles_ / "config").empty()) << "a settings file was written";
    EXPECT_TRUE(test::ListFolder(profiles_ / "home").empty()) << "the home folder was written";
}

test::ChildResult CliTest::Run(const std::vector<std::string>& args) const {
    return RunIn(root.Path(), args);
}

test::ChildResult CliTest::RunIn(const std::string& folder,
                                 const std::vector<std::string>& args) const {
    test::ChildRun run;
    run.args = args;
    run.folder = folder;
    run.setEnv = {{"XDG_CONFIG_HOME", profiles_ / "config"}, {"HOME", profiles_ / "home"}};
    return test::RunChild(ZEMBO_PATCH_EXE, run);
}

void CliTest::ExpectOneLineError(const test::ChildResult& result,
                                 const std::vector<std::string>& fragments) {
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    ASSERT_EQ(test::Lines(result.err).size(), 1u) << result.err;
    EXPECT_EQ(result.err.rfind("zembo-patch: ", 0), 0u) << result.err;
    EXPECT_EQ(result.err.back(), '\n');
    for (const std::string& fragment : fragments) {
        EXPECT_NE(result.err.find(fragment), std::string::npos)
            << "\"" << fragment << "\" not in: " << result.err;
    }
}

void CliTest::MakeUnreadable(const std::string& path) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0) << std::strerror(errno);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(path.size(), sizeof address.sun_path) << path;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int bound = bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    const int error = errno;
    close(fd);
    ASSERT_EQ(bound, 0) << std::strerror(error);
}

}  // namespace zembo
