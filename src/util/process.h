#pragma once

// Starting outside programs without a shell, so that "cannot start" and the exit status
// reach the caller.

#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

struct ProgramRun {
    bool started = false;
    bool waited = false;    // the caller asked to wait and the program has ended
    int exitStatus = -1;    // when waited: the exit code, or 128 + signal when killed
    std::string message;    // "Ne mogu da izvršim " + command line when it did not start

    // Started, and when waited for, ended with status 0.
    bool succeeded() const { return started && (!waited || exitStatus == 0); }
};

// Words of a command line: blanks separate them, double quotes group blanks into a word.
std::vector<std::string> splitCommandLine(std::string_view commandLine);

// Starts the program (looked up in PATH when it has no "/") in a process group of its own.
// With `wait` the call blocks until it ends; otherwise it is reaped in the background.
ProgramRun runProgram(const std::string& program, const std::vector<std::string>& arguments, bool wait);
// The same for a command line; the first word is the program.
ProgramRun runProgram(std::string_view commandLine, bool wait);

}  // namespace tarvo
