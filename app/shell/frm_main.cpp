#include "shell/frm_main.h"

#include <QGridLayout>
#include <QIcon>
#include <QScreen>
#include <QStyle>

#include "document/document_routines.h"
#include "document/menu_state.h"
#include "document/single_instance.h"
#include "files/file_header.h"
#include "files/settings_file.h"
#include "host/program_folder.h"
#include "host/settings.h"
#include "host/ui_seam.h"
#include "model/document.h"
#include "model/document_events.h"
#include "model/survey.h"
#include "shell/localize_form.h"
#include "shell/main_program.h"
#include "shell/menu_look.h"
#include "shell/popup_placement.h"
#include "shell/program_state.h"
#include "shell/unload_all_forms.h"
#include "shell/window_records.h"
#include "shell/window_services.h"
#include "widgets/forms.h"
#include "widgets/help_service.h"

namespace kz {

using widgets::Forms;

namespace {

// The size the icon themes draw their full-colour pictures at.
constexpr int PictureSize = 48;

// The caption while no questionnaire is named: at the start, and after a
// load that left nothing savable.
const QString ProgramCaption = QStringLiteral(" Kelvorzun");

// A picture of the desktop's icon theme, one set at one size; the style's
// own picture only where no theme has it.
QIcon Picture(const char* themeName, QStyle::StandardPixmap fallback, const QWidget* parent)
{
    return QIcon::fromTheme(QLatin1String(themeName), parent->style()->standardIcon(fallback));
}

QToolButton* PictureButton(const char* name, const QIcon& picture, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(picture);
    button->setIconSize(QSize(PictureSize, PictureSize));
    button->setAutoRaise(false);
    return button;
}

QLabel* Caption(const char* name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

}  // namespace

frmMain::frmMain() : KzForm(QStringLiteral("frmMain"))
{
    setWindowTitle(ProgramCaption);
    setAcceptDrops(true);
    buildControls();
    buildMenus();
}

frmMain::~frmMain() = default;

void frmMain::buildControls()
{
    cmdFile = PictureButton("cmdFile", Picture("system-file-manager", QStyle::SP_DirIcon, this), this);
    cmdQuestion =
        PictureButton("cmdQuestion", Picture("document-properties", QStyle::SP_FileDialogDetailedView, this), this);
    cmdOthers = PictureButton("cmdOthers", Picture("preferences-other", QStyle::SP_FileDialogListView, this), this);
    // Captions 1000, 1100 and 1400 of the string table, swapped in at load.
    lblFile = Caption("lblFile", QStringLiteral("1000"), this);
    Label2 = Caption("Label2", QStringLiteral("1100"), this);
    Label3 = Caption("Label3", QStringLiteral("1400"), this);

    cmdOpen = PictureButton("cmdOpen", Picture("document-open", QStyle::SP_DialogOpenButton, this), this);
    cmdSave = PictureButton("cmdSave", Picture("document-save", QStyle::SP_DialogSaveButton, this), this);
    cmdInput =
        PictureButton("cmdInput", Picture("accessories-text-editor", QStyle::SP_FileDialogContentsView, this), this);
    cmdStatis =
        PictureButton("cmdStatis", Picture("x-office-spreadsheet", QStyle::SP_FileDialogInfoView, this), this);
    cmdListQues =
        PictureButton("cmdListQues", Picture("x-office-document", QStyle::SP_FileDialogListView, this), this);
    const std::array<QString, 5> shortcutCaptions = {
        QStringLiteral("読み込み"), QStringLiteral("保存"),     QStringLiteral("回答入力"),
        QStringLiteral("集計検索"), QStringLiteral("質問一覧"),
    };
    for (int i = 0; i < 5; ++i)
        Label1[static_cast<size_t>(i)] = Caption(QStringLiteral("Label1(%1)").arg(i).toLatin1().constData(),
                                                 shortcutCaptions[static_cast<size_t>(i)], this);

    lblCommand = new CommandLabel(QStringLiteral("lblCommand"), this);
    connect(lblCommand, &CommandLabel::captionChanged, this, &frmMain::commandWritten);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(Picture("drive-harddisk", QStyle::SP_DriveHDIcon, this).pixmap(PictureSize, PictureSize));
    Image1->setToolTip(QStringLiteral("ここにファイルをドロップすると開きます"));

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(6);
    const std::array<QToolButton*, 3> menuButtons = {cmdFile, cmdQuestion, cmdOthers};
    const std::array<QLabel*, 3> menuCaptions = {lblFile, Label2, Label3};
    for (int i = 0; i < 3; ++i) {
        // The caption's access key moves to its button.
        menuCaptions[static_cast<size_t>(i)]->setBuddy(menuButtons[static_cast<size_t>(i)]);
        grid->addWidget(menuButtons[static_cast<size_t>(i)], 0, i, Qt::AlignHCenter);
        grid->addWidget(menuCaptions[static_cast<size_t>(i)], 1, i);
    }
    grid->setColumnMinimumWidth(3, 16);
    const std::array<QToolButton*, 5> shortcutButtons = {cmdOpen, cmdSave, cmdInput, cmdStatis, cmdListQues};
    for (int i = 0; i < 5; ++i) {
        grid->addWidget(shortcutButtons[static_cast<size_t>(i)], 0, 4 + i, Qt::AlignHCenter);
        grid->addWidget(Label1[static_cast<size_t>(i)], 1, 4 + i);
    }
    grid->setColumnMinimumWidth(9, 16);
    grid->addWidget(Image1, 0, 10, Qt::AlignCenter);

    connect(cmdFile, &QToolButton::clicked, this, [this] { popUp(mnuFile, cmdFile); });
    connect(cmdQuestion, &QToolButton::clicked, this, [this] { popUp(mnuQuestion, cmdQuestion); });
    connect(cmdOthers, &QToolButton::clicked, this, [this] { popUp(mnuOthers, cmdOthers); });
    connect(cmdOpen, &QToolButton::clicked, this, [this] { runCommand([this] { openButton(); }); });
    connect(cmdSave, &QToolButton::clicked, this, [this] { runCommand([this] { saveButton(); }); });
    // These follow their menu items: nothing happens while the item is off.
    const auto follow = [this](QToolButton* button, MenuItem item, void (frmMain::*command)()) {
        connect(button, &QToolButton::clicked, this, [this, item, command] {
            if (itemEnabled(item))
                runCommand([this, command] { (this->*command)(); });
        });
    };
    follow(cmdInput, MenuItem::mnuInput, &frmMain::input);
    follow(cmdStatis, MenuItem::mnuStatis, &frmMain::statis);
    follow(cmdListQues, MenuItem::mnuQuestions, &frmMain::showQuestions);
}

void frmMain::formLoad()
{
    Survey& survey = ProgramWorkspace().survey;
    DocumentState& document = ProgramWorkspace().document;
    Settings& settings = ProgramSettings();
    const DocumentEvents& events = documentEvents();
    connect(&events, &DocumentEvents::changed, this, &frmMain::showMenuState);
    connect(&events, &DocumentEvents::captionChanged, this, &frmMain::setWindowTitle);
    connect(&events, &DocumentEvents::captionReset, this, [this] { setWindowTitle(ProgramCaption); });
    // A load or merge replaces what the other windows show.
    connect(&events, &DocumentEvents::replaced, this, [] { UnloadAllForms(); });
    widgets::SetHelpFile(AppDir() + QStringLiteral("zuntab.hlp"));
    LocalizeForm(*this);
    CheckPrevInstance();
    InitBitMasks();
    LoadSettings(settings);
    RestoreWindowRec(WindowSlot::frmMain, this);
    windows().loadKeyWindow();
    InitNewFile(ProgramWorkspace(), settings);
    NewQuestionnaire(survey);
    // Nothing may be saved, entered or tabulated until a file is opened or
    // a questionnaire is made.
    SetUnsavable(document);
    ClearModified(document);
    showMenuState();
    openStartFile();
}

void frmMain::openStartFile()
{
    const Settings& settings = ProgramSettings();
    const QString commandLine = CommandLine();
    if (!commandLine.isEmpty()) {
        OpenDataFile(StartFilePath(commandLine), OpenQuestionnaire);
        return;
    }
    const QString recent = settings.MRUFiles[0];
    if (recent.isEmpty())
        return;
    if (MsgBox(recent + QStringLiteral("を読み込みますか"), vbYesNo | vbQuestion,
               QStringLiteral("Kelvorzunダイレクトスタート"))
        == vbYes)
        OpenDataFile(recent, OpenQuestionnaire);
}

void frmMain::runCommand(const std::function<void()>& command)
{
    // A long job keeps the program busy; no second one starts meanwhile.
    if (Forms::longJobRunning())
        return;
    command();
}

void frmMain::popUp(QMenu* menu, QToolButton* button)
{
    const QRect screen = this->screen()->geometry();
    const QRect place(button->mapToGlobal(QPoint(0, 0)), button->size());
    menu->popup(
        PopupMenuPoint(frameGeometry().left() - screen.left(), screen.width(), place, menu->sizeHint().width()));
}

bool frmMain::itemEnabled(MenuItem item) const { return MenuItemEnabled(item, ProgramWorkspace().document); }

void frmMain::commandWritten(const QString& command)
{
    if (command == QLatin1String("Load Page"))
        runCommand([this] { loadResult(); });
}

void frmMain::openButton()
{
    if (mnuFileOpen->isEnabled())
        fileOpen();
    else
        MsgBox(QStringLiteral("読み込みは禁止されています。アンケートを読み込んでいないか、データが壊れています。"),
               vbExclamation);
}

void frmMain::saveButton()
{
    // Save As, not Save, tells whether saving is allowed at all: an
    // unchanged questionnaire may still be saved.
    if (itemEnabled(MenuItem::mnuFileSaveAs))
        SaveFile();
    else
        refuseSaving();
}

void frmMain::refuseSaving()
{
    MsgBox(QStringLiteral("保存は禁止されています。アンケートを読み込んでいないか、データが壊れています。"),
           vbExclamation);
}

}  // namespace kz
