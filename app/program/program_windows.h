// The window services of the whole program: every window folder's windows
// reached through one interface. The program installs it for its run; window
// tests that drive several windows install it too.
#pragma once

#include <QPointer>

#include "shell/window_services.h"

namespace kz {

class frmGridBase;

class ProgramWindows : public WindowServices {
public:
    ProgramWindows();
    ~ProgramWindows() override;
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    void showNewQuestionnaire() override;
    void showQuestionEditor() override;
    bool editQuestionsAndChoices() override;
    void showQuestionList() override;
    void unloadQuestionList() override;
    void showAbout(bool editable) override;
    void showParagraph() override;
    void editStoredLimits() override;
    void editLimit(Condition& cond, LimitEditMode mode) override;

    void showEntryWindow() override;
    void unloadEntryWindow() override;
    bool entryWindowVisible() const override;
    void showSampleInEntryWindow(const QString& idText, const QString& command) override;
    void showSampleView(const QString& endQno, const QString& dno, const QString& idText) override;
    void refreshSampleView(const QString& endQno, const QString& dno, const QString& idText) override;
    void showAddAnswers() override;
    void showAddAnswersOn(widgets::KzForm& sheet) override;

    ImportOutcome enterImported(const ImportedRecord& record) override;
    bool settleRefusedImport() override;
    void setEntryStatus(const QString& status) override;

    bool importWindowOpen() const override;
    QString importWindowCaption() const override;
    void raiseImportWindow() override;
    bool answerReportsWanted() const override;
    void startImport(const QString& format, const QString& formatLabel, const QString& file) override;
    void showLineInPreview(const QString& line) override;
    void unloadPreview() override;
    void writeNetworkForms() override;
    void exportListedSamples(QObject* sheet) override;

    void showTotal(Integer page) override;
    void unloadTotal() override;
    void runFreeTextRequest(const TotalOptionRec& request) override;
    widgets::KzForm& newResultSheet() override;
    void runTotal(widgets::KzForm& sheet, const TotalOptionRec& request) override;
    void resultSheetActivated(widgets::KzForm& sheet) override;
    void openResultPage(const QString& pagePath) override;

    void showGraph() override;
    void raiseGraph() override;
    bool graphShown() const override;
    bool graphFedBy(const widgets::KzForm& sheet) const override;
    void feedGraph(widgets::KzForm& sheet, const std::optional<ChartFeed>& feed) override;
    void resendGraphData(widgets::KzForm& sheet) override;

    void loadKeyWindow() override;
    void showKeyWindow() override;

    bool saveChangesFirst() override;
    bool saveFile() override;

private:
    // The services installed before these, back once these end.
    WindowServices* replaced_;
    // The result sheet activated last, for the answer addition window when
    // it opens later.
    QPointer<frmGridBase> lastSheet_;
};

}  // namespace kz
