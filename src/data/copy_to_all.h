#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace tarvo {

namespace db {
class Connection;
}

// One statement of a target's replacement. With `mustChangeRows` a statement that changes no row fails the
// target (a source row that has gone would otherwise turn the replacement into a deletion).
struct CopyStatement {
    std::string sql;
    bool mustChangeRows = false;
};

// What to copy where. Each target's statements run in one transaction, so a target either gets the whole
// replacement or keeps what it had; they must be data statements on transactional tables, because DDL
// would commit on its own.
struct CopyToAllJob {
    std::vector<std::string> targets;
    // The statements for one target; may throw std::invalid_argument (a name that is not valid), which
    // fails that target.
    std::function<std::vector<CopyStatement>(const std::string& target)> statementsFor;
    // The log line written before a target is handled.
    std::function<std::string(const std::string& target)> logLine;
    // The status text for target i of n (1-based), shown for the 1st, 4th, 7th, ... and the last target.
    std::function<std::string(std::size_t i, std::size_t n)> statusLine;
};

// Where the progress goes (a log list and a one-line status in the window; nothing in a test).
struct CopyToAllProgress {
    std::function<void(const std::string&)> log;
    std::function<void(const std::string&)> status;
};

struct CopyTargetResult {
    std::string target;
    bool ok = false;
    std::string error;
};

struct CopyToAllResult {
    std::vector<CopyTargetResult> targets;

    std::size_t failures() const;
    // One line "target: error" for each target that failed.
    std::vector<std::string> failureLines() const;
};

// True for the targets whose progress is shown: 1, 4, 7, ... and the last one.
bool showsProgressAt(std::size_t i, std::size_t n);

// Replaces the data in every target in turn; a failing target is logged and the run goes on.
CopyToAllResult copyToAll(db::Connection& connection, const CopyToAllJob& job, const CopyToAllProgress& progress = {});

}  // namespace tarvo
