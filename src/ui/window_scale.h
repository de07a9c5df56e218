#pragma once

class QWidget;

namespace tarvo::ui {

// Enlarges a window and what it holds by a factor: its size, the fonts, fixed sizes of its controls and
// the column widths of its grids. Scaling back is scaling by the inverse.
void scaleBy(QWidget* window, double factor);
void centreOnScreen(QWidget* window);

}  // namespace tarvo::ui
