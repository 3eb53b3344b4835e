#include "entry/entry_messages.h"

#include <cmath>
#include <limits>

namespace kz {

QString PositionRangeMessage(Long last)
{
    return QStringLiteral("番号は現在0から") + QString::number(last) + QStringLiteral("までです。");
}

QString IDRangeMessage()
{
    // The lower bound's sign is part of the fixed text.
    const qint64 lowest = std::numeric_limits<Long>::min();
    return QStringLiteral("探す番号は-") + QString::number(-lowest) + QStringLiteral("から")
           + QString::number(std::numeric_limits<Long>::max()) + QStringLiteral("です。");
}

QString IDInUseMessage(Long id)
{
    return QStringLiteral("ＩＤ") + QString::number(id)
           + QStringLiteral("は既に使われています。新しいサンプルは追加しません。");
}

QString NoSampleMessage()
{
    return QStringLiteral("回答を入れるサンプルが表示されていません。回答は保存されません。");
}

QString SaveReminderMessage(double interval)
{
    // The interval's hours and minutes as a time of day gives them.
    const qint64 seconds = std::llround(interval * 86400.0);
    const qint64 minutes = (seconds / 3600 % 24) * 60 + seconds / 60 % 60;
    return QStringLiteral("最後に保存した時刻から") + QString::number(minutes)
           + QStringLiteral("分経過しました。保存しますか？");
}

}  // namespace kz
