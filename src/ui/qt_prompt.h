#pragma once
#include <QPointer>
#include <QWidget>

#include "util/user_prompt.h"

namespace tarvo::ui {

// Message boxes and Yes/No questions shown over a parent window.
class QtPrompt : public UserPrompt {
public:
    explicit QtPrompt(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    void message(const std::string& text) override;
    bool ask(const std::string& question) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace tarvo::ui
