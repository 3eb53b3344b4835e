#include "shell/popup_placement.h"

namespace kz {

QPoint PopupMenuPoint(int windowLeft, int screenWidth, const QRect& button, int menuWidth)
{
    if (screenWidth / 2.0 > windowLeft)
        return {button.x() + button.width(), button.y()};
    return {button.x() - menuWidth, button.y()};
}

}  // namespace kz
