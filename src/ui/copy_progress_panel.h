#pragma once
#include <QWidget>

#include "data/copy_to_all.h"

class QLineEdit;
class QListWidget;

namespace tarvo::ui {

// The progress of a copy to all companies drawn over the calling window: a one-line status at the top
// (white on navy) and the log below it. Removed with the object.
class CopyProgressPanel : public QWidget {
    Q_OBJECT
public:
    explicit CopyProgressPanel(QWidget* over);
    // Sinks that write into the panel and repaint it at once.
    CopyToAllProgress progress();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* status_;
    QListWidget* log_;
};

}  // namespace tarvo::ui
