#include "imports/network_forms.h"

#include <QStringList>

#include <algorithm>
#include <vector>

#include "files/text_file_write.h"
#include "host/ui_seam.h"
#include "imports/form_jumps.h"
#include "model/survey.h"
#include "texts/choice_texts.h"
#include "texts/question_texts.h"

namespace kz {

namespace {

const QString CrLf = QStringLiteral("\r\n");
const QString TenBreaks = QStringLiteral("<BR><BR><BR><BR><BR><BR><BR><BR><BR><BR>");

QString Quoted(const QString& value) { return u'"' + value + u'"'; }

// Texts of the questionnaire go into the page as text, never as markup.
QString Html(const QString& text) { return text.toHtmlEscaped(); }

// How many text fields a free-text choice of question q offers: a question
// with a single real choice offers one per answer allowed.
int EssayFieldCount(const Survey& questionnaire, Integer q, const NetworkFormOptions& options)
{
    const QuestionRec& question = questionnaire.Questions[q];
    return question.ChoiceCount == 2 || options.essayFull ? std::max<int>(question.MaxAnswers, 1) : 1;
}

bool HasEssay(const Survey& questionnaire, Integer q, Integer c)
{
    return ChoiceHasAttr(questionnaire, q, c, AttrEssay) != 0;
}

QString ChoiceText(const Survey& questionnaire, Integer q, Integer c)
{
    return ChoiceLabel(questionnaire, q, c, false, false);
}

// " " and "［n つまで］" when more than one answer is allowed.
QString AnswerCountText(const Survey& questionnaire, Integer q)
{
    return u' ' + QuestionHeading(questionnaire, q, HeadingMax);
}

QString Number(Integer n) { return QString::number(n); }

void HtmlQuestion(const Survey& questionnaire, QStringList& lines, Integer q, const std::vector<Integer>& next,
                  const NetworkFormOptions& options)
{
    const QuestionRec& question = questionnaire.Questions[q];
    const QString qs = Number(q);
    lines << QStringLiteral("<A NAME=") + Quoted(u'Q' + qs) + QStringLiteral("></A>") << QStringLiteral("<HR>")
          << Html(QuestionHeading(questionnaire, q, HeadingLabel)) + QStringLiteral("<BR>") << QStringLiteral("<H3>")
          << Html(u' ' + QuestionHeading(questionnaire, q, HeadingText)) + QStringLiteral("<BR>")
          << QStringLiteral("<U>") << Html(AnswerCountText(questionnaire, q)) + QStringLiteral("<BR>")
          << QStringLiteral("</H3></U>") << QStringLiteral("<BLOCKQUOTE>");
    const QString selector = question.MaxAnswers > 1 ? QStringLiteral("checkbox") : QStringLiteral("radio");
    bool everyChoiceJumps = true;
    for (Integer c = 1; c < question.ChoiceCount; ++c) {
        const QString cs = Number(c);
        QString line;
        if (question.ChoiceCount > 2)
            line += QStringLiteral("<INPUT type=") + Quoted(selector) + QStringLiteral(" name=")
                    + Quoted(QStringLiteral("KZANSQ") + qs) + QStringLiteral(" value=")
                    + Quoted(QStringLiteral("KZCHQ") + qs + u'C' + cs) + u'>';
        line += Html(ChoiceText(questionnaire, q, c));
        if (HasEssay(questionnaire, q, c)) {
            const QString field = QStringLiteral("<INPUT type=") + Quoted(QStringLiteral("text"))
                                  + QStringLiteral(" name=") + Quoted(QStringLiteral("KZESQ") + qs + u'C' + cs)
                                  + QStringLiteral(" size=") + Quoted(QStringLiteral("30")) + u'>';
            line += field.repeated(EssayFieldCount(questionnaire, q, options));
        }
        const Integer target = next[size_t(c)];
        if (target > q + 1) {
            lines << line + QStringLiteral("    <A HREF=") + Quoted(QStringLiteral("#Q") + Number(target))
                         + QStringLiteral(">別へ進む</A><BR>")
                  << QStringLiteral("<BR>");
        } else {
            everyChoiceJumps = false;
            lines << line + QStringLiteral("<BR>");
        }
    }
    lines << QStringLiteral("</BLOCKQUOTE>");
    if (!everyChoiceJumps)
        lines << QStringLiteral("<H2><A HREF=") + Quoted(QStringLiteral("#Q") + Number(q + 1))
                     + QStringLiteral(">次に進む</A></H2><BR>");
}

void MailQuestion(const Survey& questionnaire, QStringList& lines, Integer q, const std::vector<Integer>& next,
                  const NetworkFormOptions& options)
{
    const QuestionRec& question = questionnaire.Questions[q];
    const QString qs = Number(q);
    lines << QuestionHeading(questionnaire, q, HeadingLabel | HeadingText) << AnswerCountText(questionnaire, q);
    for (Integer c = 1; c < question.ChoiceCount; ++c) {
        const QString cs = Number(c);
        QString line;
        if (question.ChoiceCount > 2)
            line += QStringLiteral("#Q") + qs + u'C' + cs + QStringLiteral("( ) ");
        line += ChoiceText(questionnaire, q, c);
        if (HasEssay(questionnaire, q, c)) {
            // Each free-text item ends its line.
            for (int i = EssayFieldCount(questionnaire, q, options); i > 0; --i) {
                lines << line + QStringLiteral(" #EQ") + qs + u'C' + cs + QStringLiteral("( )");
                line.clear();
            }
        }
        const Integer target = next[size_t(c)];
        if (target == questionnaire.QuestionCount && target > q + 1)
            line += QStringLiteral(" [アンケート終わり]");
        else if (target > q + 1)
            line += QStringLiteral(" [") + QuestionLabel(questionnaire, target) + QStringLiteral("へ進む]");
        lines << line;
    }
    lines << QString();
}

QString Joined(const QStringList& lines) { return lines.join(CrLf) + CrLf; }

bool WriteForm(const QString& fileName, const QString& text)
{
    if (!WriteTextFile(fileName, text))
        return false;
    Beep();
    return true;
}

}  // namespace

bool IsValidDistName(const QString& name)
{
    return !name.isEmpty() && std::all_of(name.begin(), name.end(), [](QChar ch) {
        return (ch >= u'A' && ch <= u'Z') || (ch >= u'a' && ch <= u'z') || (ch >= u'0' && ch <= u'9');
    });
}

QString QuestionnaireHTML(const Survey& questionnaire, const NetworkFormOptions& options)
{
    const std::vector<std::vector<Integer>> next = FollowConditions(questionnaire);
    const QString title = Html(questionnaire.Title);
    QStringList lines;
    lines << QStringLiteral("<html>") << QStringLiteral("<head>")
          << QStringLiteral("<meta http-equiv=") + Quoted(QStringLiteral("Content-Type"))
                 + QStringLiteral(" content=") + Quoted(QStringLiteral("text/html; charset=x-sjis")) + u'>'
          << QStringLiteral("<title>") + title + QStringLiteral("</title>") << QStringLiteral("</head> ")
          << QStringLiteral("<body>") << QString() << QStringLiteral("<!-- action=の部分でCGIファイルを指定する -->")
          << QStringLiteral("<FORM action=") + Quoted(QStringLiteral("/scripts/getsmpl.cgi"))
                 + QStringLiteral(" method=") + Quoted(QStringLiteral("post")) + u'>'
          << QStringLiteral("<INPUT TYPE=") + Quoted(QStringLiteral("hidden")) + QStringLiteral("name=")
                 + Quoted(QStringLiteral("KZDSTNCTNNAME")) + QStringLiteral(" VALUE=")
                 + Quoted(Html(options.distName)) + u'>'
          << QStringLiteral("<H2><CENTER>") + title + QStringLiteral("</H2></CENTER><BR>")
          << QStringLiteral("<H4><CENTER>") + Html(questionnaire.Author) + QStringLiteral("</H4></CENTER><BR>")
          << QStringLiteral("<CENTER>特に指定の無い場合は各質問につき１つだけ回答してください</CENTER><BR>")
          << QStringLiteral("<CENTER>選んだら「次へ進む」をクリックして次の質問に進んでください</CENTER><BR>")
          << QStringLiteral(
                 "<CENTER>選んだ選択肢に「別へ進む」がある時は、これをクリックして進んでください</CENTER><BR>")
          << QStringLiteral("<CENTER><H2><A HREF=") + Quoted(QStringLiteral("#Q0"))
                 + QStringLiteral(">アンケートを始める</A></H2></CENTER><BR>")
          << TenBreaks << TenBreaks << TenBreaks << TenBreaks;
    for (Integer q = 0; q < questionnaire.QuestionCount; ++q)
        HtmlQuestion(questionnaire, lines, q, next[size_t(q)], options);
    lines << TenBreaks << TenBreaks << TenBreaks << TenBreaks
          << QStringLiteral("<A NAME=") + Quoted(u'Q' + Number(questionnaire.QuestionCount)) + QStringLiteral("></A>")
          << QStringLiteral("<HR>") << QStringLiteral("<CENTER><H3>ご協力ありがとうございました。</CENTER>")
          << QStringLiteral("<CENTER>最後に「送る」ボタンを押して、回答を送信してください。</H3></CENTER>")
          << QStringLiteral("<CENTER><INPUT type=") + Quoted(QStringLiteral("submit")) + QStringLiteral(" value=")
                 + Quoted(QStringLiteral("　送る　")) + QStringLiteral("></CENTER>")
          << QStringLiteral("</form>") << QStringLiteral("</body>") << QStringLiteral("</html>");
    return Joined(lines);
}

QString QuestionnaireMailText(const Survey& questionnaire, const NetworkFormOptions& options)
{
    const std::vector<std::vector<Integer>> next = FollowConditions(questionnaire);
    QStringList lines;
    lines << questionnaire.Title << questionnaire.Author << QString()
          << QStringLiteral("< cut from here > から < cut to here >までを返送してください")
          << QStringLiteral("回答する選択肢の前の( )に * を入れてください  例 #Q1C1(*) 男")
          << QStringLiteral("記述回答は選択肢の後の( )に記入してください  例 #EQ1C1記述(どらやき)") << QString()
          << QStringLiteral("--- < cut from here > ---")
          << QStringLiteral("KZEMAIL#KZDSTNCTNNAME(") + options.distName + u')' << QString();
    for (Integer q = 0; q < questionnaire.QuestionCount; ++q)
        MailQuestion(questionnaire, lines, q, next[size_t(q)], options);
    lines << QStringLiteral("--- < cut to here > ---");
    return Joined(lines);
}

bool WriteQuestionnaireHTML(const Survey& questionnaire, const QString& fileName, const NetworkFormOptions& options)
{
    return WriteForm(fileName, QuestionnaireHTML(questionnaire, options));
}

bool WriteQuestionnaireMailText(const Survey& questionnaire, const QString& fileName,
                                const NetworkFormOptions& options)
{
    return WriteForm(fileName, QuestionnaireMailText(questionnaire, options));
}

}  // namespace kz
