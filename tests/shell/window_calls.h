// Window services for tests without the other windows: installs itself for
// its lifetime, counts what was asked of the other windows and answers that
// the windows listed in `present` exist; no entry window takes an imported
// record.
#pragma once

#include <QList>
#include <QStringList>

#include <set>

#include "window_services.h"

namespace kz::test {

class WindowCalls : public WindowServices {
public:
    explicit WindowCalls(std::set<Window> present = {}) : present_(std::move(present))
    {
        InstallWindowServices(this);
    }
    ~WindowCalls() override { InstallWindowServices(nullptr); }
    WindowCalls(const WindowCalls&) = delete;
    WindowCalls& operator=(const WindowCalls&) = delete;

    bool has(Window window) const override { return present_.count(window) != 0; }
    void showEntryWindow() override { ++entry; }
    void showQuestionList() override { ++questionList; }
    void showGraph() override { ++graph; }
    void showTotal(Integer page) override { totalPages.push_back(page); }
    void unloadTotal() override { ++totalsUnloaded; }
    void showAbout(bool editable) override { aboutEditable.push_back(editable); }
    void openResultPage(const QString& page) override { sheets << page; }
    void startImport(const QString& format, const QString& formatLabel, const QString& file) override
    {
        imports << QStringList{format, formatLabel, file};
    }
    ImportOutcome enterImported(const ImportedRecord& record) override
    {
        entered << record.reply;
        return {};
    }
    bool settleRefusedImport() override
    {
        ++settled;
        return false;
    }
    void setEntryStatus(const QString& status) override { statuses << status; }

    int entry = 0;
    int questionList = 0;
    int graph = 0;
    QList<Integer> totalPages;
    int totalsUnloaded = 0;
    QList<bool> aboutEditable;
    QStringList sheets;
    QList<QStringList> imports;
    QStringList entered;
    int settled = 0;
    QStringList statuses;

private:
    std::set<Window> present_;
};

}  // namespace kz::test
