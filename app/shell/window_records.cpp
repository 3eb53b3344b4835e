#include "shell/window_records.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

#include "host/settings.h"
#include "shell/program_state.h"

namespace kz {

namespace {

constexpr double TwipsPerInch = 1440;
constexpr Long MaxRgb = 0xFFFFFF;

bool CarriesFontObject(FontSlot slot) { return slot == FontSlot::Reply || slot == FontSlot::ReplyOtherColours; }

QScreen* PrimaryScreen() { return QGuiApplication::primaryScreen(); }

int ToPixels(float twips, qreal dpi) { return static_cast<int>(std::lround(twips * dpi / TwipsPerInch)); }

float ToTwips(int pixels, qreal dpi) { return static_cast<float>(pixels * TwipsPerInch / dpi); }

bool IsSizable(const QWidget* form)
{
    const QLayout* layout = form->layout();
    return !(layout && layout->sizeConstraint() == QLayout::SetFixedSize)
           && form->minimumSize() != form->maximumSize()
           && !form->windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint);
}

QColor FromRgb(Long rgb) { return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF); }

Long ToRgb(const QColor& colour) { return colour.red() + colour.green() * 256 + colour.blue() * 65536; }

// A colour outside the RGB range (a system colour of another platform, or
// damage) leaves the control's own.
void SetColour(QWidget* control, QPalette::ColorRole role, Long rgb)
{
    if (rgb < 0 || rgb > MaxRgb)
        return;
    QPalette palette = control->palette();
    palette.setColor(role, FromRgb(rgb));
    control->setPalette(palette);
}

}  // namespace

void RestoreWindowRec(WindowSlot slot, QWidget* form)
{
    const Settings& settings = ProgramSettings();
    QScreen* primary = PrimaryScreen();
    if (!form || !primary)
        return;
    const WindowRec& rec = settings.WindowRecs[slot];
    if (!(rec.Width > 0 && rec.Height > 0))
        return;
    const qreal dpiX = primary->logicalDotsPerInchX();
    const qreal dpiY = primary->logicalDotsPerInchY();
    const QPoint stored(ToPixels(rec.Left, dpiX), ToPixels(rec.Top, dpiY));
    const QRect screen = primary->geometry();
    if (stored.x() >= screen.x() + screen.width() || stored.y() >= screen.y() + screen.height())
        return;

    // Kept within the screen the window starts on, so no part of it is lost
    // beyond an edge.
    const QScreen* target = QGuiApplication::screenAt(stored);
    const QRect area = (target ? target : primary)->availableGeometry();
    QSize size = form->size();
    if (IsSizable(form)) {
        size = QSize(ToPixels(rec.Width, dpiX), ToPixels(rec.Height, dpiY))
                   .boundedTo(area.size())
                   .expandedTo(form->minimumSize())
                   .boundedTo(form->maximumSize());
        form->resize(size);
    }
    const int left = std::max(area.left(), std::min(stored.x(), area.x() + area.width() - size.width()));
    const int top = std::max(area.top(), std::min(stored.y(), area.y() + area.height() - size.height()));
    form->move(left, top);
}

void SaveWindowRec(QWidget* form, WindowSlot slot)
{
    Settings& settings = ProgramSettings();
    QScreen* primary = PrimaryScreen();
    if (!form || !primary)
        return;
    if (form->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    if (form->width() <= 0 || form->height() <= 0)
        return;
    const qreal dpiX = primary->logicalDotsPerInchX();
    const qreal dpiY = primary->logicalDotsPerInchY();
    WindowRec& rec = settings.WindowRecs[slot];
    rec.Left = ToTwips(form->x(), dpiX);
    rec.Top = ToTwips(form->y(), dpiY);
    rec.Width = ToTwips(form->width(), dpiX);
    rec.Height = ToTwips(form->height(), dpiY);
}

void ApplyFontRec(FontSlot slot, QWidget* control)
{
    const Settings& settings = ProgramSettings();
    if (!control)
        return;
    const FontRec& rec = settings.FontRecs[slot];
    const bool fontObject = CarriesFontObject(slot);
    if (fontObject)
        SetColour(control, QPalette::Base, rec.BackColor);
    if (rec.Name.isEmpty() || !(rec.Size > 0)) {
        ReadFontRec(control, slot);
        return;
    }
    QFont font = control->font();
    font.setFamily(rec.Name);
    font.setPointSizeF(rec.Size);
    font.setBold(rec.Bold);
    font.setItalic(rec.Italic);
    if (!fontObject) {
        font.setUnderline(rec.Underline);
        font.setStrikeOut(rec.Strikethru);
    }
    control->setFont(font);
    if (!fontObject) {
        SetColour(control, QPalette::Text, rec.ForeColor);
        SetColour(control, QPalette::Base, rec.BackColor);
    }
}

void ReadFontRec(QWidget* control, FontSlot slot)
{
    Settings& settings = ProgramSettings();
    if (!control)
        return;
    FontRec& rec = settings.FontRecs[slot];
    const QFont font = control->font();
    rec.Name = font.family();
    // A font sized in pixels has no point size of its own.
    rec.Size = static_cast<float>(font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF());
    rec.Bold = font.bold();
    rec.Italic = font.italic();
    if (!CarriesFontObject(slot)) {
        rec.Underline = font.underline();
        rec.Strikethru = font.strikeOut();
        rec.ForeColor = ToRgb(control->palette().color(QPalette::Text));
    }
    rec.BackColor = ToRgb(control->palette().color(QPalette::Base));
}

}  // namespace kz
