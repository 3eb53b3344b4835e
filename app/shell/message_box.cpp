#include "shell/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <utility>
#include <vector>

#include "host/ui_seam.h"
#include "widgets/modal_point.h"

namespace kz {

namespace {

struct ButtonSpec {
    int result;
    QMessageBox::StandardButton button;
};

// The captions a Japanese desktop gives these buttons, whatever language
// Qt itself is running in.
QString CaptionOf(int result)
{
    switch (result) {
    case vbCancel:
        return QStringLiteral("キャンセル");
    case vbAbort:
        return QStringLiteral("中止(&A)");
    case vbRetry:
        return QStringLiteral("再試行(&R)");
    case vbIgnore:
        return QStringLiteral("無視(&I)");
    case vbYes:
        return QStringLiteral("はい(&Y)");
    case vbNo:
        return QStringLiteral("いいえ(&N)");
    default:
        return QStringLiteral("OK");
    }
}

std::vector<ButtonSpec> ButtonsOf(int set)
{
    switch (set) {
    case vbOKCancel:
        return {{vbOK, QMessageBox::Ok}, {vbCancel, QMessageBox::Cancel}};
    case vbAbortRetryIgnore:
        return {{vbAbort, QMessageBox::Abort}, {vbRetry, QMessageBox::Retry}, {vbIgnore, QMessageBox::Ignore}};
    case vbYesNoCancel:
        return {{vbYes, QMessageBox::Yes}, {vbNo, QMessageBox::No}, {vbCancel, QMessageBox::Cancel}};
    case vbYesNo:
        return {{vbYes, QMessageBox::Yes}, {vbNo, QMessageBox::No}};
    case vbRetryCancel:
        return {{vbRetry, QMessageBox::Retry}, {vbCancel, QMessageBox::Cancel}};
    default:
        return {{vbOK, QMessageBox::Ok}};
    }
}

QMessageBox::Icon IconOf(int icon)
{
    switch (icon) {
    case vbCritical:
        return QMessageBox::Critical;
    case vbQuestion:
        return QMessageBox::Question;
    case vbExclamation:
        return QMessageBox::Warning;
    case vbInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

}  // namespace

QWidget* DialogOwner()
{
    // A box just answered is hidden but may still count as active; its
    // deferred deletion would take a dialog it owns with it.
    QWidget* window = QApplication::activeWindow();
    return window && window->isVisible() ? window : nullptr;
}

int ShowMessageBox(const QString& prompt, int style, const QString& title)
{
    const int set = style & 0x7;
    const std::vector<ButtonSpec> buttons = ButtonsOf(set);
    QMessageBox box(DialogOwner());
    box.setObjectName(QStringLiteral("MsgBox"));
    box.setWindowTitle(title.isEmpty() ? QStringLiteral("Kelvorzun") : title);
    box.setText(prompt);
    box.setIcon(IconOf(style & 0x70));
    const int defaultIndex = (style & vbDefaultButton3) ? 2 : (style & vbDefaultButton2) ? 1 : 0;
    std::vector<std::pair<QAbstractButton*, int>> results;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        QPushButton* button = box.addButton(buttons[i].button);
        button->setText(CaptionOf(buttons[i].result));
        button->setProperty("vbResult", buttons[i].result);
        results.emplace_back(button, buttons[i].result);
        if (static_cast<int>(i) == defaultIndex)
            box.setDefaultButton(button);
        // Esc and the frame's close answer Cancel where the set has it; Qt
        // picks the answer for the other sets (OK, No, Abort).
        if (buttons[i].result == vbCancel)
            box.setEscapeButton(button);
    }
    if (defaultIndex >= static_cast<int>(buttons.size()))
        box.setDefaultButton(static_cast<QPushButton*>(results.front().first));
    widgets::execDialog(box);
    const QAbstractButton* answered = box.clickedButton() ? box.clickedButton() : box.escapeButton();
    for (const auto& [button, result] : results) {
        if (answered == button)
            return result;
    }
    return results.back().second;
}

}  // namespace kz
