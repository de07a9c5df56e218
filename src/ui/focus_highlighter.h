#pragma once
#include <QColor>
#include <QObject>
#include <QPalette>
#include <QPointer>
#include <QWidget>

namespace tarvo::ui {

// Paints the focused edit control of any window in one colour while it has the focus and gives it back
// its own colour when the focus moves on. Buttons, views, lists and panels are left alone. Lives as long
// as the main window; removing it gives the focused control its colour back.
class FocusHighlighter : public QObject {
    Q_OBJECT
public:
    explicit FocusHighlighter(QColor colour, QObject* parent = nullptr);
    ~FocusHighlighter() override;

    static bool qualifies(const QWidget* widget);

private:
    void focusChanged(QWidget* previous, QWidget* now);
    void restore();

    QColor colour_;
    QPointer<QWidget> remembered_;
    QPalette savedPalette_;
    bool savedOwnPalette_ = false;
};

}  // namespace tarvo::ui
