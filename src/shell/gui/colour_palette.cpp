#include "shell/gui/colour_palette.h"

#include <QApplication>
#include <QPalette>

namespace tarvo::shell {

void applyColourScheme(ColourScheme scheme) {
    const std::optional<SchemeColours> colours = schemeColours(scheme);
    if (!colours) return;
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Button, qColor(colours->buttonFace));
    palette.setColor(QPalette::HighlightedText, qColor(colours->highlightText));
    QApplication::setPalette(palette);

    QPalette menus = palette;
    menus.setColor(QPalette::Window, qColor(colours->menu));
    menus.setColor(QPalette::Base, qColor(colours->menu));
    menus.setColor(QPalette::Highlight, qColor(colours->activeCaption));
    QApplication::setPalette(menus, "QMenu");
    QApplication::setPalette(menus, "QMenuBar");
}

}  // namespace tarvo::shell
