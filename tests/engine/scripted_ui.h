// A UI seam for tests: installs itself for its lifetime, records every
// message box, beep and progress call, answers boxes from a queue and fails
// the test on a box nobody expected (answering it vbCancel) or on an
// expected box that never came.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include <deque>
#include <vector>

#include "ui_seam.h"

namespace kz::test {

struct RecordedBox {
    QString prompt;
    int style = 0;
    QString title;
};

class ScriptedUi : public UiSeam {
public:
    ScriptedUi() { installUi(this); }
    ~ScriptedUi() override
    {
        installUi(nullptr);
        if (!answers_.empty())
            ADD_FAILURE() << answers_.size() << " expected message box(es) never shown";
    }
    ScriptedUi(const ScriptedUi&) = delete;
    ScriptedUi& operator=(const ScriptedUi&) = delete;

    // The next box is expected and answered with `answer` (vbOK, vbYes, ...).
    void expectBox(int answer) { answers_.push_back(answer); }
    // The next progress report answers `goOn`; unscripted reports answer true.
    void scriptProgress(bool goOn) { progressAnswers_.push_back(goOn); }

    const std::vector<RecordedBox>& boxes() const { return boxes_; }
    int beeps() const { return beeps_; }
    bool hourglass() const { return hourglass_; }
    const QStringList& progressTexts() const { return progressTexts_; }
    int processingShown() const { return processingShown_; }
    int processingEnded() const { return processingEnded_; }

    int messageBox(const QString& prompt, int style, const QString& title) override
    {
        boxes_.push_back({prompt, style, title});
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected message box: " << prompt.toStdString();
            return vbCancel;
        }
        const int answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    void beep() override { ++beeps_; }
    void setHourglass(bool busy) override { hourglass_ = busy; }
    void showProcessing(const QString&, const QString&, const QString&, bool, bool, bool) override
    {
        ++processingShown_;
    }
    bool setProcessingProgress(const QString& text, float) override
    {
        progressTexts_.push_back(text);
        if (progressAnswers_.empty())
            return true;
        const bool goOn = progressAnswers_.front();
        progressAnswers_.pop_front();
        return goOn;
    }
    void endProcessing() override { ++processingEnded_; }
    void yieldToEvents() override {}

private:
    std::deque<int> answers_;
    std::deque<bool> progressAnswers_;
    std::vector<RecordedBox> boxes_;
    QStringList progressTexts_;
    int beeps_ = 0;
    bool hourglass_ = false;
    int processingShown_ = 0;
    int processingEnded_ = 0;
};

} // namespace kz::test
