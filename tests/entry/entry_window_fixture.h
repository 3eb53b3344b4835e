// The entry window on a small questionnaire: Q0 one answer of choices 1-4,
// Q1 up to three answers of 1-4 (4 the "other" choice with a free text), Q2
// one answer of 1-2; one reply line per question; IDs 1 to 5. The window is
// shown and active, so focus moves as a user's would.
#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "entry/frm_add_data.h"
#include "files/day_count.h"
#include "host/program_folder.h"
#include "host/settings.h"
#include "model/answer_store.h"
#include "model/question_codes.h"
#include "program/program_windows.h"
#include "program_fixture.h"
#include "shell/shell_ui.h"
#include "support/survey_fixture.h"
#include "widgets/forms.h"
#include "window_script.h"

namespace kz::test {

class EntryWindowTest : public WindowTest, public ProgramSurvey {
protected:
    void SetUp() override
    {
        ResetProgramState();
        AddQuestion(1, 5);
        AddQuestion(3, 5, {4});
        survey.Choices(1, 4).Attr |= 1 << AttrOther;
        AddQuestion(1, 3);
        BuildLayout();
        for (size_t k = 0; k < survey.ParagraphStart.size(); ++k)
            survey.ParagraphStart[k] = MakeQC(static_cast<Integer>(std::min<size_t>(k, 3)), 0);
        settings.IDRangeLow = 1;
        settings.IDRangeHigh = 5;
        // No save reminder unless a test asks for one.
        settings.SaveInterval = 1;
        samples.LastSaveTime = NowAsDayCount();
    }
    void TearDown() override
    {
        WindowTest::TearDown();
        SetProgramFolderForTest({});
        ResetProgramState();
    }

    // A stored sample with ID `id` and Q0 answered `q0`.
    Long StoredSample(Long id, Integer q0)
    {
        const Long Dno = AddSample(id);
        WriteQuestionAnswers(workspace, Dno, 0, 1, {q0}, {QString()});
        return Dno;
    }

    frmAddData& Open()
    {
        auto& entry = widgets::Forms::instance<frmAddData>();
        entry.show();
        QApplication::setActiveWindow(&entry);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&entry));
        return entry;
    }

    // Types into the reply box with real keys; "\r" is Enter.
    static void Type(frmAddData& entry, const QString& keys)
    {
        entry.txtReply->setFocus();
        for (QChar c : keys) {
            if (c == QLatin1Char('\r'))
                QTest::keyClick(entry.txtReply, Qt::Key_Return);
            else
                QTest::keyClicks(entry.txtReply, QString(c));
        }
    }

    QVector<Integer> Answers(Long Dno, Integer q)
    {
        Integer count = 0;
        QVector<Integer> codes;
        PopQuestionAnswers(workspace, Dno, q, count, codes);
        return codes.mid(0, count);
    }

    QString Text(Long Dno, Integer q, int answer)
    {
        Integer count = 0;
        QVector<Integer> codes;
        QVector<QString> texts;
        ReadQuestionAnswers(workspace, Dno, q, count, codes, texts);
        return texts.value(answer);
    }

    // The next modal window is the file dialog, which chooses `path`.
    void ChooseFileNext(const QString& path)
    {
        script.on("CMDialog").inspect([path](QWidget& w) {
            auto& dialog = static_cast<QFileDialog&>(w);
            dialog.setDirectory(QFileInfo(path).absolutePath());
            dialog.selectFile(QFileInfo(path).fileName());
            static_cast<QDialog&>(dialog).accept();
        });
    }

    ShellUi shellUi;
    ProgramWindows windows;
    WindowScript script;
};

}  // namespace kz::test
