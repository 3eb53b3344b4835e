#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>

#include <cstdlib>
#include <functional>
#include <optional>
#include <string>

#include "plugins/extern_process.h"
#include "plugins/plugin_host.h"
#include "support/impostor_zuntab.h"
#include "support/scripted_ui.h"
#include "support/survey_fixture.h"

namespace kz {
namespace {

const QString CallFailed = QStringLiteral("DLL呼び出しエラーが起きました。");
const QString HostEnded = QStringLiteral("外部処理が異常終了しました。") + CallFailed;
const QString HostStopped = QStringLiteral("外部処理を中止しました。") + CallFailed;
const QString TooLong = QStringLiteral("外部処理の結果が長すぎます（32767バイトまで）。") + CallFailed;

// The faulty plug-in by either kind: its library entry and its class.
const char* const Kinds[] = {"kz_faulty_plugin", "kz_faulty_plugin.Faulty"};

// Each test starts with no host running and ends its own.
class PluginHostTest : public test::SurveyFixture {
protected:
    // The test call of `plugin`, the title saying what the faulty plug-in does.
    ExternProcessResult RunFaulty(const QString& plugin, const QString& command)
    {
        survey.ExternProcessName = plugin;
        survey.Title = command;
        return CallExternProcess(workspace, 0, -1, 0);
    }

    void SetUp() override
    {
        test::SurveyFixture::SetUp();
        AddQuestion(1, 3);
        BuildLayout();
        EndPluginHost();
    }
    void TearDown() override
    {
        SetProgressDelayForTest(-1);
        EndPluginHost();
        test::SurveyFixture::TearDown();
    }
};

void ExpectResult(const ExternProcessResult& result, const QString& text, bool ok)
{
    EXPECT_EQ(result.text, text);
    EXPECT_EQ(result.ok, ok) << result.text.toStdString();
}

// Starts the count of the most memory this process holds anew; false where
// the system does not allow it.
bool ResetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

// The most memory this process has held since the last reset, in KiB.
long PeakMemoryKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    EXPECT_TRUE(status.open(QIODevice::ReadOnly));
    const QRegularExpressionMatch peak =
        QRegularExpression(QStringLiteral("VmHWM:\\s+(\\d+)")).match(QString::fromLatin1(status.readAll()));
    EXPECT_TRUE(peak.hasMatch());
    return peak.captured(1).toLong();
}

TEST_F(PluginHostTest, APluginThatCrashesAbortsOrExitsFailsTheCallAndTheNextCallStartsANewHost)
{
    test::ScriptedUi ui;
    // A crash report of a sanitizer build can take seconds; the progress
    // window is another test's business.
    SetProgressDelayForTest(60'000);
    for (const char* kind : Kinds) {
        for (const char* command : {"crash", "abort", "exit"}) {
            SCOPED_TRACE(std::string(kind) + " " + command);
            ExpectResult(RunFaulty(kind, "count"), "1", true);
            ExpectResult(RunFaulty(kind, command), HostEnded, false);
            // A new host: the plug-in starts counting again.
            ExpectResult(RunFaulty(kind, "count"), "1", true);
            EndPluginHost();
        }
    }
}

TEST_F(PluginHostTest, APluginKeepsItsStateBetweenCallsWhileTheHostRuns)
{
    test::ScriptedUi ui;
    ExpectResult(RunFaulty("kz_faulty_plugin", "count"), "1", true);
    ExpectResult(RunFaulty("kz_faulty_plugin", "count"), "2", true);
    ExpectResult(RunFaulty("kz_faulty_plugin.Faulty", "count"), "3", true);  // the same library
    EndPluginHost();
    ExpectResult(RunFaulty("kz_faulty_plugin", "count"), "1", true);
}

TEST_F(PluginHostTest, AHangingPluginIsStoppedFromTheProgressWindowAndItsHostEnded)
{
    SetProgressDelayForTest(20);
    for (const char* kind : Kinds) {
        SCOPED_TRACE(kind);
        test::ScriptedUi ui;
        ui.scriptProgress(true);
        ui.scriptProgress(false);  // Stop at the second report
        QElapsedTimer timer;
        timer.start();
        ExpectResult(RunFaulty(kind, "hang"), HostStopped, false);
        EXPECT_LT(timer.elapsed(), 2000);
        EXPECT_EQ(ui.processingShown(), 1);
        EXPECT_FALSE(ui.lastProcessingFatal());
        EXPECT_EQ(ui.processingEnded(), 1);
        EXPECT_EQ(ui.progressTexts().size(), 2);
        ExpectResult(RunFaulty(kind, "count"), "1", true);
    }
}

TEST_F(PluginHostTest, OnlyACallOutlastingTheDelayShowsTheProgressWindow)
{
    struct Case {
        int delayMs;
        int shown;
    };
    for (const Case& c : {Case{20, 1}, Case{-1, 0}}) {
        SCOPED_TRACE(c.delayMs);
        SetProgressDelayForTest(c.delayMs);
        test::ScriptedUi ui;
        ExpectResult(RunFaulty("kz_faulty_plugin", "slow"), "done", true);
        EXPECT_EQ(ui.processingShown(), c.shown);
        EXPECT_EQ(ui.processingEnded(), c.shown);
        if (c.shown)  // reported every few tens of milliseconds, not once or per poll
            EXPECT_GE(ui.progressTexts().size(), 3);
        else
            EXPECT_TRUE(ui.progressTexts().isEmpty());
    }
}

TEST_F(PluginHostTest, AResultBeyondTheCapIsRefusedWithoutReachingTheProgram)
{
    test::ScriptedUi ui;
    for (const char* kind : Kinds) {
        SCOPED_TRACE(kind);
        ExpectResult(RunFaulty(kind, "32767"), QString(32767, u'x'), true);
        ExpectResult(RunFaulty(kind, "32768"), TooLong, false);
        // The host stays: the refusal is not a crash.
        ExpectResult(RunFaulty(kind, "count"), "3", true);
        EndPluginHost();
    }
}

TEST_F(PluginHostTest, AHugeResultLeavesTheProgramsMemoryAlone)
{
    test::ScriptedUi ui;
    ExpectResult(RunFaulty("kz_faulty_plugin", "count"), "1", true);  // the host is up
    if (!ResetPeakMemory())
        GTEST_SKIP() << "the peak memory of a process cannot be reset here";
    const long before = PeakMemoryKiB();
    constexpr long HugeKiB = 16 * 1024;
    for (const char* kind : Kinds)
        ExpectResult(RunFaulty(kind, QString::number(HugeKiB * 1024)), TooLong, false);
    EXPECT_LT(PeakMemoryKiB() - before, HugeKiB / 4);
}

// A seam whose event loop, while the first call waits, runs a second one.
class ReenteringUi : public test::ScriptedUi {
public:
    explicit ReenteringUi(std::function<ExternProcessResult()> secondCall) : secondCall_(std::move(secondCall)) {}
    void yieldToEvents() override
    {
        if (!nested)
            nested = secondCall_();
    }
    std::optional<ExternProcessResult> nested;

private:
    std::function<ExternProcessResult()> secondCall_;
};

TEST_F(PluginHostTest, ACallWhileAnotherWaitsIsRefused)
{
    SetProgressDelayForTest(0);
    ReenteringUi ui([this] { return RunFaulty("kz_faulty_plugin", "count"); });
    ExpectResult(RunFaulty("kz_faulty_plugin", "slow"), "done", true);
    ASSERT_TRUE(ui.nested);
    ExpectResult(*ui.nested, QStringLiteral("ほかの外部処理が実行中です。") + CallFailed, false);
}

TEST_F(PluginHostTest, TheHostBindsZuntabFromTheProgramFolderWhateverLdLibraryPathSays)
{
    test::ScriptedUi ui;
    const test::ImpostorZuntabFolder impostor;
    const char* const previous = std::getenv("LD_LIBRARY_PATH");
    const std::optional<QByteArray> saved = previous ? std::optional<QByteArray>(previous) : std::nullopt;
    setenv("LD_LIBRARY_PATH", QFile::encodeName(impostor.path()).constData(), 1);
    const ExternProcessResult result = RunFaulty("kz_faulty_plugin", "count");  // a new host, started with it
    if (saved)
        setenv("LD_LIBRARY_PATH", saved->constData(), 1);
    else
        unsetenv("LD_LIBRARY_PATH");
    ExpectResult(result, "1", true);
}

}  // namespace
}  // namespace kz
