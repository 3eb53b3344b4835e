// Windows and controls take their placement and fonts from the settings
// records (settings.h) and give them back. Records keep twips; they are
// converted through the primary screen's logical DPI here and nowhere else.
#pragma once

#include "host/settings.h"

class QWidget;

namespace kz {

// Places `form` from its slot when the slot holds a placement that starts
// on the screen; a sizable window also takes the stored size. The window is
// kept within the screen's available area. Otherwise it keeps its design
// placement.
void RestoreWindowRec(WindowSlot slot, QWidget* form);

// Stores the placement of a window in its normal state; a minimized,
// maximized or full-screen window leaves the slot as it was.
void SaveWindowRec(QWidget* form, WindowSlot slot);

// Gives `control` the slot's font and colours, or stores the control's own
// when the slot holds no font. The reply text's slots (Reply,
// ReplyOtherColours) carry only the background colour and the font's name,
// size, bold and italic.
void ApplyFontRec(FontSlot slot, QWidget* control);

// Stores the font and colours of `control` into the slot, split by slot as
// ApplyFontRec reads them.
void ReadFontRec(QWidget* control, FontSlot slot);

}  // namespace kz
