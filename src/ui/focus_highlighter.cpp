#include "ui/focus_highlighter.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace tarvo::ui {

FocusHighlighter::FocusHighlighter(QColor colour, QObject* parent) : QObject(parent), colour_(colour) {
    connect(qApp, &QApplication::focusChanged, this, &FocusHighlighter::focusChanged);
    focusChanged(nullptr, QApplication::focusWidget());
}

FocusHighlighter::~FocusHighlighter() { restore(); }

bool FocusHighlighter::qualifies(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QTextEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget);
}

void FocusHighlighter::restore() {
    // A control freed since it was painted is simply forgotten.
    if (remembered_) remembered_->setPalette(savedOwnPalette_ ? savedPalette_ : QPalette());
    remembered_.clear();
}

void FocusHighlighter::focusChanged(QWidget*, QWidget* now) {
    restore();
    if (!now || !qualifies(now)) return;
    remembered_ = now;
    savedOwnPalette_ = now->testAttribute(Qt::WA_SetPalette);
    savedPalette_ = now->palette();
    QPalette highlighted = now->palette();
    highlighted.setColor(QPalette::Base, colour_);
    now->setPalette(highlighted);
}

}  // namespace tarvo::ui
