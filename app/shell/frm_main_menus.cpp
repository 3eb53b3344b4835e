// The main window's menu tree. Captions are string numbers swapped in when
// the window loads (LocalizeForm); the literal one stays as designed.
#include "document/recent_files.h"
#include "files/file_header.h"
#include "host/settings.h"
#include "model/workspace.h"
#include "shell/frm_main.h"
#include "shell/menu_look.h"
#include "shell/program_state.h"
#include "shell/recent_file_caption.h"

namespace kz {

namespace {

QString Id(int id) { return QString::number(id); }

}  // namespace

QAction* frmMain::addItem(QMenu* menu, const char* name, const QString& caption, const QKeySequence& key,
                          std::function<void()> command)
{
    auto* item = new QAction(caption, menu);
    item->setObjectName(QLatin1String(name));
    menu->addAction(item);
    if (!key.isEmpty()) {
        item->setShortcut(key);
        // The menus are hidden until a button pops them up; the window
        // carries the shortcuts meanwhile.
        addAction(item);
    }
    connect(item, &QAction::triggered, this, [this, command = std::move(command)] { runCommand(command); });
    return item;
}

QAction* frmMain::addSeparator(QMenu* menu, const char* name)
{
    QAction* separator = menu->addSeparator();
    separator->setObjectName(QLatin1String(name));
    return separator;
}

QMenu* frmMain::addSubmenu(QMenu* menu, const char* name, const QString& caption)
{
    QMenu* submenu = menu->addMenu(caption);
    submenu->setObjectName(QLatin1String(name));
    submenu->menuAction()->setObjectName(QLatin1String(name));
    return submenu;
}

void frmMain::buildMenus()
{
    const auto run = [this](void (frmMain::*command)()) { return [this, command] { (this->*command)(); }; };
    const QKeySequence none;

    mnuFile = new QMenu(Id(1000), this);
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFile->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    addItem(mnuFile, "mnuNewfile", Id(1010), none, [this] { FileNew(); });
    mnuFileOpen =
        addItem(mnuFile, "mnuFileOpen", Id(1011), QKeySequence(QStringLiteral("Ctrl+O")), run(&frmMain::fileOpen));
    addItem(mnuFile, "mnuFileSave", Id(1012), QKeySequence(QStringLiteral("Ctrl+S")), [this] { SaveFile(); });
    addItem(mnuFile, "mnuFileSaveAs", Id(1013), none, run(&frmMain::fileSaveAs));
    addItem(mnuFile, "mnuLoadResult", QStringLiteral("集計結果ﾌｧｲﾙを開く&R)"), none, run(&frmMain::loadResult));
    QMenu* mnuMerge = addSubmenu(mnuFile, "mnuMerge", Id(1020));
    addItem(mnuMerge, "mnuMergeKZ", Id(1021), none, run(&frmMain::mergeDataFile));
    addItem(mnuMerge, "mnuMergeTXT", Id(1022), none, run(&frmMain::importInputFormat));
    addItem(mnuMerge, "mnuMergeCSV", Id(1023), none, run(&frmMain::importDelimited));
    addItem(mnuMerge, "mnuMergeHTML", Id(1024), none, run(&frmMain::importNetworkAnswers));
    QMenu* mnuOutput = addSubmenu(mnuFile, "mnuOutput", Id(1030));
    addItem(mnuOutput, "mnuSaveSelect", Id(1032), none, run(&frmMain::saveSelectedSamples));
    addItem(mnuOutput, "mnuHTMLOut", Id(1034), none, run(&frmMain::writeNetworkForms));
    // A database export was planned here; the item does nothing.
    addItem(mnuOutput, "mnuDBOut", Id(1035), none, [] {});
    addSeparator(mnuFile, "mnuSpace0");
    for (int i = 0; i < RecentFilesShown; ++i) {
        QAction* item = addItem(mnuFile, QStringLiteral("mnuFileMRU(%1)").arg(i).toLatin1().constData(), QString(),
                                none, [this, i] {
                                    // A copy: opening the file reorders the list it comes from.
                                    const QString path = ProgramSettings().MRUFiles[static_cast<size_t>(i)];
                                    OpenDataFile(path, OpenQuestionnaire);
                                });
        item->setVisible(false);
        mnuFileMRU[static_cast<size_t>(i)] = item;
    }
    mnuFileMRUSpace = addSeparator(mnuFile, "mnuFileMRUSpace");
    mnuFileMRUSpace->setVisible(false);
    addItem(mnuFile, "mnuQuit", Id(1099), QKeySequence(QStringLiteral("Ctrl+Q")), run(&frmMain::quit));

    mnuQuestion = new QMenu(Id(1100), this);
    mnuQuestion->setObjectName(QStringLiteral("mnuQuestion"));
    mnuQuestion->menuAction()->setObjectName(QStringLiteral("mnuQuestion"));
    addItem(mnuQuestion, "mnuSetQuestion", Id(1110), none, run(&frmMain::setQuestion));
    addItem(mnuQuestion, "mnuQuestions", Id(1111), QKeySequence(QStringLiteral("Ctrl+R")),
            run(&frmMain::showQuestions));
    addItem(mnuQuestion, "mnuAbout", Id(1112), none, run(&frmMain::showAbout));
    mnuQuestion->addSeparator();
    addItem(mnuQuestion, "mnuInput", Id(1120), QKeySequence(QStringLiteral("Ctrl+A")), run(&frmMain::input));
    addItem(mnuQuestion, "mnuSetParagraph", Id(1122), none, run(&frmMain::setParagraph));
    addItem(mnuQuestion, "mnuSetQuota", Id(1123), none, run(&frmMain::setQuota));
    addItem(mnuQuestion, "mnuSetCollection", Id(1124), none, run(&frmMain::setCollection));
    addItem(mnuQuestion, "mnuSetSaveInterval", Id(1125), none, run(&frmMain::setSaveInterval));
    addSeparator(mnuQuestion, "mnuSpaceTotal");
    addItem(mnuQuestion, "mnuSetLimit", Id(1310), none, run(&frmMain::setLimit));
    addItem(mnuQuestion, "mnuStatis", Id(1311), QKeySequence(QStringLiteral("Ctrl+N")), run(&frmMain::statis));

    mnuOthers = new QMenu(Id(1400), this);
    mnuOthers->setObjectName(QStringLiteral("mnuOthers"));
    mnuOthers->menuAction()->setObjectName(QStringLiteral("mnuOthers"));
    addItem(mnuOthers, "mnuInfoFormReset", Id(1410), none, run(&frmMain::resetWindows));
    addItem(mnuOthers, "mnuKey", Id(1413), QKeySequence(QStringLiteral("Ctrl+K")), run(&frmMain::showKey));
    addSeparator(mnuOthers, "mnuSpaceHelp");
    addItem(mnuOthers, "mnuHelpContent", Id(1510), none, run(&frmMain::helpContents));
    addItem(mnuOthers, "mnuHeplKeyword", Id(1511), none, run(&frmMain::helpKeyword));
    addSeparator(mnuOthers, "mnuSpaceAbout");
    addItem(mnuOthers, "mnuAboutKZ", Id(1512), none, run(&frmMain::aboutProgram));
}

void frmMain::showMenuState()
{
    const DocumentState& document = ProgramWorkspace().document;
    const Settings& settings = ProgramSettings();
    for (int i = 0; i < MenuItemCount; ++i) {
        const auto item = static_cast<MenuItem>(i);
        if (auto* action = findChild<QAction*>(MenuItemName(item)))
            action->setEnabled(MenuItemEnabled(item, document));
    }
    for (int i = 0; i < RecentFilesShown; ++i) {
        const QString& caption = settings.recentFileItems.captions[static_cast<size_t>(i)];
        mnuFileMRU[static_cast<size_t>(i)]->setText(RecentFileItemText(caption));
        mnuFileMRU[static_cast<size_t>(i)]->setVisible(!caption.isEmpty());
    }
    mnuFileMRUSpace->setVisible(settings.recentFileItems.separatorVisible);
}

}  // namespace kz
