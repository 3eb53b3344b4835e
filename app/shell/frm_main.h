// The main window: three picture buttons that pop up its three menus, five
// shortcut buttons for the daily commands, and the menus from which every
// other window is reached. Its load handler is the program's start-up; its
// unload is the shut-down. The enabled state of its menu items mirrors the
// document state (menu_state.h).
#pragma once

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

#include <array>
#include <functional>

#include "runtime/vbtypes.h"
#include "shell/menu_look.h"
#include "widgets/command_label.h"
#include "widgets/kz_form.h"

namespace kz {

class frmMain : public widgets::KzForm {
    Q_OBJECT
public:
    frmMain();
    ~frmMain() override;

    // The settings slot of the window's placement.

    // Picture buttons popping up the menus, and their captions.
    QToolButton* cmdFile;
    QToolButton* cmdQuestion;
    QToolButton* cmdOthers;
    QLabel* lblFile;
    QLabel* Label2;
    QLabel* Label3;
    // Shortcut buttons and the captions under them.
    QToolButton* cmdOpen;
    QToolButton* cmdSave;
    QToolButton* cmdInput;
    QToolButton* cmdStatis;
    QToolButton* cmdListQues;
    std::array<QLabel*, 5> Label1;
    // "Load Page" opens a result page.
    CommandLabel* lblCommand;
    QLabel* Image1;

    QMenu* mnuFile;
    QMenu* mnuQuestion;
    QMenu* mnuOthers;
    QAction* mnuFileOpen;
    std::array<QAction*, 4> mnuFileMRU;
    QAction* mnuFileMRUSpace;

    // Every way of opening a file ends here: asks about unsaved changes,
    // loads `path` (mode 1 a data file, 2 a result page) and opens the
    // result page in a sheet when there is one. `path` is the caller's copy.
    void OpenDataFile(QString path, Integer mode);
    // Opens a result page whose questionnaire is loaded.
    void AfterFileLoad(const QString& pagePath);
    // The New command.
    void FileNew();

    // The save question before the document is replaced or the program
    // ends. False when the caller must stop: Cancel, or Yes with a save that
    // failed or was stopped, so unsaved work is never dropped.
    bool SaveChangesFirst();
    // The Save command: to the document's path, or by Save As when it has
    // none. True when the file was saved.
    bool SaveFile();
    // Save As: the path becomes the document's only once saved. An
    // unsavable document is refused with a message.
    bool SaveFileAs();

protected:
    void formLoad() override;
    void formUnload(bool& cancel) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    QAction* addItem(QMenu* menu, const char* name, const QString& caption, const QKeySequence& key,
                     std::function<void()> command);
    QAction* addSeparator(QMenu* menu, const char* name);
    QMenu* addSubmenu(QMenu* menu, const char* name, const QString& caption);
    void runCommand(const std::function<void()>& command);
    void commandWritten(const QString& command);
    void showMenuState();
    void popUp(QMenu* menu, QToolButton* button);
    bool itemEnabled(MenuItem item) const;
    void openStartFile();
    static void refuseSaving();

    // File menu
    void fileOpen();
    void fileSaveAs();
    void loadResult();
    void mergeDataFile();
    void importInputFormat();
    void importDelimited();
    void importNetworkAnswers();
    void saveSelectedSamples();
    void writeNetworkForms();
    void quit();
    // Questionnaire menu
    void setQuestion();
    void showQuestions();
    void showAbout();
    void input();
    void setParagraph();
    void setQuota();
    void setCollection();
    void setSaveInterval();
    void setLimit();
    void statis();
    // Others menu
    void resetWindows();
    void showKey();
    void helpContents();
    void helpKeyword();
    void aboutProgram();
    // Shortcut buttons
    void openButton();
    void saveButton();
};

}  // namespace kz
