// Window services for tests without the other windows: installs itself for
// its lifetime (over the services installed before) and writes every command it is given to `asked`, one line
// each ("showTotal(1)"), so that a test sees also the calls it did not
// expect. Questions are answered from the fields below; a new result sheet
// is an empty window of the registry, and no entry window takes an imported
// record.
#pragma once

#include <QStringList>

#include "shell/window_services.h"
#include "widgets/forms.h"

namespace kz::test {

class WindowCalls : public WindowServices {
public:
    WindowCalls() : replaced_(InstallWindowServices(this)) {}
    ~WindowCalls() override { InstallWindowServices(replaced_); }
    WindowCalls(const WindowCalls&) = delete;
    WindowCalls& operator=(const WindowCalls&) = delete;

    void showNewQuestionnaire() override { ask(u"showNewQuestionnaire"); }
    void showQuestionEditor() override { ask(u"showQuestionEditor"); }
    bool editQuestionsAndChoices() override
    {
        ask(u"editQuestionsAndChoices");
        return questionsFinished;
    }
    void showQuestionList() override { ask(u"showQuestionList"); }
    void unloadQuestionList() override { ask(u"unloadQuestionList"); }
    void showAbout(bool editable) override { ask(u"showAbout", {Text(editable)}); }
    void showParagraph() override { ask(u"showParagraph"); }
    void editStoredLimits() override { ask(u"editStoredLimits"); }
    void editLimit(Condition& /*cond*/, LimitEditMode /*mode*/) override { ask(u"editLimit"); }

    void showEntryWindow() override { ask(u"showEntryWindow"); }
    void unloadEntryWindow() override { ask(u"unloadEntryWindow"); }
    bool entryWindowVisible() const override { return entryVisible; }
    void showSampleInEntryWindow(const QString& idText, const QString& command) override
    {
        ask(u"showSampleInEntryWindow", {idText, command});
    }
    void showSampleView(const QString& endQno, const QString& dno, const QString& idText) override
    {
        ask(u"showSampleView", {endQno, dno, idText});
    }
    void refreshSampleView(const QString& endQno, const QString& dno, const QString& idText) override
    {
        ask(u"refreshSampleView", {endQno, dno, idText});
    }
    void showAddAnswers() override { ask(u"showAddAnswers"); }
    void showAddAnswersOn(widgets::KzForm& sheet) override { ask(u"showAddAnswersOn", {sheet.objectName()}); }

    ImportOutcome enterImported(const ImportedRecord& record) override
    {
        ask(u"enterImported", {record.reply});
        return {};
    }
    bool settleRefusedImport() override
    {
        ask(u"settleRefusedImport");
        return false;
    }
    void setEntryStatus(const QString& status) override { ask(u"setEntryStatus", {status}); }

    bool importWindowOpen() const override { return importOpen; }
    QString importWindowCaption() const override { return importCaption; }
    void raiseImportWindow() override { ask(u"raiseImportWindow"); }
    bool answerReportsWanted() const override { return reportsWanted; }
    void startImport(const QString& format, const QString& formatLabel, const QString& file) override
    {
        ask(u"startImport", {format, formatLabel, file});
    }
    void showLineInPreview(const QString& line) override { ask(u"showLineInPreview", {line}); }
    void unloadPreview() override { ask(u"unloadPreview"); }
    void writeNetworkForms() override { ask(u"writeNetworkForms"); }
    void exportListedSamples(QObject* sheet) override
    {
        ask(u"exportListedSamples", {sheet ? sheet->objectName() : QString()});
    }

    void showTotal(Integer page) override { ask(u"showTotal", {QString::number(page)}); }
    void unloadTotal() override { ask(u"unloadTotal"); }
    void runFreeTextRequest(const TotalOptionRec& request) override
    {
        ask(u"runFreeTextRequest", {QString::number(request.Qno)});
    }
    widgets::KzForm& newResultSheet() override
    {
        ask(u"newResultSheet");
        return widgets::Forms::createNew<SheetStandIn>();
    }
    void runTotal(widgets::KzForm& sheet, const TotalOptionRec& request) override
    {
        ask(u"runTotal", {sheet.objectName(), QString::number(request.Kind)});
    }
    void resultSheetActivated(widgets::KzForm& sheet) override { ask(u"resultSheetActivated", {sheet.objectName()}); }
    void openResultPage(const QString& pagePath) override { ask(u"openResultPage", {pagePath}); }

    void showGraph() override { ask(u"showGraph"); }
    void raiseGraph() override { ask(u"raiseGraph"); }
    bool graphShown() const override { return graphVisible; }
    bool graphFedBy(const widgets::KzForm& /*sheet*/) const override { return false; }
    void feedGraph(widgets::KzForm& sheet, const std::optional<ChartFeed>& feed) override
    {
        ask(u"feedGraph", {sheet.objectName(), feed ? feed->title : QStringLiteral("-")});
    }
    void resendGraphData(widgets::KzForm& sheet) override { ask(u"resendGraphData", {sheet.objectName()}); }

    void loadKeyWindow() override { ask(u"loadKeyWindow"); }
    void showKeyWindow() override { ask(u"showKeyWindow"); }

    bool saveChangesFirst() override
    {
        ask(u"saveChangesFirst");
        return true;
    }
    bool saveFile() override
    {
        ask(u"saveFile");
        return false;
    }

    // Every command, in order: its name, then its arguments in brackets.
    QStringList asked;
    // The answers to the questions.
    bool questionsFinished = false;
    bool entryVisible = false;
    bool importOpen = false;
    QString importCaption;
    bool reportsWanted = true;
    bool graphVisible = false;

private:
    // The window a new result sheet is in these tests.
    class SheetStandIn : public widgets::KzForm {
    public:
        SheetStandIn() : KzForm(QStringLiteral("frmGridBase")) {}
    };

    WindowServices* replaced_;

    static QString Text(bool value) { return value ? QStringLiteral("true") : QStringLiteral("false"); }

    void ask(QStringView command, const QStringList& arguments = {})
    {
        asked << command.toString() + (arguments.isEmpty() ? QString() : u'(' + arguments.join(u", ") + u')');
    }
};

}  // namespace kz::test
