// The open and save file dialogs. Callers give their filters in the old
// form, pairs of description and pattern separated by "|" ("テキスト(*.txt)|
// *.txt|全て(*.*)|*.*|"), and a start path whose folder the dialog opens in
// with its file name filled in.
#pragma once

#include <QString>

class QWidget;

namespace kz::widgets {

// The filter in Qt's form: "desc (pattern);;desc (pattern)". Patterns
// separated by ";" become a list; "*.*" is "*" here. A description without
// its pattern is dropped.
QString QtFileFilter(const QString& legacyFilter);

struct DialogStart {
    QString folder;  // empty: the current folder
    QString fileName;
};
// The folder before the last "/" of `path` and the name after it; a path
// without "/" is a file name.
DialogStart SplitDialogPath(const QString& path);

// The chosen full path; "" on Cancel. The dialog's object name is "CMDialog";
// its list of file types shows the descriptions as given; the save dialog
// asks before overwriting an existing file.
QString RunFileDialog(const QString& path, const QString& legacyFilter, bool save, QWidget* parent = nullptr);

}  // namespace kz::widgets
