#include <gtest/gtest.h>

#include <functional>

#include "model/total_option.h"
#include "tabulation/sheet_fixture.h"

namespace kz {
namespace {

using namespace test;

const QString Lead = QStringLiteral("集計の指定に誤りがあるため、集計できません。\r\n");

// A condition of `n` copies of `row` after the head mask.
Condition RowsOf(Integer headMask, int n, LimitItem row)
{
    Condition cond{};
    cond[0].Code = headMask;
    for (int i = 1; i <= n; ++i)
        cond[static_cast<size_t>(i)] = row;
    return cond;
}

TEST_F(CafeSheetTest, RequestsAreCheckedAgainstTheQuestionnaire)
{
    struct Case {
        const char* what;
        std::function<void(TotalOptionRec&)> change;
        const char* refusal;  // "" when the request can run
    };
    const Case cases[] = {
        {"a coded request over every question", [](TotalOptionRec& o) { o.ToQno = Satisfaction; }, ""},
        {"rank up to the most answers of the range",
         [](TotalOptionRec& o) {
             o.ToQno = Orders;
             o.Rank = 3;
         },
         ""},
        {"128 columns", [](TotalOptionRec& o) { o.LimitCount = 128; }, ""},
        {"a condition of 14 rows", [](TotalOptionRec& o) { o.Limits[1] = RowsOf(3, 14, Row(Required, Orders, 4)); },
         ""},
        {"kind", [](TotalOptionRec& o) { o.Kind = 3; }, "集計の種類(3)が正しくありません。"},
        {"first question", [](TotalOptionRec& o) { o.Qno = o.ToQno = 3; }, "質問Q4はアンケートにありません。"},
        {"range backwards",
         [](TotalOptionRec& o) {
             o.Qno = Orders;
             o.ToQno = Gender;
         },
         "集計する質問の範囲(Q2からQ1まで)が正しくありません。"},
        {"range past the last question", [](TotalOptionRec& o) { o.ToQno = 3; },
         "集計する質問の範囲(Q1からQ4まで)が正しくありません。"},
        {"rank above the most answers", [](TotalOptionRec& o) { o.Rank = 2; }, "順位(2)は0から1までです。"},
        {"negative rank", [](TotalOptionRec& o) { o.Rank = -1; }, "順位(-1)は0から1までです。"},
        {"no column", [](TotalOptionRec& o) { o.LimitCount = 0; }, "個別の限定の数(0)は1から128までです。"},
        {"129 columns", [](TotalOptionRec& o) { o.LimitCount = 129; }, "個別の限定の数(129)は1から128までです。"},
        {"cross mode", [](TotalOptionRec& o) { o.CrossMode = 3; }, "クロス集計の方法(3)が正しくありません。"},
        {"cross question", [](TotalOptionRec& o) { o.XQno = 3; }, "クロス集計の質問Q4はアンケートにありません。"},
        {"cross question unused by stored limits",
         [](TotalOptionRec& o) {
             o.CrossMode = 1;
             o.XQno = 99;
         },
         ""},
        {"a row on a missing choice",
         [](TotalOptionRec& o) { o.Limits[1] = MakeCondition(0, {Row(Required, Gender, 3)}); },
         "「個別の限定1」の1行目が、アンケートにない選択肢を指しています。"},
        {"a row on a missing question",
         [](TotalOptionRec& o) {
             o.Limits[0] = MakeCondition(0, {Row(Required, Gender, 1), Row(Required, 5, 1)});
         },
         "「全体の限定」の2行目が、アンケートにない選択肢を指しています。"},
        {"a condition without its end entry",
         [](TotalOptionRec& o) { o.Limits[1] = RowsOf(0, 15, Row(Required, Gender, 1)); },
         "「個別の限定1」が14行を超えています。"},
        {"columns past LimitCount are not read",
         [](TotalOptionRec& o) { o.Limits[2] = MakeCondition(0, {Row(Required, 9, 9)}); }, ""},
        {"a free-text listing",
         [](TotalOptionRec& o) {
             o.Kind = TotalFreeTexts;
             o.Qno = Orders;
             o.XQno = 5;  // any choice but no answer
             o.CrossMode = -1;
         },
         ""},
        {"a free-text listing of two columns",
         [](TotalOptionRec& o) {
             o.Kind = TotalFreeTexts;
             o.LimitCount = 2;
         },
         "記述の一覧の個別の限定の数(2)は1です。"},
        {"a free-text listing of a missing choice",
         [](TotalOptionRec& o) {
             o.Kind = TotalFreeTexts;
             o.XQno = 4;
         },
         "一覧にする選択肢(4)が正しくありません。"},
        {"a free-text condition",
         [](TotalOptionRec& o) {
             o.Kind = TotalFreeTexts;
             o.CrossMode = 6;
         },
         "記述の条件(6)が正しくありません。"},
    };
    for (const Case& c : cases) {
        TotalOptionRec option;
        c.change(option);
        const QString refusal = QString::fromUtf8(c.refusal);
        EXPECT_EQ(TotalOptionRefusal(option, survey), refusal.isEmpty() ? QString() : Lead + refusal) << c.what;
    }
}

}  // namespace
}  // namespace kz
