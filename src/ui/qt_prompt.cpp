#include "ui/qt_prompt.h"

#include <QApplication>
#include <QMessageBox>

namespace tarvo::ui {

void QtPrompt::message(const std::string& text) {
    QMessageBox::information(parent_, QApplication::applicationName(), QString::fromStdString(text));
}

bool QtPrompt::ask(const std::string& question) {
    return QMessageBox::question(parent_, QApplication::applicationName(), QString::fromStdString(question),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace tarvo::ui
