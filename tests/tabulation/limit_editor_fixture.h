// The limit editor on a small questionnaire: Q0 "性別" (one answer: 男性,
// 女性) and Q1 "飲み物" (up to three: コーヒー, 紅茶, 緑茶, 水). Stored
// limit 2 is "女性".
#pragma once

#include <QStringList>

#include "model/condition_arrays.h"
#include "model/question_codes.h"
#include "program/program_windows.h"
#include "program_fixture.h"
#include "shell/shell_ui.h"
#include "support/survey_fixture.h"
#include "support/text_setup.h"
#include "tabulation/frm_limit.h"
#include "widgets/forms.h"
#include "window_script.h"

namespace kz::test {

class LimitEditorTest : public WindowTest, public ProgramSurvey {
protected:
    void SetUp() override
    {
        AddQuestion(1, 3);
        SetQuestionText(0, QStringLiteral("性別"));
        AddQuestion(3, 5);
        SetQuestionText(1, QStringLiteral("飲み物"));
        const QStringList texts = {"", "男性", "女性", "コーヒー", "紅茶", "緑茶", "水"};
        for (Integer c = 1; c <= 2; ++c)
            survey.Choices(0, c).Text = texts[c];
        for (Integer c = 1; c <= 4; ++c)
            survey.Choices(1, c).Text = texts[c + 2];
        BuildLayout();
        survey.LimitTable[2] = MakeCondition(0, {Row(3, 0, 2)});
    }

    static frmLimit& Editor(QWidget& w) { return static_cast<frmLimit&>(w); }

    static QStringList Lines(const QListWidget* list)
    {
        QStringList lines;
        for (int i = 0; i < list->count(); ++i)
            lines.push_back(list->item(i)->text());
        return lines;
    }

    // Chooses the question, choice and rank of the next row.
    static ScriptStep::Action Choose(int q, int c, int rank = 0)
    {
        return [q, c, rank](QWidget& w) {
            Editor(w).lstQno->setCurrentRow(q);
            Editor(w).lstCno->setCurrentRow(c);
            Editor(w).cmbRank->setCurrentIndex(rank);
        };
    }

    ProgramStateGuard programState;
    ShellUi shellUi;
    ProgramWindows programWindows;
    WindowScript script;
};

}  // namespace kz::test
