// Window designs give many captions as the number of a string of the
// program's string table (resources/strings.txt); a window swaps in the
// texts when it loads.
//
// A window or control keeps its designed tag as the dynamic property "Tag";
// a tab keeps its tag as the tab's data (QTabBar::tabData) and a list
// view's column header as the header item's Qt::UserRole data.
#pragma once

#include <QString>

#include <optional>

#include "runtime/vbtypes.h"

namespace kz::widgets {
class KzForm;
}  // namespace kz::widgets

namespace kz {

// The caption as a string number: the whole caption must be a number that
// fits an Integer ("1000", not "質問一覧" or "-" or "").
std::optional<Integer> CaptionNumber(const QString& caption);

// Replaces every numbered caption of `form` and its controls by its string.
// Each step stands alone: a caption that is no number, a number without a
// string or a control without such a property keeps what it was designed
// with.
//  - the window's caption: the string numbered by its tag (a whole number);
//  - labels, push buttons, menu items: the caption when it is a whole number;
//  - tab bars: each tab's caption by its tag, then its tool tip by the
//    tool tip's number;
//  - tool bars: each button's tool tip by its number;
//  - list views: each column header by its tag;
//  - any other control: its caption by the leading number of its tag when
//    that is above 0, then its tool tip by the leading number of the tool
//    tip when that is 1 or more.
void LocalizeForm(widgets::KzForm& form);

}  // namespace kz
