// Qt's own texts in Japanese, whatever language the environment names: the
// buttons, labels and columns of its dialogs, the type names of the file
// dialog and the locale that describes files (type names, dates).
#pragma once

namespace kz::widgets {

// Once, after the application object exists; later calls do nothing.
void UseJapaneseForQt();

}  // namespace kz::widgets
