#pragma once
// One QApplication for a whole window-test program: created before the first test and destroyed after
// the last, before the exit handlers run. Include it once per test program.
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace tarvo::test {

class QtApplication : public ::testing::Environment {
public:
    void SetUp() override { app_ = std::make_unique<QApplication>(argc_, argv_); }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[12] = "tarvo_test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

inline const ::testing::Environment* const kQtApplication =
    ::testing::AddGlobalTestEnvironment(new QtApplication);

}  // namespace tarvo::test
