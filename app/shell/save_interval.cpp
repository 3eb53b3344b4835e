#include "shell/save_interval.h"

#include <QLocale>

#include <cmath>

#include "document/cmd_box.h"
#include "host/settings.h"
#include "host/ui_seam.h"
#include "model/survey.h"
#include "runtime/rounding.h"
#include "shell/program_state.h"

namespace kz {

namespace {

constexpr double MinutesPerDay = 24 * 60;
constexpr double SecondsPerDay = MinutesPerDay * 60;

// Hours and minutes of the interval, as the clock time it is kept as.
QString WholeMinutes(double interval)
{
    const double seconds = RoundHalfEven(interval * SecondsPerDay);
    return QString::number(static_cast<long long>(seconds) / 60);
}

// The typed minutes, rounded; 0 for anything that is not a number.
double TypedMinutes(const QString& text)
{
    bool isNumber = false;
    const double v = QLocale::c().toDouble(text.trimmed(), &isNumber);
    return isNumber && std::isfinite(v) ? RoundHalfEven(v) : 0;
}

}  // namespace

void AskSaveInterval()
{
    Settings& settings = ProgramSettings();
    for (;;) {
        QString text = WholeMinutes(settings.SaveInterval);
        if (!InputBoxEx(QStringLiteral("保存の間隔"), QStringLiteral("間隔"), QStringLiteral("単位：分"),
                        QStringLiteral("保存する時間の間隔を入力してください"), text))
            return;
        const double minutes = TypedMinutes(text);
        if (minutes >= MinutesPerDay) {
            MsgBox(QStringLiteral("24時間(1440分)以上は設定できません"), vbCritical);
        } else if (minutes < 1) {
            MsgBox(QStringLiteral("1分以上の時間を指定してください"), vbCritical);
            settings.SaveInterval = 30 / MinutesPerDay;
        } else {
            settings.SaveInterval = minutes / MinutesPerDay;
            return;
        }
    }
}

}  // namespace kz
