#pragma once
#include <string>

namespace tarvo {

// How a voucher-entry operation ended. Whatever the user had to be told has already gone through the
// prompt; `message` repeats it for callers that log or test it.
struct EntryResult {
    enum class Kind {
        Done,       // the operation ran (warnings may have been shown)
        Cancelled,  // the user answered No
        Refused,    // a rule or the entry's state did not allow it
        Failed,     // the database refused; the entry stays usable
    };
    Kind kind = Kind::Done;
    std::string message;

    bool ok() const { return kind == Kind::Done; }
    explicit operator bool() const { return ok(); }

    static EntryResult done(std::string message = {}) { return {Kind::Done, std::move(message)}; }
    static EntryResult cancelled() { return {Kind::Cancelled, {}}; }
    static EntryResult refused(std::string message = {}) { return {Kind::Refused, std::move(message)}; }
    static EntryResult failed(std::string message) { return {Kind::Failed, std::move(message)}; }
};

}  // namespace tarvo
