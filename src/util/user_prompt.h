#pragma once
#include <deque>
#include <string>
#include <vector>

namespace tarvo {

// Every message box and Yes/No question of the program goes through this interface, so that core code can
// talk to the user and tests can answer for the user.
class UserPrompt {
public:
    virtual ~UserPrompt() = default;
    virtual void message(const std::string& text) = 0;
    // True only when the user answers Yes.
    virtual bool ask(const std::string& question) = 0;
};

// Answers questions from a script and records everything that was said.
class ScriptedPrompt : public UserPrompt {
public:
    void message(const std::string& text) override { messages.push_back(text); }
    bool ask(const std::string& question) override {
        questions.push_back(question);
        if (answers.empty()) return defaultAnswer;
        bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<bool> answers;
    bool defaultAnswer = false;
    std::vector<std::string> messages;
    std::vector<std::string> questions;
};

}  // namespace tarvo
