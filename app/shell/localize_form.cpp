#include "shell/localize_form.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTabBar>
#include <QToolBar>
#include <QTreeWidget>
#include <QVariant>

#include "runtime/rounding.h"
#include "runtime/string_table.h"
#include "runtime/val.h"
#include "widgets/kz_form.h"

namespace kz {
namespace {

const char* const TagProperty = "Tag";

std::optional<QString> StringByValue(double v) { return FitsInteger(v) ? LoadResString(CInt(v)) : std::nullopt; }

std::optional<QString> StringByCaption(const QString& caption)
{
    const std::optional<Integer> id = CaptionNumber(caption);
    return id ? LoadResString(*id) : std::nullopt;
}

template <typename Set>
void Replace(const std::optional<QString>& text, Set set)
{
    if (text)
        set(*text);
}

// The window a control belongs to: menus and their items hang below the
// window in the object tree although a menu is a window of its own.
const widgets::KzForm* OwningForm(const QObject* object)
{
    for (const QObject* o = object->parent(); o; o = o->parent())
        if (const auto* form = qobject_cast<const widgets::KzForm*>(o))
            return form;
    return nullptr;
}

void LocalizeTabs(QTabBar& tabs)
{
    for (int i = 0; i < tabs.count(); ++i) {
        Replace(StringByCaption(tabs.tabData(i).toString()), [&](const QString& s) { tabs.setTabText(i, s); });
        Replace(StringByCaption(tabs.tabToolTip(i)), [&](const QString& s) { tabs.setTabToolTip(i, s); });
    }
}

void LocalizeToolBar(QToolBar& bar)
{
    for (QAction* action : bar.actions())
        Replace(StringByCaption(action->toolTip()), [&](const QString& s) { action->setToolTip(s); });
}

void LocalizeColumnHeaders(QTreeWidget& list)
{
    QTreeWidgetItem* header = list.headerItem();
    for (int column = 0; column < list.columnCount(); ++column)
        Replace(StringByCaption(header->data(column, Qt::UserRole).toString()),
                [&](const QString& s) { header->setText(column, s); });
}

// Controls without a caption of their own number: the tag names the string.
void LocalizeOtherControl(QWidget& control)
{
    const double tag = Val(control.property(TagProperty).toString());
    if (tag > 0) {
        const std::optional<QString> caption = StringByValue(tag);
        if (auto* button = qobject_cast<QAbstractButton*>(&control))
            Replace(caption, [&](const QString& s) { button->setText(s); });
        else if (auto* frame = qobject_cast<QGroupBox*>(&control))
            Replace(caption, [&](const QString& s) { frame->setTitle(s); });
    }
    const double tip = Val(control.toolTip());
    if (tip >= 1)
        Replace(StringByValue(tip), [&](const QString& s) { control.setToolTip(s); });
}

void LocalizeControl(QWidget& control)
{
    if (auto* label = qobject_cast<QLabel*>(&control))
        Replace(StringByCaption(label->text()), [&](const QString& s) { label->setText(s); });
    else if (auto* button = qobject_cast<QPushButton*>(&control))
        Replace(StringByCaption(button->text()), [&](const QString& s) { button->setText(s); });
    else if (auto* tabs = qobject_cast<QTabBar*>(&control))
        LocalizeTabs(*tabs);
    else if (auto* bar = qobject_cast<QToolBar*>(&control))
        LocalizeToolBar(*bar);
    else if (auto* list = qobject_cast<QTreeWidget*>(&control))
        LocalizeColumnHeaders(*list);
    else
        LocalizeOtherControl(control);
}

}  // namespace

std::optional<Integer> CaptionNumber(const QString& caption)
{
    bool isNumber = false;
    const double v = QLocale::c().toDouble(caption.trimmed(), &isNumber);
    if (!isNumber || !FitsInteger(v))
        return std::nullopt;
    return CInt(v);
}

void LocalizeForm(widgets::KzForm& form)
{
    Replace(StringByCaption(form.property(TagProperty).toString()),
            [&](const QString& s) { form.setWindowTitle(s); });
    for (QWidget* control : form.findChildren<QWidget*>())
        if (OwningForm(control) == &form)
            LocalizeControl(*control);
    for (QAction* item : form.findChildren<QAction*>())
        if (OwningForm(item) == &form)
            Replace(StringByCaption(item->text()), [&](const QString& s) { item->setText(s); });
}

}  // namespace kz
