// The result sheet's menus: the count-sheet and listing sets, and the
// display menus that redraw the sheet (percent mode, order by count, spacer
// columns). The page files, text outputs and listings come with their own
// commands; until then their items are shown disabled.
#include <QLayout>

#include "tabulation/frm_grid_base.h"
#include "widgets/forms.h"

namespace kz {

void frmGridBase::buildMenus()
{
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    layout()->setMenuBar(menuBar);
    auto submenu = [this](const char* name, const QString& caption) {
        QMenu* menu = menuBar->addMenu(caption);
        menu->setObjectName(QString::fromLatin1(name));
        return menu;
    };
    auto item = [](QMenu* menu, const QString& name, const QString& caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        return action;
    };
    auto later = [&item](QMenu* menu, const char* name, const QString& caption) {
        QAction* action = item(menu, QString::fromLatin1(name), caption);
        action->setEnabled(false);
        return action;
    };
    auto separator = [](QMenu* menu, const char* name) {
        QAction* action = menu->addSeparator();
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };

    mnuFile = submenu("mnuFile", QStringLiteral("ﾌｧｲﾙ(&F)"));
    mnuPageLoad = later(mnuFile, "mnuPageLoad", QStringLiteral("集計結果ﾌｧｲﾙを開く(&O)"));
    mnuPageSave = later(mnuFile, "mnuPageSave", QStringLiteral("この集計結果をﾌｧｲﾙに保存(&S)"));
    mnuSpaceSearch = separator(mnuFile, "mnuSpaceSearch");
    mnuSearch = later(mnuFile, "mnuSearch", QStringLiteral("追加・変更(&C)"));
    mnuOutput = item(mnuFile, QStringLiteral("mnuOutput"), QStringLiteral("書き出す(&O)"));
    mnuRefQno = later(mnuFile, "mnuRefQno", QStringLiteral("参照質問(&R)"));
    mnuSpaceQuit = separator(mnuFile, "mnuSpaceQuit");
    mnuQuit = item(mnuFile, QStringLiteral("mnuQuit"), QStringLiteral("閉じる(&C)"));

    mnuEdit = submenu("mnuEdit", QStringLiteral("編集(&E)"));
    mnuCopy = item(mnuEdit, QStringLiteral("mnuCopy"), QStringLiteral("コピー(&C)"));
    mnuAll = item(mnuEdit, QStringLiteral("mnuAll"), QStringLiteral("全てを選択(&A)"));
    mnuTextSave = later(mnuEdit, "mnuTextSave", QStringLiteral("集計結果をﾃｷｽﾄﾌｧｲﾙで保存(&T)"));
    mnuHTMLSave = later(mnuEdit, "mnuHTMLSave", QStringLiteral("集計結果をHTMLﾌｧｲﾙで保存(&H)"));
    mnuSendToExcel = item(mnuEdit, QStringLiteral("mnuSendToExcel"), QStringLiteral("Excelにデータを送る(&E)"));
    mnuSpaceResult = separator(mnuEdit, "mnuSpaceResult");
    const std::array<QString, 3> percentCaptions = {QStringLiteral("人数だけ表示"), QStringLiteral("人数と％を表示"),
                                                    QStringLiteral("％だけ表示")};
    for (size_t i = 0; i < mnuPercent.size(); ++i) {
        mnuPercent[i] = item(mnuEdit, QStringLiteral("mnuPercent(%1)").arg(i), percentCaptions[i]);
        mnuPercent[i]->setCheckable(true);
        connect(mnuPercent[i], &QAction::triggered, this, [this, i] { percentClicked(static_cast<int>(i)); });
    }
    // A new sheet shows counts and percentages.
    mnuPercent[1]->setChecked(true);
    mnuGraphPerSpace = separator(mnuEdit, "mnuGraphPerSpace");
    const std::array<QString, 5> graphCaptions = {
        QStringLiteral("グラフ描画に％を使用(&P)"),     QStringLiteral("グラフの数値の順を逆にする(&I)"),
        QStringLiteral("グラフのラベルに％を使用(&L)"), QStringLiteral("円グラフ用に、データを一列だけ送る(&C)"),
        QStringLiteral("グラフを描き直す(&R)"),
    };
    for (size_t i = 0; i < mnuGraphOrder.size(); ++i) {
        mnuGraphOrder[i] = item(mnuEdit, QStringLiteral("mnuGraphOrder(%1)").arg(i), graphCaptions[i]);
        // The last item only sends again; the others are switches.
        mnuGraphOrder[i]->setCheckable(i + 1 < mnuGraphOrder.size());
        connect(mnuGraphOrder[i], &QAction::triggered, this, [this, i] { graphOrderClicked(i); });
    }
    mnuSortSpace = separator(mnuEdit, "mnuSortSpace");
    mnuSort = item(mnuEdit, QStringLiteral("mnuSort"), QStringLiteral("多い順に並び変える(&S)"));
    mnuSort->setCheckable(true);
    mnuSpaceSpace = separator(mnuEdit, "mnuSpaceSpace");
    mnuSpace = item(mnuEdit, QStringLiteral("mnuSpace"), QStringLiteral("個別限定の間に空白を入れる(&P)"));
    mnuSpace->setCheckable(true);
    mnuSpaceEssay = separator(mnuEdit, "mnuSpaceEssay");
    mnuGoEssay = later(mnuEdit, "mnuGoEssay", QStringLiteral("この選択肢の記述集計(&E)"));
    mnuEssayTotal = later(mnuEdit, "mnuEssayTotal", QStringLiteral("記述文を集計(&T)"));
    mnuSearchLetter = later(mnuEdit, "mnuSearchLetter", QStringLiteral("記述文を検索(&D)"));
    mnuSearchNumber = later(mnuEdit, "mnuSearchNumber", QStringLiteral("記述数量を検索(&M)"));

    mnuFont = submenu("mnuFont", QStringLiteral("ﾌｫﾝﾄ(&F)"));
    mnuFontChange = item(mnuFont, QStringLiteral("mnuFontChange"), QStringLiteral("ﾌｫﾝﾄを変更する(&F)"));

    // The check marks have turned already when these run.
    connect(mnuSort, &QAction::triggered, this, &frmGridBase::DoSheet);
    connect(mnuSpace, &QAction::triggered, this, &frmGridBase::DoSheet);
    connect(mnuQuit, &QAction::triggered, this, [this] { widgets::Forms::unload(*this); });
    buildOutputMenus();
    connectListingMenus();
    ShowEssayMenus(false);
}

void frmGridBase::ShowTotalMenus(bool show)
{
    for (QAction* action :
         {mnuGoEssay, mnuSortSpace, mnuSort, mnuSpaceSpace, mnuSpace, mnuSpaceEssay, mnuGraphPerSpace})
        action->setVisible(show);
    for (QAction* action : mnuPercent)
        action->setVisible(show);
    for (size_t i = 0; i < 4; ++i)
        mnuGraphOrder[i]->setVisible(show);
    if (show)
        sheet_.SheetOption.Kind = TotalCodedAnswers;
}

void frmGridBase::ShowEssayMenus(bool show)
{
    for (QAction* action :
         {mnuEssayTotal, mnuSearchLetter, mnuSearchNumber, mnuRefQno, mnuSearch, mnuOutput, mnuSpaceSearch})
        action->setVisible(show);
    cmdNext->setVisible(show);
    if (show)
        sheet_.SheetOption.Kind = TotalFreeTexts;
}

void frmGridBase::percentClicked(int index)
{
    for (QAction* action : mnuPercent)
        action->setChecked(false);
    mnuPercent[static_cast<size_t>(index)]->setChecked(true);
    DoSheet();
}

DisplayMenus frmGridBase::displayMenus() const
{
    DisplayMenus menus;
    // In menu order, the last checked item wins.
    menus.percentItem = -1;
    for (size_t i = 0; i < mnuPercent.size(); ++i)
        if (mnuPercent[i]->isChecked())
            menus.percentItem = static_cast<int>(i);
    menus.sort = mnuSort->isChecked();
    menus.space = mnuSpace->isChecked();
    return menus;
}

}  // namespace kz
