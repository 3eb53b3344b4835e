// A small café questionnaire for the count sheet tests, and a window
// stand-in that keeps the cells a run shows.
//   Q1 性別  one answer: 1 男性, 2 女性
//   Q2 注文  up to three: 1 コーヒー, 2 紅茶, 3 ケーキ, 4 その他
//   Q3 満足  one answer: 1 満足, 2 普通, 3 不満; asked only of 男性
// Samples 1..6 (ID = position + 1), "-" unanswered:
//   1: 男性 {コーヒー, 紅茶}        満足 不満
//   2: 女性 {紅茶}                  -
//   3: 男性 {コーヒー, 紅茶, ケーキ} 満足 満足
//   4: -    -                       -
//   5: 女性 {その他}                -
//   6: 男性 -                       不満
#pragma once

#include <gtest/gtest.h>

#include <QStringList>

#include <map>
#include <ostream>
#include <utility>
#include <vector>

#include "model/answer_store.h"
#include "model/workspace.h"
#include "support/scripted_ui.h"
#include "support/survey_fixture.h"
#include "support/text_setup.h"
#include "tabulation/block_cells.h"
#include "tabulation/count_sheet.h"

// Failures show the sheet's texts.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& texts, std::ostream* out)
{
    *out << "\n  \"" << texts.join(QStringLiteral("\"\n  \"")).toStdString() << '"';
}

namespace kz::test {

enum CafeQuestion : Integer { Gender = 0, Orders = 1, Satisfaction = 2 };
inline constexpr Integer Required = 3;

// Records what a run shows: the cells as a grid would hold them, the
// status texts, the progress texts and which result columns were shown.
class RecordingView : public CountSheetView {
public:
    void showStatus(const QString& text) override { statuses.push_back(text); }
    bool showProgress(const QString& percent) override
    {
        progress.push_back(percent);
        return !stopAtStatus || statuses.size() < static_cast<qsizetype>(stopAtStatus);
    }
    void layOut(const CountSheet& sheet) override
    {
        cells.clear();
        rows = sheet.result.RowStart[sheet.SheetOption.ToQno + 1];
        cols = sheet.columns.ColStart.back();
    }
    void showColumn(int L, std::vector<SheetCell> shownCells) override
    {
        shownColumns.push_back(L);
        for (const SheetCell& cell : shownCells)
            cells[{cell.row, cell.col}] = cell.text;
    }

    QString text(int row, int col) const
    {
        const auto it = cells.find({row, col});
        return it == cells.end() ? QString() : it->second;
    }
    // One row's cells joined by "|".
    QString row(int r) const
    {
        QStringList texts;
        for (int c = 0; c < cols; ++c)
            texts << text(r, c);
        return texts.join(u'|');
    }
    // The rows first .. first + count - 1.
    QStringList rowsFrom(int first, int count) const
    {
        QStringList out;
        for (int r = first; r < first + count; ++r)
            out << row(r);
        return out;
    }

    // Stop the run at the progress report that comes once this many
    // statuses were shown (0: never).
    int stopAtStatus = 0;
    int rows = 0;
    int cols = 0;
    std::map<std::pair<int, int>, QString> cells;
    QStringList statuses;
    QStringList progress;
    std::vector<int> shownColumns;
};

inline void AddChoices(SurveyState& state, Integer q, const char* label, const char* sentence,
                       std::initializer_list<const char*> texts)
{
    state.SetQuestionText(q, QString::fromUtf8(label), QString::fromUtf8(sentence));
    Integer c = 1;
    for (const char* text : texts)
        state.survey.Choices(q, c++).Text = QString::fromUtf8(text);
}

// A sample with these answers per question ({} unanswered).
inline void AddSampleWith(SurveyState& state, std::initializer_list<QVector<Integer>> answers)
{
    const Long pos = state.AddSample(SampleCount(state.samples) + 1);
    Integer q = 0;
    for (const QVector<Integer>& codes : answers) {
        if (!codes.isEmpty())
            PushQuestionAnswers(state.workspace, pos, q, static_cast<Integer>(codes.size()), codes);
        ++q;
    }
}

// The café questionnaire and its six samples as the program's own.
inline void BuildCafeSurvey(SurveyState& state)
{
    AddChoices(state, state.AddQuestion(1, 3), "性別", "男女のどちらですか。", {"男性", "女性"});
    AddChoices(state, state.AddQuestion(3, 5), "注文", "よく注文するものは。",
               {"コーヒー", "紅茶", "ケーキ", "その他"});
    AddChoices(state, state.AddQuestion(1, 4), "満足", "満足していますか。", {"満足", "普通", "不満"});
    state.survey.QuestionLimit[Satisfaction] = MakeCondition(0, {Row(Required, Gender, 1)});
    state.BuildLayout();
    AddSampleWith(state, {{1}, {1, 2}, {3}});
    AddSampleWith(state, {{2}, {2}, {}});
    AddSampleWith(state, {{1}, {1, 2, 3}, {1}});
    AddSampleWith(state, {{}, {}, {}});
    AddSampleWith(state, {{2}, {4}, {}});
    AddSampleWith(state, {{1}, {}, {3}});
}

// A request over questions first..last with one column per condition.
inline TotalOptionRec Request(Integer first, Integer last, std::initializer_list<Condition> columns = {Condition{}})
{
    TotalOptionRec option;
    option.Qno = first;
    option.ToQno = last;
    option.LimitCount = static_cast<Integer>(columns.size());
    size_t c = 1;
    for (const Condition& column : columns)
        option.Limits[c++] = column;
    return option;
}

class CafeSheetTest : public SurveyFixture {
protected:
    void SetUp() override { BuildCafeSurvey(*this); }

    // A first run of `option` with the display menus.
    CountSheet Run(const TotalOptionRec& option, const DisplayMenus& menus = {})
    {
        CountSheet sheet;
        sheet.SheetOption = option;
        RunCountSheet(workspace, sheet, menus, view);
        return sheet;
    }

    ScriptedUi ui;
    RecordingView view;
};

}  // namespace kz::test
