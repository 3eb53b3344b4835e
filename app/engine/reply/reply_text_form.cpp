#include "reply/reply_text_form.h"

#include "model/question_codes.h"

namespace kz {

namespace {

QString LineBreaksToBlanks(QString s)
{
    s.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    s.replace(QLatin1Char('\r'), QLatin1Char(' '));
    s.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return s;
}

}  // namespace

ReplyFreeTextForm ReplyFreeText(const QString& text)
{
    ReplyFreeTextForm form{QStringLiteral("/"), LineBreaksToBlanks(text), QStringLiteral("/")};
    // After "/" a "*" opens the "/*" form, so a text beginning with "*" needs it too.
    if (form.text.contains(QLatin1Char('/')) || form.text.startsWith(QLatin1Char('*'))) {
        form.open = QStringLiteral("/*");
        form.close = QStringLiteral("*/");
        form.text.replace(QStringLiteral("*/"), QStringLiteral("* /"));
    }
    return form;
}

QString ReplyFreeTextNotation(const QString& text)
{
    const ReplyFreeTextForm form = ReplyFreeText(text);
    return form.open + form.text + form.close;
}

QString ReplyQuestionName(const QString& name)
{
    QString s = LineBreaksToBlanks(name);
    s.replace(QLatin1Char('['), QStringLiteral("［"));
    s.replace(QLatin1Char(']'), QStringLiteral("］"));
    return s;
}

QString ReplyChoiceSymbol(const Survey& questionnaire, Integer q, Integer c)
{
    const QString code = ChoiceCodeText(questionnaire, q, c);
    if (code.size() == 1 && ChoiceNumberFromCode(questionnaire, q, code) == c)
        return code;
    return QLatin1Char('.') + QString::number(c) + QLatin1Char('.');
}

}  // namespace kz
