// A UI seam for tests: installs itself for its lifetime, records every
// message box, beep, progress call and event-loop turn and the document
// events that windows would act on, answers boxes from a queue and fails the
// test on a box nobody expected (answering it vbCancel) or on an expected box
// that never came.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include <deque>
#include <vector>

#include "host/ui_seam.h"
#include "model/document_events.h"

namespace kz::test {

struct RecordedBox {
    QString prompt;
    int style = 0;
    QString title;
};

class ScriptedUi : public UiSeam {
public:
    ScriptedUi()
    {
        installUi(this);
        QObject::connect(&documentEvents(), &DocumentEvents::replaced, &listener_, [this] { ++formsUnloaded_; });
        QObject::connect(&documentEvents(), &DocumentEvents::captionChanged, &listener_,
                         [this](const QString& caption) { mainCaptions_.push_back(caption); });
    }
    ~ScriptedUi() override
    {
        installUi(nullptr);
        if (!answers_.empty())
            ADD_FAILURE() << answers_.size() << " expected message box(es) never shown";
        if (!passwordAnswers_.empty())
            ADD_FAILURE() << passwordAnswers_.size() << " expected password box(es) never shown";
    }
    ScriptedUi(const ScriptedUi&) = delete;
    ScriptedUi& operator=(const ScriptedUi&) = delete;

    // The next box is expected and answered with `answer` (vbOK, vbYes, ...).
    void expectBox(int answer) { answers_.push_back(answer); }
    // The next progress report answers `goOn`; unscripted reports answer true.
    void scriptProgress(bool goOn) { progressAnswers_.push_back(goOn); }
    // The next password box is expected; `typedRight` is whether the user
    // types the expected password.
    void expectPassword(bool typedRight) { passwordAnswers_.push_back(typedRight); }

    const std::vector<RecordedBox>& boxes() const { return boxes_; }
    int beeps() const { return beeps_; }
    bool hourglass() const { return hourglass_; }
    const QStringList& progressTexts() const { return progressTexts_; }
    const std::vector<float>& progressRatios() const { return progressRatios_; }
    int eventTurns() const { return eventTurns_; }
    int processingShown() const { return processingShown_; }
    int processingEnded() const { return processingEnded_; }
    bool lastProcessingFatal() const { return lastProcessingFatal_; }
    // The passwords the password boxes expected, in order.
    const QStringList& passwordsAsked() const { return passwordsAsked_; }
    // How often the open windows were told to close (the document was
    // replaced), and the captions the main window was given.
    int formsUnloaded() const { return formsUnloaded_; }
    const QStringList& mainCaptions() const { return mainCaptions_; }

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
    void showProcessing(const QString&, const QString&, const QString&, bool fatal, bool, bool) override
    {
        ++processingShown_;
        lastProcessingFatal_ = fatal;
    }
    bool setProcessingProgress(const QString& text, float ratio) override
    {
        progressTexts_.push_back(text);
        progressRatios_.push_back(ratio);
        if (progressAnswers_.empty())
            return true;
        const bool goOn = progressAnswers_.front();
        progressAnswers_.pop_front();
        return goOn;
    }
    void endProcessing() override { ++processingEnded_; }
    void yieldToEvents() override { ++eventTurns_; }
    bool askPassword(const QString& expected) override
    {
        passwordsAsked_.push_back(expected);
        if (passwordAnswers_.empty()) {
            ADD_FAILURE() << "unexpected password box";
            return false;
        }
        const bool typedRight = passwordAnswers_.front();
        passwordAnswers_.pop_front();
        return typedRight;
    }

private:
    std::deque<int> answers_;
    std::deque<bool> progressAnswers_;
    std::deque<bool> passwordAnswers_;
    QStringList passwordsAsked_;
    int formsUnloaded_ = 0;
    QStringList mainCaptions_;
    QObject listener_;
    std::vector<RecordedBox> boxes_;
    QStringList progressTexts_;
    std::vector<float> progressRatios_;
    int eventTurns_ = 0;
    int beeps_ = 0;
    bool hourglass_ = false;
    int processingShown_ = 0;
    int processingEnded_ = 0;
    bool lastProcessingFatal_ = false;
};

}  // namespace kz::test
