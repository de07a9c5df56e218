#include "ui/enter_as_tab.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace tarvo::ui {

EnterAsTab* EnterAsTab::installOn(QWidget* root) {
    auto* filter = new EnterAsTab(root);
    for (QLineEdit* edit : root->findChildren<QLineEdit*>()) filter->watch(edit);
    for (QAbstractSpinBox* spin : root->findChildren<QAbstractSpinBox*>()) filter->watch(spin);
    for (QComboBox* combo : root->findChildren<QComboBox*>())
        if (combo->isEditable()) filter->watch(combo);
    return filter;
}

void EnterAsTab::watch(QWidget* control) { control->installEventFilter(this); }

bool EnterAsTab::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier) return false;
    // Tab through the control itself, so that the window's own tab order decides where the focus goes.
    const bool back = modifiers == Qt::ShiftModifier;
    QKeyEvent tab(QEvent::KeyPress, back ? Qt::Key_Backtab : Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
    QCoreApplication::sendEvent(watched, &tab);
    return true;
}

}  // namespace tarvo::ui
