#include "ui/window_scale.h"

#include <QFont>
#include <QHeaderView>
#include <QScreen>
#include <QTableView>
#include <QTreeView>
#include <QWidget>
#include <cmath>

namespace tarvo::ui {
namespace {

int scaled(int length, double factor) { return static_cast<int>(std::lround(length * factor)); }

void scaleFont(QWidget* widget, double factor) {
    QFont font = widget->font();
    if (font.pointSizeF() > 0) font.setPointSizeF(font.pointSizeF() * factor);
    else font.setPixelSize(std::max(1, scaled(font.pixelSize(), factor)));
    widget->setFont(font);
}

void scaleLimits(QWidget* widget, double factor) {
    const QSize minimum = widget->minimumSize();
    const QSize maximum = widget->maximumSize();
    if (minimum.width() > 0 || minimum.height() > 0)
        widget->setMinimumSize(scaled(minimum.width(), factor), scaled(minimum.height(), factor));
    if (maximum.width() < QWIDGETSIZE_MAX) widget->setMaximumWidth(scaled(maximum.width(), factor));
    if (maximum.height() < QWIDGETSIZE_MAX) widget->setMaximumHeight(scaled(maximum.height(), factor));
}

void scaleSections(QHeaderView* header, double factor) {
    if (!header) return;
    for (int i = 0; i < header->count(); ++i) header->resizeSection(i, scaled(header->sectionSize(i), factor));
}

}  // namespace

void scaleBy(QWidget* window, double factor) {
    if (!window || factor <= 0 || std::abs(factor - 1) < 1e-9) return;
    scaleFont(window, factor);
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (child->window() != window) continue;
        // Controls that inherit the size of their font follow the window's font by themselves.
        if (child->testAttribute(Qt::WA_SetFont) && (child->font().resolveMask() & QFont::SizeResolved))
            scaleFont(child, factor);
        scaleLimits(child, factor);
        if (auto* table = qobject_cast<QTableView*>(child)) scaleSections(table->horizontalHeader(), factor);
        else if (auto* tree = qobject_cast<QTreeView*>(child)) scaleSections(tree->header(), factor);
    }
    scaleLimits(window, factor);
    window->resize(scaled(window->width(), factor), scaled(window->height(), factor));
}

void centreOnScreen(QWidget* window) {
    QScreen* screen = window->screen();
    if (!screen) return;
    const QRect available = screen->availableGeometry();
    QRect frame = window->frameGeometry();
    frame.moveCenter(available.center());
    window->move(frame.topLeft());
}

}  // namespace tarvo::ui
