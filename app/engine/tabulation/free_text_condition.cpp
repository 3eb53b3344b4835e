#include "tabulation/free_text_condition.h"

#include <utility>

#include "document/cmd_box.h"
#include "runtime/number_format.h"
#include "runtime/val.h"

namespace kz {

namespace {

const QString Lowest = QStringLiteral("最小値は");
const QString Highest = QStringLiteral("最大値は");
const QString From = QStringLiteral("～");

void AskText(FreeTextCondition& values)
{
    QString text = values.text;
    if (InputBoxEx(QStringLiteral("記述の条件"), QStringLiteral("記述="), QString(),
                   QStringLiteral("条件を指定しないことも出来ます"), text))
        values.text = text;
}

// The box of one bound; each bound is asked in its own, the lowest first.
bool AskBound(const QString& title, const QString& name, const QString& range, QString& text)
{
    return InputBoxEx(title, name, range, QString(), text);
}

void AskQuantities(FreeTextCondition& values)
{
    const QString title = QStringLiteral("数量の条件");
    QString text = Format(values.lower);
    if (AskBound(title, Lowest, QString(), text))
        values.lower = Val(text);
    text = Format(values.upper);
    if (AskBound(title, Highest, Format(values.lower) + From, text))
        values.upper = Val(text);
    if (values.upper < values.lower)
        std::swap(values.lower, values.upper);
}

void AskCodes(FreeTextCondition& values)
{
    const QString title = QStringLiteral("ｺｰﾄﾞの条件");
    QString text = values.first;
    if (AskBound(title, Lowest, QString(), text))
        values.first = text;
    text = values.last;
    if (AskBound(title, Highest, values.first + From, text))
        values.last = text;
    if (values.last < values.first)
        std::swap(values.first, values.last);
}

}  // namespace

void AskFreeTextCondition(FreeTextCondition& values, Integer criterion)
{
    switch (criterion) {
    case TextContains:
        AskText(values);
        break;
    case QuantityBetween:
        AskQuantities(values);
        break;
    case CodeBetween:
        AskCodes(values);
        break;
    default:
        break;
    }
}

QString FreeTextConditionText(const FreeTextCondition& values, Integer criterion)
{
    switch (criterion) {
    case TextContains:
        return values.text;
    case QuantityBetween:
        return Format(values.lower) + QStringLiteral(" ～ ") + Format(values.upper);
    case CodeBetween:
        return values.first + QStringLiteral(" ～ ") + values.last;
    default:
        return {};
    }
}

namespace {

// The fields of `criterion` copied one way or the other.
void TransferFreeTextCondition(TotalOptionRec& request, FreeTextCondition& values, Integer criterion,
                               bool intoRequest)
{
    const auto transfer = [intoRequest](auto& field, auto& value) {
        if (intoRequest)
            field = value;
        else
            value = field;
    };
    switch (criterion) {
    case TextContains:
        transfer(request.EssayText, values.text);
        break;
    case QuantityBetween:
        transfer(request.QtyMin, values.lower);
        transfer(request.QtyMax, values.upper);
        break;
    case CodeBetween:
        transfer(request.CodeFrom, values.first);
        transfer(request.CodeTo, values.last);
        break;
    default:
        break;
    }
}

}  // namespace

void StoreFreeTextCondition(TotalOptionRec& request, const FreeTextCondition& values, Integer criterion)
{
    FreeTextCondition from = values;
    TransferFreeTextCondition(request, from, criterion, true);
}

void LoadFreeTextCondition(FreeTextCondition& values, const TotalOptionRec& request, Integer criterion)
{
    TotalOptionRec from = request;
    TransferFreeTextCondition(from, values, criterion, false);
}

}  // namespace kz
