// A hidden label whose caption is a command: writing a caption that differs
// from the one shown announces it; writing the same caption again does
// nothing (write "" first to repeat a command). Windows that other windows
// drive this way own one and act on captionChanged.
#pragma once

#include <QLabel>

namespace kz {

class CommandLabel : public QLabel {
    Q_OBJECT
public:
    CommandLabel(const QString& name, QWidget* parent);

    void setCaption(const QString& caption);

signals:
    void captionChanged(const QString& caption);
};

}  // namespace kz
