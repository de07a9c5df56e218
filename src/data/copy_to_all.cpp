#include "data/copy_to_all.h"

#include <stdexcept>

#include "data/db/connection.h"
#include "data/db/error.h"

namespace tarvo {
namespace {

void say(const std::function<void(const std::string&)>& sink, const std::string& text) {
    if (sink) sink(text);
}

void replaceIn(db::Connection& connection, const std::vector<CopyStatement>& statements) {
    db::Transaction transaction(connection);
    for (const CopyStatement& statement : statements) {
        const unsigned long long changed = connection.execute(statement.sql);
        if (statement.mustChangeRows && changed == 0)
            throw std::runtime_error("Nijedan red nije upisan: " + statement.sql);
    }
    transaction.commit();
}

}  // namespace

std::size_t CopyToAllResult::failures() const {
    std::size_t count = 0;
    for (const CopyTargetResult& target : targets) count += target.ok ? 0 : 1;
    return count;
}

std::vector<std::string> CopyToAllResult::failureLines() const {
    std::vector<std::string> lines;
    for (const CopyTargetResult& target : targets)
        if (!target.ok) lines.push_back(target.target + ": " + target.error);
    return lines;
}

bool showsProgressAt(std::size_t i, std::size_t n) { return i == n || (i >= 1 && (i - 1) % 3 == 0); }

CopyToAllResult copyToAll(db::Connection& connection, const CopyToAllJob& job, const CopyToAllProgress& progress) {
    CopyToAllResult result;
    const std::size_t count = job.targets.size();
    for (std::size_t i = 0; i < count; ++i) {
        const std::string& target = job.targets[i];
        if (job.logLine) say(progress.log, job.logLine(target));
        if (job.statusLine && showsProgressAt(i + 1, count)) say(progress.status, job.statusLine(i + 1, count));
        CopyTargetResult outcome{target, false, {}};
        try {
            replaceIn(connection, job.statementsFor(target));
            outcome.ok = true;
        } catch (const db::DbError& error) {
            outcome.error = error.serverMessage();
        } catch (const std::exception& error) {
            outcome.error = error.what();
        }
        say(progress.log, outcome.ok ? "    OK" : "    Greška: " + outcome.error);
        result.targets.push_back(std::move(outcome));
    }
    return result;
}

}  // namespace tarvo
