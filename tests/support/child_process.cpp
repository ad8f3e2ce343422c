#include "tests/support/child_process.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <stdexcept>

#include "tests/support/temp_dir.h"

extern char** environ;

namespace zembo::test {
namespace {

// The environment as NAME=value lines, with the given variables set.
std::vector<std::string> ChildEnvironment(const std::map<std::string, std::string>& setEnv) {
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry = *e;
        const std::string name = entry.substr(0, entry.find('='));
        if (setEnv.count(name) == 0) {
            env.push_back(entry);
        }
    }
    for (const auto& [name, value] : setEnv) {
        env.push_back(name + "=" + value);
    }
    return env;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& t : texts) {
        pointers.push_back(t.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

// In the child, after fork: only async-signal-safe calls until exec.
[[noreturn]] void StartChild(const char* program, char** argv, char** envp, const char* folder,
                             const char* outPath, const char* errPath) {
    const int in = open("/dev/null", O_RDONLY);
    const int out = open(outPath, O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = open(errPath, O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (in < 0 || out < 0 || err < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0) {
        _exit(126);
    }
    if (folder[0] != '\0' && chdir(folder) != 0) {
        _exit(126);
    }
    execve(program, argv, envp);
    _exit(127);
}

}  // namespace

ChildResult RunChild(const std::string& program, const ChildRun& run) {
    TempDir capture;
    const std::string outPath = capture / "stdout";
    const std::string errPath = capture / "stderr";

    std::vector<std::string> argTexts{program};
    argTexts.insert(argTexts.end(), run.args.begin(), run.args.end());
    std::vector<std::string> envTexts = ChildEnvironment(run.setEnv);
    std::vector<char*> argv = Pointers(argTexts);
    std::vector<char*> envp = Pointers(envTexts);

    const pid_t pid = fork();
    if (pid < 0) {
        throw std::runtime_error(std::string("fork failed: ") + std::strerror(errno));
    }
    if (pid == 0) {
        StartChild(program.c_str(), argv.data(), envp.data(), run.folder.c_str(), outPath.c_str(),
                   errPath.c_str());
    }
    int wstatus = 0;
    while (waitpid(pid, &wstatus, 0) < 0) {
        if (errno != EINTR) {
            throw std::runtime_error(std::string("waitpid failed: ") + std::strerror(errno));
        }
    }
    ChildResult result;
    result.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : 128 + WTERMSIG(wstatus);
    result.out = ReadFile(outPath);
    result.err = ReadFile(errPath);
    return result;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

}  // namespace zembo::test
