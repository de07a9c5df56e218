#include "ui/copy_progress_panel.h"

#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace tarvo::ui {

CopyProgressPanel::CopyProgressPanel(QWidget* over)
    : QWidget(over), status_(new QLineEdit(this)), log_(new QListWidget(this)) {
    setAutoFillBackground(true);
    status_->setReadOnly(true);
    status_->setFixedSize(300, 25);
    status_->setStyleSheet("QLineEdit { color: white; background: navy; }");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status_);
    layout->addWidget(log_, 1);
    setGeometry(over->rect());
    over->installEventFilter(this);
    show();
    raise();
}

CopyToAllProgress CopyProgressPanel::progress() {
    CopyToAllProgress sinks;
    sinks.log = [this](const std::string& line) {
        log_->addItem(QString::fromStdString(line));
        log_->scrollToBottom();
        log_->repaint();
    };
    sinks.status = [this](const std::string& line) {
        status_->setText(QString::fromStdString(line));
        status_->repaint();
    };
    return sinks;
}

bool CopyProgressPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
    return false;
}

}  // namespace tarvo::ui
