#include "demo_survey.h"

#include <QFile>
#include <QVector>

#include <algorithm>
#include <random>
#include <vector>

#include "document/document_routines.h"
#include "files/data_file_save.h"
#include "host/settings.h"
#include "model/answer_store.h"
#include "model/condition_arrays.h"
#include "model/document.h"
#include "model/limit_depths.h"
#include "model/question_codes.h"
#include "model/sample_table.h"
#include "model/survey.h"
#include "reply/paragraph_table.h"
#include "texts/choice_texts.h"

namespace kz::demo {
namespace {

constexpr Integer Essay = 1 << AttrEssay;
constexpr Integer Quantity = 1 << AttrQuantity;
constexpr Integer Exclusive = 1 << AttrExclusive;
constexpr Integer Other = 1 << AttrOther;

struct DemoChoice {
    QString block;  // as SetChoiceText takes it
    Integer attr = 0;
};

struct DemoQuestion {
    QString label;
    QString sentence;
    Integer maxAnswers = 1;
    std::vector<DemoChoice> choices;  // from choice 1
};

// The questions, in order; the answers below refer to them by number.
enum Question : Integer { QGender, QAge, QVisits, QOrders, QSpend, QSatisfaction, QComplaints, QComments };

// Choices the answers and conditions name.
constexpr Integer OrdersOther = 5;
constexpr Integer OrdersNothing = 6;
constexpr Integer ComplaintsOther = 5;

std::vector<DemoQuestion> Questions()
{
    return {
        {QStringLiteral("性別"),
         QStringLiteral("あなたの性別をお答えください。"),
         1,
         {{QStringLiteral("男性")}, {QStringLiteral("女性")}, {QStringLiteral("答えたくない")}}},
        {QStringLiteral("年代"),
         QStringLiteral("あなたの年代をお答えください。"),
         1,
         {{QStringLiteral("10代")},
          {QStringLiteral("20代")},
          {QStringLiteral("30代")},
          {QStringLiteral("40代")},
          {QStringLiteral("50代")},
          {QStringLiteral("60代以上")}}},
        {QStringLiteral("来店頻度"),
         QStringLiteral("当店にはどのくらいの頻度でいらっしゃいますか。"),
         1,
         {{QStringLiteral("ほぼ毎日")},
          {QStringLiteral("週に数回")},
          {QStringLiteral("月に数回")},
          {QStringLiteral("今日が初めて")}}},
        {QStringLiteral("注文"),
         QStringLiteral("よく注文するものを３つまでお選びください。"),
         3,
         {{QStringLiteral("コーヒー")},
          {QStringLiteral("紅茶")},
          {QStringLiteral("ケーキ")},
          {QStringLiteral("サンドイッチ")},
          {QStringLiteral("その他"), Essay | Other},
          {QStringLiteral("特に決まっていない"), Exclusive}}},
        {QStringLiteral("利用金額"),
         QStringLiteral("１回のご利用でおよそいくら使いますか。"),
         1,
         {{QStringLiteral("金額（円）\r100\r5000"), Essay | Quantity}}},
        {QStringLiteral("満足度"),
         QStringLiteral("当店に満足していますか。"),
         1,
         {{QStringLiteral("満足")},
          {QStringLiteral("やや満足")},
          {QStringLiteral("どちらともいえない")},
          {QStringLiteral("やや不満")},
          {QStringLiteral("不満")}}},
        {QStringLiteral("不満な点"),
         QStringLiteral("不満な点を２つまでお選びください。"),
         2,
         {{QStringLiteral("待ち時間")},
          {QStringLiteral("価格")},
          {QStringLiteral("味")},
          {QStringLiteral("接客")},
          {QStringLiteral("その他"), Essay | Other}}},
        {QStringLiteral("ご意見"),
         QStringLiteral("当店へのご意見・ご要望をご自由にお書きください。"),
         1,
         {{QStringLiteral("記入あり"), Essay}}},
    };
}

const QStringList OtherOrders{QStringLiteral("抹茶ラテ"), QStringLiteral("季節のパフェ"),
                              QStringLiteral("ホットサンドのセット"), QStringLiteral("オレンジジュース")};
const QStringList OtherComplaints{QStringLiteral("席が少ない"), QStringLiteral("店内が寒い"),
                                  QStringLiteral("駐車場がない")};
const QStringList Comments{
    QStringLiteral("朝早くから開いていて助かります。"),
    QStringLiteral("席の間隔がもう少し広いと嬉しいです。"),
    QStringLiteral("季節限定のケーキを毎回楽しみにしています。"),
    QStringLiteral("電源のある席を増やしてほしいです。"),
    QStringLiteral("店員さんの対応がいつも丁寧です。"),
    QStringLiteral("お昼の時間帯は少し混み合います。"),
    QStringLiteral("ポイントカードがあると通いやすいです。"),
};

constexpr int SampleTotal = 36;
constexpr Long FirstID = 1001;
constexpr std::mt19937::result_type Seed = 20240601;

// Draws from the fixed sequence of the standard engine, so every platform
// builds the same samples (the standard distributions may differ).
class Draw {
public:
    // 0 .. n - 1.
    int below(int n) { return static_cast<int>(engine_() % static_cast<unsigned>(n)); }
    // An index into weights, chosen in proportion to them.
    int weighted(std::initializer_list<int> weights)
    {
        int total = 0;
        for (int w : weights)
            total += w;
        int r = below(total);
        int i = 0;
        for (int w : weights) {
            if (r < w)
                return i;
            r -= w;
            ++i;
        }
        return i - 1;
    }
    bool chance(int percent) { return below(100) < percent; }
    const QString& pick(const QStringList& list) { return list[below(static_cast<int>(list.size()))]; }

private:
    std::mt19937 engine_{Seed};
};

// One sample's answers, question by question, as the flat arrays take them.
class Reply {
public:
    void add(QVector<Integer> codes, QVector<QString> texts = {})
    {
        if (codes.isEmpty())
            codes = {0};
        counts_.push_back(static_cast<Integer>(codes.size()));
        texts.resize(codes.size());
        codes_ += codes;
        texts_ += texts;
    }
    void store(Workspace& ws, Long pos) const { WriteSampleAnswers(ws, pos, counts_, codes_, texts_); }

private:
    QVector<Integer> counts_;
    QVector<Integer> codes_;
    QVector<QString> texts_;
};

// One to `most` distinct choices from 1 on, each drawn by its weight (the
// first weight is choice 1's), in ascending order.
QVector<Integer> DistinctChoices(Draw& draw, std::initializer_list<int> weights, int most)
{
    const int wanted = 1 + draw.below(most);
    std::vector<bool> taken(weights.size() + 1, false);
    for (int n = 0; n < wanted; ++n)
        taken[static_cast<size_t>(1 + draw.weighted(weights))] = true;
    QVector<Integer> codes;
    for (size_t c = 1; c < taken.size(); ++c)
        if (taken[c])
            codes.push_back(static_cast<Integer>(c));
    return codes;
}

// The free text of each answer that is the question's "other" choice.
QVector<QString> OtherTexts(Draw& draw, const QVector<Integer>& codes, Integer other, const QStringList& texts)
{
    QVector<QString> result;
    for (Integer code : codes)
        result.push_back(code == other ? draw.pick(texts) : QString());
    return result;
}

void AnswerOneSample(Workspace& ws, Draw& draw, Long pos)
{
    Reply reply;
    reply.add({static_cast<Integer>(1 + draw.weighted({45, 50, 5}))});
    reply.add({static_cast<Integer>(1 + draw.weighted({4, 25, 25, 20, 16, 10}))});
    const Integer visits = static_cast<Integer>(1 + draw.weighted({15, 35, 35, 15}));
    reply.add({visits});

    QVector<Integer> orders =
        draw.chance(10) ? QVector<Integer>{OrdersNothing} : DistinctChoices(draw, {40, 20, 20, 12, 14}, 3);
    reply.add(orders, OtherTexts(draw, orders, OrdersOther, OtherOrders));

    if (draw.chance(90))
        reply.add({1}, {QString::number(300 + 50 * draw.below(25))});
    else
        reply.add({});

    // Regulars are a little happier than first-time guests.
    const Integer satisfaction = static_cast<Integer>(
        1 + (visits <= 2 ? draw.weighted({40, 35, 15, 7, 3}) : draw.weighted({15, 25, 25, 20, 15})));
    reply.add({satisfaction});

    // Only the dissatisfied are asked what they dislike.
    if (satisfaction >= 4) {
        const QVector<Integer> complaints = DistinctChoices(draw, {30, 25, 10, 15, 20}, 2);
        reply.add(complaints, OtherTexts(draw, complaints, ComplaintsOther, OtherComplaints));
    } else {
        reply.add({});
    }

    if (draw.chance(40))
        reply.add({1}, {draw.pick(Comments)});
    else
        reply.add({});
    reply.store(ws, pos);
}

void BuildQuestions(Survey& survey)
{
    const std::vector<DemoQuestion> questions = Questions();
    survey.QuestionCount = static_cast<Integer>(questions.size());
    for (Integer q = 0; q < survey.QuestionCount; ++q) {
        const DemoQuestion& dq = questions[static_cast<size_t>(q)];
        QuestionRec& rec = survey.Questions[q];
        // Label, sentence and an empty limit description (the texts then
        // describe the limit themselves), each ended by CR.
        rec.Text = (dq.label + u'\r' + dq.sentence + u'\r' + u'\r').leftJustified(128, u' ');
        rec.MaxAnswers = dq.maxAnswers;
        rec.CodeStyle = CodeStyleNumbers;
        rec.ChoiceCount = static_cast<Integer>(dq.choices.size() + 1);
        SetChoiceText(survey, q, 0, QStringLiteral("無回答"));
        survey.Choices(q, 0).Attr = Exclusive;
        for (Integer c = 1; c < rec.ChoiceCount; ++c) {
            SetChoiceText(survey, q, c, dq.choices[static_cast<size_t>(c - 1)].block);
            survey.Choices(q, c).Attr = dq.choices[static_cast<size_t>(c - 1)].attr;
        }
        Integer pos = 0;
        ClearCondition(survey.QuestionLimit[q], pos);
    }
}

void BuildConditions(Survey& survey)
{
    // Stored limit 0, the regulars: almost every day or several times a week.
    Condition regulars{};
    Integer pos = 0;
    ClearCondition(regulars, pos);
    regulars[1] = {KindRequired, MakeQC(QVisits, 1)};
    regulars[2] = {KindOr, MakeQC(QVisits, 2)};
    StoreCondition(regulars, survey.LimitTable, 0);

    // The complaints are asked of those "やや不満" to "不満".
    Condition unhappy{};
    ClearCondition(unhappy, pos);
    unhappy[1] = {KindRequired, MakeQC(QSatisfaction, 4)};
    unhappy[2] = {KindRangeEnd, MakeQC(QSatisfaction, 5)};
    StoreCondition(unhappy, survey.QuestionLimit, QComplaints);
    LimitDepths(survey);
}

}  // namespace

void BuildDemoSurvey(Workspace& ws, const Settings& computer)
{
    ws = Workspace{};
    InitBitMasks();
    Survey& survey = ws.survey;
    NewQuestionnaire(survey);
    survey.Title = QStringLiteral("カフェ利用アンケート（デモ）");
    survey.Author = QStringLiteral("Kelvorzun デモ");
    BuildQuestions(survey);
    BuildConditions(survey);
    OneLinePerQuestion(survey, survey.QuestionCount);
    ComputeAnswerLayout(survey);

    Draw draw;
    for (int i = 0; i < SampleTotal; ++i)
        AnswerOneSample(ws, draw, AppendSampleRec(ws, FirstID + i));
    ResetIDCursor(ws.samples, computer);
}

bool WriteDemoSurvey(const QString& fileName)
{
    Workspace ws;
    Settings computer;
    BuildDemoSurvey(ws, computer);
    const QString backup = BackupFileName(fileName);
    const bool hadBackup = QFile::exists(backup);
    if (!SaveDataFile(ws, computer, fileName))
        return false;
    if (!hadBackup)
        QFile::remove(backup);
    return true;
}

}  // namespace kz::demo
