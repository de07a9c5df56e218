#pragma once
#include <QObject>

class QWidget;

namespace tarvo::ui {

// Enter moves to the next control in tab order, Shift+Enter to the previous one, and the key goes no
// further. Installed on the one-line edits of a window: line edits, spin and date edits and editable
// combo boxes; multi-line editors and grids keep their Enter.
class EnterAsTab : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Installs one filter, owned by `root`, on every such control below it.
    static EnterAsTab* installOn(QWidget* root);
    void watch(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace tarvo::ui
