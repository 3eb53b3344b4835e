#include "command_label.h"

namespace kz {

CommandLabel::CommandLabel(const QString& name, QWidget* parent) : QLabel(parent)
{
    setObjectName(name);
    hide();
}

void CommandLabel::setCaption(const QString& caption)
{
    if (caption == text())
        return;
    setText(caption);
    emit captionChanged(caption);
}

}  // namespace kz
