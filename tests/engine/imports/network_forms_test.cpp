#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "imports/network_forms.h"
#include "runtime/cp932.h"
#include "support/network_survey.h"
#include "support/scripted_ui.h"

namespace kz::test {
namespace {

QString Lines(std::initializer_list<const char*> lines)
{
    QString text;
    for (const char* line : lines)
        text += QString::fromUtf8(line) + QStringLiteral("\r\n");
    return text;
}

const char* const Breaks = "<BR><BR><BR><BR><BR><BR><BR><BR><BR><BR>";

// Choosing 男 skips Q1 (only for 女): its choice jumps to Q2. Every text of
// the questionnaire reaches the page escaped.
const QString ExpectedHtml = Lines({
    "<html>",
    "<head>",
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=x-sjis\">",
    "<title>カフェ&lt;調査&gt;</title>",
    "</head> ",
    "<body>",
    "",
    "<!-- action=の部分でCGIファイルを指定する -->",
    "<FORM action=\"/scripts/getsmpl.cgi\" method=\"post\">",
    "<INPUT TYPE=\"hidden\"name=\"KZDSTNCTNNAME\" VALUE=\"cafe1\">",
    "<H2><CENTER>カフェ&lt;調査&gt;</H2></CENTER><BR>",
    "<H4><CENTER>A&amp;B</H4></CENTER><BR>",
    "<CENTER>特に指定の無い場合は各質問につき１つだけ回答してください</CENTER><BR>",
    "<CENTER>選んだら「次へ進む」をクリックして次の質問に進んでください</CENTER><BR>",
    "<CENTER>選んだ選択肢に「別へ進む」がある時は、これをクリックして進んでください</CENTER><BR>",
    "<CENTER><H2><A HREF=\"#Q0\">アンケートを始める</A></H2></CENTER><BR>",
    Breaks,
    Breaks,
    Breaks,
    Breaks,
    "<A NAME=\"Q0\"></A>",
    "<HR>",
    "性別<BR>",
    "<H3>",
    " あなたは？<BR>",
    "<U>",
    " <BR>",
    "</H3></U>",
    "<BLOCKQUOTE>",
    "<INPUT type=\"radio\" name=\"KZANSQ0\" value=\"KZCHQ0C1\">男    <A HREF=\"#Q2\">別へ進む</A><BR>",
    "<BR>",
    "<INPUT type=\"radio\" name=\"KZANSQ0\" value=\"KZCHQ0C2\">女<BR>",
    "<INPUT type=\"radio\" name=\"KZANSQ0\" value=\"KZCHQ0C3\">その他<INPUT type=\"text\" name=\"KZESQ0C3\" "
    "size=\"30\">"
    "    <A HREF=\"#Q2\">別へ進む</A><BR>",
    "<BR>",
    "</BLOCKQUOTE>",
    "<H2><A HREF=\"#Q1\">次に進む</A></H2><BR>",
    "<A NAME=\"Q1\"></A>",
    "<HR>",
    "飲み物<BR>",
    "<H3>",
    " 好きな飲み物<BR>",
    "<U>",
    " ［2つまで］<BR>",
    "</H3></U>",
    "<BLOCKQUOTE>",
    "<INPUT type=\"checkbox\" name=\"KZANSQ1\" value=\"KZCHQ1C1\">珈琲<BR>",
    "<INPUT type=\"checkbox\" name=\"KZANSQ1\" value=\"KZCHQ1C2\">紅茶<BR>",
    "<INPUT type=\"checkbox\" name=\"KZANSQ1\" value=\"KZCHQ1C3\">その他<INPUT type=\"text\" name=\"KZESQ1C3\" "
    "size=\"30\"><BR>",
    "</BLOCKQUOTE>",
    "<H2><A HREF=\"#Q2\">次に進む</A></H2><BR>",
    "<A NAME=\"Q2\"></A>",
    "<HR>",
    "名前<BR>",
    "<H3>",
    " お名前を<BR>",
    "<U>",
    " ［2つまで］<BR>",
    "</H3></U>",
    "<BLOCKQUOTE>",
    "自由記述<INPUT type=\"text\" name=\"KZESQ2C1\" size=\"30\"><INPUT type=\"text\" name=\"KZESQ2C1\" "
    "size=\"30\"><BR>",
    "</BLOCKQUOTE>",
    "<H2><A HREF=\"#Q3\">次に進む</A></H2><BR>",
    Breaks,
    Breaks,
    Breaks,
    Breaks,
    "<A NAME=\"Q3\"></A>",
    "<HR>",
    "<CENTER><H3>ご協力ありがとうございました。</CENTER>",
    "<CENTER>最後に「送る」ボタンを押して、回答を送信してください。</H3></CENTER>",
    "<CENTER><INPUT type=\"submit\" value=\"　送る　\"></CENTER>",
    "</form>",
    "</body>",
    "</html>",
});

const QString ExpectedMail = Lines({
    "カフェ<調査>",
    "A&B",
    "",
    "< cut from here > から < cut to here >までを返送してください",
    "回答する選択肢の前の( )に * を入れてください  例 #Q1C1(*) 男",
    "記述回答は選択肢の後の( )に記入してください  例 #EQ1C1記述(どらやき)",
    "",
    "--- < cut from here > ---",
    "KZEMAIL#KZDSTNCTNNAME(cafe1)",
    "",
    "性別 あなたは？",
    " ",
    "#Q0C1( ) 男 [名前へ進む]",
    "#Q0C2( ) 女",
    "#Q0C3( ) その他 #EQ0C3( )",
    " [名前へ進む]",
    "",
    "飲み物 好きな飲み物",
    " ［2つまで］",
    "#Q1C1( ) 珈琲",
    "#Q1C2( ) 紅茶",
    "#Q1C3( ) その他 #EQ1C3( )",
    "",
    "",
    "名前 お名前を",
    " ［2つまで］",
    "自由記述 #EQ2C1( )",
    " #EQ2C1( )",
    "",
    "",
    "--- < cut to here > ---",
});

class NetworkForms : public SurveyFixture {
protected:
    void SetUp() override { BuildNetworkSurvey(*this); }
    NetworkFormOptions options{QStringLiteral("cafe1"), false};
};

TEST_F(NetworkForms, HtmlFollowsTheConditionsAndEscapesEveryText)
{
    EXPECT_EQ(QuestionnaireHTML(survey, options), ExpectedHtml);
}

TEST_F(NetworkForms, MailTextFollowsTheConditions)
{
    EXPECT_EQ(QuestionnaireMailText(survey, options), ExpectedMail);
}

TEST_F(NetworkForms, EssayFullOffersAFieldPerAnswerAllowed)
{
    options.essayFull = true;
    const QString field = QStringLiteral("<INPUT type=\"text\" name=\"KZESQ1C3\" size=\"30\">");
    QString html = ExpectedHtml;
    html.replace(field, field + field);
    EXPECT_EQ(QuestionnaireHTML(survey, options), html);
    QString mail = ExpectedMail;
    mail.replace(QStringLiteral("その他 #EQ1C3( )\r\n"), QStringLiteral("その他 #EQ1C3( )\r\n #EQ1C3( )\r\n"));
    EXPECT_EQ(QuestionnaireMailText(survey, options), mail);
}

TEST_F(NetworkForms, WithoutConditionsEveryQuestionGoesOnToTheNext)
{
    survey.QuestionLimit[1] = MakeCondition(0, {});
    const QString html = QuestionnaireHTML(survey, options);
    EXPECT_FALSE(html.contains(QStringLiteral(">別へ進む</A>")));
    EXPECT_EQ(html.count(QStringLiteral("次に進む")), 3);
    EXPECT_FALSE(QuestionnaireMailText(survey, options).contains(QStringLiteral("へ進む]")));
}

TEST_F(NetworkForms, AQuestionWhoseEveryChoiceJumpsHasNoNextLink)
{
    // Q1 now applies to nobody: every choice of Q0 jumps past it.
    survey.QuestionLimit[1] = MakeCondition(0, {Row(KindRequired, 0, 2), Row(KindExclude, 0, 2)});
    const QString html = QuestionnaireHTML(survey, options);
    EXPECT_FALSE(html.contains(QStringLiteral("<A HREF=\"#Q1\">次に進む</A>")));
    EXPECT_EQ(html.count(QStringLiteral("<A HREF=\"#Q2\">別へ進む</A>")), 3);
}

TEST_F(NetworkForms, AJumpPastTheLastQuestionGoesToTheEnd)
{
    survey.QuestionLimit[2] = MakeCondition(0, {Row(KindRequired, 0, 2)});
    const QString mail = QuestionnaireMailText(survey, options);
    EXPECT_TRUE(mail.contains(QStringLiteral("#Q0C1( ) 男 [アンケート終わり]\r\n")));
    EXPECT_TRUE(
        QuestionnaireHTML(survey, options).contains(QStringLiteral("男    <A HREF=\"#Q3\">別へ進む</A><BR>")));
}

TEST(DistName, OnlyHalfWidthLettersAndDigits)
{
    for (const char* good : {"a", "Cafe2026", "0"})
        EXPECT_TRUE(IsValidDistName(QString::fromUtf8(good))) << good;
    for (const char* bad : {"", "cafe 1", "cafe-1", "\"><script>", "ｃａｆｅ", "カフェ", "a&b"})
        EXPECT_FALSE(IsValidDistName(QString::fromUtf8(bad))) << bad;
}

TEST_F(NetworkForms, WritersStoreShiftJisAndReportFailures)
{
    ScriptedUi ui;
    QTemporaryDir dir;
    const QString html = dir.filePath(QStringLiteral("form.html"));
    ASSERT_TRUE(WriteQuestionnaireHTML(survey, html, options));
    QFile file(html);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), ToCp932(ExpectedHtml));
    EXPECT_EQ(ui.beeps(), 1);

    const QString missing = dir.filePath(QStringLiteral("no/such/folder/form.txt"));
    ui.expectBox(vbOK);
    EXPECT_FALSE(WriteQuestionnaireMailText(survey, missing, options));
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("form.html")});
}

}  // namespace
}  // namespace kz::test
