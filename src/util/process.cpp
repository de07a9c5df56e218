#include "util/process.h"

#include <cerrno>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace tarvo {
namespace {

int waitForExit(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return -1;
    }
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return -1;
}

std::string quotedCommandLine(const std::string& program, const std::vector<std::string>& arguments) {
    std::string line = program;
    for (const std::string& argument : arguments)
        line += argument.find(' ') == std::string::npos ? " " + argument : " \"" + argument + "\"";
    return line;
}

}  // namespace

std::vector<std::string> splitCommandLine(std::string_view commandLine) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (char c : commandLine) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inWord) words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(std::move(word));
    return words;
}

ProgramRun runProgram(const std::string& program, const std::vector<std::string>& arguments, bool wait) {
    ProgramRun run;
    std::vector<std::string> argv{program};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<char*> pointers;
    for (std::string& word : argv) pointers.push_back(word.data());
    pointers.push_back(nullptr);

    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    pid_t pid = 0;
    const int error = program.empty() ? ENOENT
                                      : posix_spawnp(&pid, program.c_str(), nullptr, &attributes, pointers.data(), environ);
    posix_spawnattr_destroy(&attributes);
    if (error != 0) {
        run.message = "Ne mogu da izvršim " + quotedCommandLine(program, arguments);
        return run;
    }
    run.started = true;
    if (wait) {
        run.exitStatus = waitForExit(pid);
        run.waited = true;
    } else {
        std::thread([pid] { waitForExit(pid); }).detach();
    }
    return run;
}

ProgramRun runProgram(std::string_view commandLine, bool wait) {
    std::vector<std::string> words = splitCommandLine(commandLine);
    if (words.empty()) return {false, false, -1, "Ne mogu da izvršim " + std::string(commandLine)};
    const std::string program = words.front();
    words.erase(words.begin());
    ProgramRun run = runProgram(program, words, wait);
    if (!run.started) run.message = "Ne mogu da izvršim " + std::string(commandLine);
    return run;
}

}  // namespace tarvo
