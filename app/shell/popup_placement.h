// Where the main window's picture buttons open their menus: beside the
// button, on the side towards the middle of the screen.
#pragma once

#include <QPoint>
#include <QRect>

namespace kz {

// The top-left corner of the menu for a button at `button` (screen
// coordinates) of a window whose left edge is `windowLeft` on a screen
// `screenWidth` wide. A window left of the middle opens the menu to the
// right of the button, aligned with the button's top; any other window
// opens it to the left, the menu's right edge at the button's left edge.
QPoint PopupMenuPoint(int windowLeft, int screenWidth, const QRect& button, int menuWidth);

}  // namespace kz
