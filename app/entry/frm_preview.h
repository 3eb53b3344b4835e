// The beginning of the file being imported, and during a delimited import
// the line being read.
#pragma once

#include <QPlainTextEdit>

#include "widgets/kz_form.h"

namespace kz {

class frmPreview : public widgets::KzForm {
    Q_OBJECT
public:
    frmPreview();

    QPlainTextEdit* txtPreview;

    // Shows the first 10,000 bytes of the file; a file that cannot be read
    // is reported and the box keeps what it held.
    void showFile(const QString& path);
    // Shows the line being read, under the caption that says so.
    void showLine(const QString& line);
};

}  // namespace kz
