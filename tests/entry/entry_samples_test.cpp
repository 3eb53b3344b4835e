// The command label, adding and dropping samples, IDs and positions.
#include <QMessageBox>
#include <QTextCursor>

#include <span>

#include "document/document_routines.h"
#include "entry_window_fixture.h"
#include "host/settings.h"
#include "model/sample_table.h"

namespace kz::test {
namespace {

const QString RangeUsedUp = QStringLiteral(
    "ＩＤが尽きました。メインウィンドウ「内容変更」の「割り当てＩＤ」で、出せるＩＤを増やしてください。");

class EntrySamples : public EntryWindowTest {
protected:
    QList<Long> IDs()
    {
        const std::span<const Long> ids = samples.Samples.ids();
        return {ids.begin(), ids.end()};
    }
};

TEST_F(EntrySamples, OpensOnTheLastSample)
{
    StoredSample(1, 1);
    StoredSample(2, 3);
    frmAddData& entry = Open();
    EXPECT_EQ(entry.lblNowDno->text(), QStringLiteral("1"));
    EXPECT_EQ(entry.txtIDno->text(), QStringLiteral("2"));
    EXPECT_EQ(entry.lblMax->text(), QStringLiteral("/ 1"));
    EXPECT_TRUE(entry.txtReply->text().startsWith(QStringLiteral("3-")));
    EXPECT_FALSE(entry.chkChanged->isChecked());
}

TEST_F(EntrySamples, AutoNewTakesTheNextFreeIDUntilTheRangeIsUsedUp)
{
    settings.IDRangeHigh = 2;
    StoredSample(1, 1);
    ResetIDCursor(samples, settings);
    frmAddData& entry = Open();
    entry.lblDno->setCaption(QStringLiteral("AUTONEW"));
    EXPECT_EQ(IDs(), (QList<Long>{1, 2}));
    EXPECT_EQ(entry.txtIDno->text(), QStringLiteral("2"));
    EXPECT_EQ(entry.lblNowDno->text(), QStringLiteral("1"));
    EXPECT_TRUE(entry.chkChanged->isChecked());

    script.onMessage(vbOK);
    entry.lblDno->setCaption(QString());
    entry.lblDno->setCaption(QStringLiteral("AUTONEW"));
    ASSERT_EQ(script.messages().size(), 1);
    EXPECT_EQ(script.messages()[0].text, RangeUsedUp);
    EXPECT_EQ(script.messages()[0].icon, QMessageBox::Warning);
    EXPECT_EQ(entry.stbInput->text(), QStringLiteral("ＩＤが尽きました"));
    EXPECT_EQ(IDs(), (QList<Long>{1, 2}));
}

TEST_F(EntrySamples, ACommandWrittenTwiceActsOnceUnlessEmptiedBetween)
{
    frmAddData& entry = Open();
    entry.lblDno->setCaption(QStringLiteral("AUTONEW"));
    entry.lblDno->setCaption(QStringLiteral("AUTONEW"));
    EXPECT_EQ(IDs(), QList<Long>{1});
    entry.lblDno->setCaption(QString());
    entry.lblDno->setCaption(QStringLiteral("AUTONEW"));
    EXPECT_EQ(IDs(), (QList<Long>{1, 2}));
    // A position equal to the one in txtDno does nothing either.
    entry.lblDno->setCaption(QStringLiteral("1"));
    EXPECT_EQ(entry.lblNowDno->text(), QStringLiteral("1"));
}

TEST_F(EntrySamples, ImportedRecordsAreStoredThroughNewAndInput)
{
    frmAddData& entry = Open();
    entry.txtIDno->setText(QStringLiteral("4"));
    entry.lblDno->setCaption(QStringLiteral("NEW"));
    entry.txtReply->setText(QStringLiteral("3\r\n1 2\r\n"));
    entry.lblDno->setCaption(QStringLiteral("INPUT"));
    EXPECT_EQ(IDs(), QList<Long>{4});
    EXPECT_EQ(Answers(0, 0), QVector<Integer>{3});
    EXPECT_EQ(Answers(0, 1), (QVector<Integer>{1, 2}));
    EXPECT_EQ(entry.stbInput->text(), QString());
}

TEST_F(EntrySamples, NewWithAnIDInUseIsRefusedAndTheNextInputStoresNothing)
{
    StoredSample(3, 2);
    frmAddData& entry = Open();
    script.onMessage(vbOK);
    entry.lblDno->setCaption(QString());
    entry.txtIDno->setText(QStringLiteral("3"));
    entry.lblDno->setCaption(QStringLiteral("NEW"));
    ASSERT_EQ(script.messages().size(), 1);
    EXPECT_TRUE(script.messages()[0].text.contains(QStringLiteral("ＩＤ3は既に使われています")));
    EXPECT_EQ(entry.stbInput->text(), script.messages()[0].text);
    EXPECT_EQ(SampleCount(samples), 1);

    script.onMessage(vbOK);
    entry.txtReply->setText(QStringLiteral("4\r\n"));
    entry.lblDno->setCaption(QStringLiteral("INPUT"));
    ASSERT_EQ(script.messages().size(), 2);
    EXPECT_EQ(script.messages()[1].text, entry.stbInput->text());
    EXPECT_EQ(Answers(0, 0), QVector<Integer>{2});
}

TEST_F(EntrySamples, AnEmptySampleIsDroppedWhenAnotherIsShown)
{
    StoredSample(1, 2);
    frmAddData& entry = Open();
    entry.cmdNextInput->click();
    EXPECT_EQ(IDs(), (QList<Long>{1, 2}));
    entry.lblDno->setCaption(QStringLiteral("0"));
    EXPECT_EQ(IDs(), QList<Long>{1});
    EXPECT_EQ(entry.stbInput->text(), QStringLiteral("空のサンプル(ID=2)を削除しました"));
    EXPECT_EQ(entry.lblNowDno->text(), QStringLiteral("0"));
    EXPECT_EQ(samples.NextIDCursor, 1);
}

TEST_F(EntrySamples, AnEmptySampleIsDroppedWhenTheNextIsAddedAndWhenTheWindowCloses)
{
    frmAddData& entry = Open();
    entry.cmdNextInput->click();
    entry.cmdNextInput->click();
    EXPECT_EQ(IDs(), QList<Long>{1});
    EXPECT_EQ(entry.stbInput->text(), QStringLiteral("空のサンプル(ID=1)を削除しました"));

    Type(entry, "1\r");
    entry.cmdNextInput->click();
    EXPECT_EQ(IDs(), (QList<Long>{1, 2}));
    entry.cmdClose->click();
    EXPECT_EQ(IDs(), QList<Long>{1});
    EXPECT_EQ(widgets::Forms::loaded<frmAddData>(), nullptr);
}

TEST_F(EntrySamples, AnUnloadAfterTheTableWasReplacedDropsNothing)
{
    frmAddData& entry = Open();
    entry.cmdNextInput->click();  // an empty sample is shown
    // A file opened meanwhile has its own empty sample at that position.
    InitNewFile(workspace, settings);
    AppendSampleRec(workspace, 7);
    widgets::Forms::unload(entry);
    EXPECT_EQ(IDs(), QList<Long>{7});
}

TEST_F(EntrySamples, DroppingASampleBeforeTheOneAskedForStillShowsThatOne)
{
    frmAddData& entry = Open();
    entry.cmdNextInput->click();  // ID 1, left empty
    StoredSample(2, 3);
    StoredSample(3, 4);
    entry.lblDno->setCaption(QStringLiteral("2"));
    EXPECT_EQ(IDs(), (QList<Long>{2, 3}));
    EXPECT_EQ(entry.txtIDno->text(), QStringLiteral("3"));
    EXPECT_EQ(entry.lblNowDno->text(), QStringLiteral("1"));
}

TEST_F(EntrySamples, APositionOutsideTheTableRestoresThePreviousOne)
{
    StoredSample(1, 1);
    StoredSample(2, 2);
    frmAddData& entry = Open();
    script.onMessage(vbOK);
    entry.lblDno->setCaption(QStringLiteral("7"));
    ASSERT_EQ(script.messages().size(), 1);
    EXPECT_EQ(script.messages()[0].text, QStringLiteral("番号は現在0から1までです。"));
    EXPECT_EQ(entry.txtDno->text(), QStringLiteral("1"));
    EXPECT_EQ(entry.txtIDno->text(), QStringLiteral("2"));
}

TEST_F(EntrySamples, ARefusedReplyStopsTheScrollBarAtTheShownSample)
{
    for (Long id = 1; id <= 4; ++id)
        StoredSample(id, 1);
    frmAddData& entry = Open();
    entry.txtReply->moveCursor(QTextCursor::End);
    Type(entry, "/abc");
    const QString typed = entry.txtReply->text();
    // One press on the left arrow; the box takes the mouse, so the release
    // never reaches the bar.
    const QPoint arrow(4, entry.scrDno->height() / 2);
    script.onMessage(vbOK);
    QTest::mousePress(entry.scrDno, Qt::LeftButton, {}, arrow);
    QTest::qWait(900);
    ASSERT_EQ(script.messages().size(), 1);
    EXPECT_EQ(script.messages()[0].text, QStringLiteral("記述回答文が//でくくれていません。"));
    EXPECT_EQ(entry.scrDno->value(), 3);
    EXPECT_EQ(entry.lblNowDno->text(), QStringLiteral("3"));
    EXPECT_EQ(entry.txtDno->text(), QStringLiteral("3"));
    EXPECT_EQ(entry.txtReply->text(), typed);
    QTest::mouseRelease(entry.scrDno, Qt::LeftButton, {}, arrow);

    // Corrected, the reply is stored and the bar takes its one step.
    entry.txtReply->selectAll();
    Type(entry, "2");
    QTest::mouseClick(entry.scrDno, Qt::LeftButton, {}, arrow);
    EXPECT_EQ(Answers(3, 0), QVector<Integer>{2});
    EXPECT_EQ(entry.lblNowDno->text(), QStringLiteral("2"));
}

TEST_F(EntrySamples, AtItsSmallestTheWindowKeepsEveryControlUsable)
{
    StoredSample(1, 1);
    frmAddData& entry = Open();
    entry.resize(1, 1);
    QApplication::processEvents();
    const QFontMetrics reply = entry.txtReply->fontMetrics();
    EXPECT_GE(entry.txtReply->viewport()->width(), 30 * reply.averageCharWidth());
    EXPECT_GE(entry.txtReply->viewport()->height(), 6 * reply.lineSpacing());
    EXPECT_GE(entry.lstChoices->viewport()->height(), 4 * entry.lstChoices->fontMetrics().lineSpacing());
    for (QWidget* control : entry.findChildren<QWidget*>()) {
        if (!control->isVisible() || control->parentWidget() == entry.menuBar)
            continue;
        EXPECT_GE(control->width(), control->minimumSizeHint().width()) << control->objectName().toStdString();
        EXPECT_GE(control->height(), control->minimumSizeHint().height()) << control->objectName().toStdString();
    }
}

TEST_F(EntrySamples, AnIDTypedIntoTheIDBoxShowsItsSample)
{
    StoredSample(1, 1);
    StoredSample(5, 2);
    frmAddData& entry = Open();
    entry.txtIDno->setText(QStringLiteral("1"));
    entry.lblDno->setCaption(QStringLiteral("ID"));
    EXPECT_EQ(entry.lblNowDno->text(), QStringLiteral("0"));

    script.onMessage(vbOK);
    entry.txtIDno->setText(QStringLiteral("3"));
    entry.lblDno->setCaption(QString());
    entry.lblDno->setCaption(QStringLiteral("ID"));
    script.onMessage(vbOK);
    entry.txtIDno->setText(QStringLiteral("99999999999"));
    entry.lblDno->setCaption(QString());
    entry.lblDno->setCaption(QStringLiteral("ID"));
    ASSERT_EQ(script.messages().size(), 2);
    EXPECT_EQ(script.messages()[0].text, QStringLiteral("指定のＩＤが見つかりません。"));
    EXPECT_EQ(script.messages()[1].text, QStringLiteral("探す番号は-2147483648から2147483647です。"));
    EXPECT_EQ(entry.txtIDno->text(), QStringLiteral("1"));
}

TEST_F(EntrySamples, ChangingAnIDMovesTheSampleAndRefusesBadValues)
{
    StoredSample(2, 0);  // empty, but not the one shown
    StoredSample(4, 2);
    frmAddData& entry = Open();  // shows ID 4
    // Its own value and Cancel change nothing; nothing is asked after them.
    script.on("frmInput").setText("txtInput", "4").click("cmdOK");
    script.on("frmInput").click("cmdCancel");
    // Out of range, also a value no Long holds, however typed, and an ID in use.
    for (const char* outside : {"9", "1e20", "99999999999"}) {
        script.on("frmInput").setText("txtInput", outside).click("cmdOK");
        script.onMessage(vbOK);
    }
    script.on("frmInput").setText("txtInput", "2").click("cmdOK");
    script.onMessage(vbOK);
    for (int i = 0; i < 6; ++i)
        entry.cmdChangeID->click();
    ASSERT_EQ(script.messages().size(), 4);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(script.messages()[i].text, QStringLiteral("IDが割り当て外です"));
    EXPECT_EQ(script.messages()[3].text, QStringLiteral("IDが重複しています"));
    EXPECT_EQ(IDs(), (QList<Long>{2, 4}));

    // A free ID below the other sample's moves the shown sample before it;
    // the empty sample that takes its old place is not dropped for it.
    script.on("frmInput").setText("txtInput", "1").click("cmdOK");
    entry.cmdChangeID->click();
    EXPECT_EQ(IDs(), (QList<Long>{1, 2}));
    EXPECT_EQ(entry.lblNowDno->text(), QStringLiteral("0"));
    EXPECT_EQ(entry.txtIDno->text(), QStringLiteral("1"));
    EXPECT_EQ(Answers(0, 0), QVector<Integer>{2});
}

TEST_F(EntrySamples, TheSaveReminderOffersToSaveAfterTheInterval)
{
    settings.SaveInterval = 30.0 / 1440;
    samples.LastSaveTime = NowAsDayCount() - 1;
    frmAddData& entry = Open();
    script.onMessage(vbNo);
    entry.cmdNextInput->click();
    ASSERT_EQ(script.messages().size(), 1);
    EXPECT_EQ(script.messages()[0].text, QStringLiteral("最後に保存した時刻から30分経過しました。保存しますか？"));
    EXPECT_EQ(script.messages()[0].icon, QMessageBox::Question);
    EXPECT_GT(samples.LastSaveTime, NowAsDayCount() - 0.001);
    EXPECT_EQ(samples.SavedSampleCount, 0);
    EXPECT_EQ(SampleCount(samples), 1);
    // Just saved (in effect): no question for the next sample.
    Type(entry, "1\r");
    entry.cmdNextInput->click();
    EXPECT_EQ(script.messages().size(), 1);
}

}  // namespace
}  // namespace kz::test
