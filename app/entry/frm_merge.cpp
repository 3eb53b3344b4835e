#include "entry/frm_merge.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>

#include "document/cmd_box.h"
#include "document/listed_samples.h"
#include "host/settings.h"
#include "imports/samples_csv.h"
#include "model/workspace.h"
#include "shell/program_state.h"
#include "shell/useful_controls.h"
#include "shell/window_services.h"
#include "texts/question_lists.h"
#include "widgets/forms.h"

namespace kz {

namespace {

constexpr Long HelpTopic = 92;
constexpr Long NetworkAnswersHelpTopic = 93;

template <class Control>
Control* Named(Control* control, const QString& name)
{
    control->setObjectName(name);
    return control;
}

QString Indexed(const char* name, int index)
{
    return QString::fromLatin1(name) + u'(' + QString::number(index) + u')';
}

QLabel* NewLabel(const QString& caption, const QString& name, QWidget* parent)
{
    return Named(new QLabel(caption, parent), name);
}

QPushButton* NewButton(const QString& caption, const QString& name, QWidget* parent)
{
    return Named(new QPushButton(caption, parent), name);
}

QRadioButton* NewOption(const QString& caption, const QString& name)
{
    return Named(new QRadioButton(caption), name);
}

// The option buttons in a row of their own, which makes them one group.
QWidget* OptionGroup(QWidget* parent, std::initializer_list<QRadioButton*> options)
{
    auto* group = new QWidget(parent);
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(0, 0, 0, 0);
    for (QRadioButton* option : options)
        row->addWidget(option);
    return group;
}

}  // namespace

frmMerge::frmMerge() : KzForm(QStringLiteral("frmMerge"))
{
    setWindowTitle(QStringLiteral("取り込み"));
    importPanel = new QWidget(this);
    buildFrames();
    buildPanel();
    lblFormat = new CommandLabel(QStringLiteral("lblFormat"), this);
    auto* layout = new QGridLayout(this);
    for (QGroupBox* frame : frameMake)
        layout->addWidget(frame, 0, 0);
    layout->addWidget(importPanel, 0, 0);
    connectControls();
    showFrame(-1);
}

void frmMerge::buildFrames()
{
    const QStringList titles = {QStringLiteral("ネットワークアンケートの作成"),
                                QStringLiteral("ﾈｯﾄﾜｰｸｱﾝｹｰﾄ回答の読み込み"), QStringLiteral("CSVの設定")};
    for (int i = 0; i < 3; ++i)
        frameMake[size_t(i)] = Named(new QGroupBox(titles[i], this), Indexed("frameMake", i));
    const QStringList label3 = {QStringLiteral("ﾌｧｲﾙ長さ"),
                                QStringLiteral("アンケート識別名(&N)"),
                                QStringLiteral("(半角英字・数字のみ)"),
                                QStringLiteral("OUTﾌｫﾙﾀﾞ(&O)"),
                                QStringLiteral("INﾌｫﾙﾀﾞ(&I)"),
                                QStringLiteral("アンケート識別名"),
                                QStringLiteral("サンプルを識別する質問（記述文で識別） (&D)")};
    const std::array<QWidget*, 7> label3Parent = {importPanel,  frameMake[0], frameMake[0], frameMake[1],
                                                  frameMake[1], frameMake[1], frameMake[0]};
    for (int i = 0; i < 7; ++i)
        Label3[size_t(i)] = NewLabel(label3[i], Indexed("Label3", i), label3Parent[size_t(i)]);

    QGroupBox* forms = frameMake[0];
    optKind[0] = Named(new QRadioButton(QStringLiteral("WWW(&W)"), forms), Indexed("optKind", 0));
    optKind[1] = Named(new QRadioButton(QStringLiteral("電子メール(&E)"), forms), Indexed("optKind", 1));
    optKind[0]->setChecked(true);
    txtDistName = Named(new QLineEdit(forms), QStringLiteral("txtDistName"));
    cmbDistQno = Named(new QComboBox(forms), QStringLiteral("cmbDistQno"));
    chkEssayFull = Named(new QCheckBox(QStringLiteral("記述欄を回答可能数だけ用意する (&M)"), forms),
                         QStringLiteral("chkEssayFull"));
    cmdDo = NewButton(QStringLiteral("開始(&S)"), QStringLiteral("cmdDo"), forms);
    cmdCancel = NewButton(QStringLiteral("キャンセル"), QStringLiteral("cmdCancel"), forms);
    cmdHelpContext = NewButton(QStringLiteral("?"), QStringLiteral("cmdHelpContext"), forms);
    auto* formsLayout = new QGridLayout(forms);
    // The labels' access keys go to the boxes they name.
    Label3[1]->setBuddy(txtDistName);
    Label3[6]->setBuddy(cmbDistQno);
    formsLayout->addWidget(optKind[0], 0, 0);
    formsLayout->addWidget(optKind[1], 0, 1);
    formsLayout->addWidget(Label3[1], 1, 0);
    formsLayout->addWidget(txtDistName, 1, 1);
    formsLayout->addWidget(Label3[2], 1, 2);
    formsLayout->addWidget(Label3[6], 2, 0, 1, 3);
    formsLayout->addWidget(cmbDistQno, 3, 0, 1, 3);
    formsLayout->addWidget(chkEssayFull, 4, 0, 1, 3);
    auto* formsButtons = new QHBoxLayout;
    formsButtons->addWidget(cmdHelpContext);
    formsButtons->addStretch();
    formsButtons->addWidget(cmdDo);
    formsButtons->addWidget(cmdCancel);
    formsLayout->addLayout(formsButtons, 5, 0, 1, 3);

    QGroupBox* answers = frameMake[1];
    auto* answersLayout = new QGridLayout(answers);
    const std::array<QLabel*, 2> dirLabels = {Label3[4], Label3[3]};
    const QStringList refCaptions = {QStringLiteral("参照(&I)"), QStringLiteral("参照(&O)")};
    for (int i = 0; i < 2; ++i) {
        txtDir[size_t(i)] = Named(new QLineEdit(answers), Indexed("txtDir", i));
        cmdFileRef[size_t(i)] = NewButton(refCaptions[i], Indexed("cmdFileRef", i), answers);
        dirLabels[size_t(i)]->setBuddy(txtDir[size_t(i)]);
        answersLayout->addWidget(dirLabels[size_t(i)], i, 0);
        answersLayout->addWidget(txtDir[size_t(i)], i, 1);
        answersLayout->addWidget(cmdFileRef[size_t(i)], i, 2);
    }
    lblDistName = NewLabel(QStringLiteral("---"), QStringLiteral("lblDistName"), answers);
    cmdGetWWW = NewButton(QStringLiteral("開始(&S)"), QStringLiteral("cmdGetWWW"), answers);
    cmdGetCancel = NewButton(QStringLiteral("ｷｬﾝｾﾙ"), QStringLiteral("cmdGetCancel"), answers);
    SSCommand1 = NewButton(QStringLiteral("?"), QStringLiteral("SSCommand1"), answers);
    answersLayout->addWidget(Label3[5], 2, 0);
    answersLayout->addWidget(lblDistName, 2, 1, 1, 2);
    auto* answersButtons = new QHBoxLayout;
    answersButtons->addWidget(SSCommand1);
    answersButtons->addStretch();
    answersButtons->addWidget(cmdGetWWW);
    answersButtons->addWidget(cmdGetCancel);
    answersLayout->addLayout(answersButtons, 3, 0, 1, 3);

    QGroupBox* csv = frameMake[2];
    Label1 = NewLabel(QStringLiteral("データの区切り"), QStringLiteral("Label1"), csv);
    optComma = NewOption(QStringLiteral("コンマ(CSV)"), QStringLiteral("optComma"));
    optTab = NewOption(QStringLiteral("タブ"), QStringLiteral("optTab"));
    optSpace = NewOption(QStringLiteral("スペース"), QStringLiteral("optSpace"));
    Picture1 = Named(OptionGroup(csv, {optComma, optTab, optSpace}), QStringLiteral("Picture1"));
    Label8 = NewLabel(QStringLiteral("記述のくくり文字"), QStringLiteral("Label8"), csv);
    optDouble = NewOption(QStringLiteral("\"xxx\""), QStringLiteral("optDouble"));
    optSingle = NewOption(QStringLiteral("'xxx'"), QStringLiteral("optSingle"));
    optNo = NewOption(QStringLiteral("無し"), QStringLiteral("optNo"));
    QWidget* quotes = OptionGroup(csv, {optDouble, optSingle, optNo});
    Label7 = NewLabel(QStringLiteral("質問に記述付き選択肢が無い時"), QStringLiteral("Label7"), csv);
    chkNoEssay = Named(new QCheckBox(QStringLiteral("記述文不要"), csv), QStringLiteral("chkNoEssay"));
    cmdConfig = NewButton(QStringLiteral("これでOK"), QStringLiteral("cmdConfig"), csv);
    auto* csvLayout = new QGridLayout(csv);
    csvLayout->addWidget(Label1, 0, 0);
    csvLayout->addWidget(Picture1, 0, 1);
    csvLayout->addWidget(Label8, 1, 0);
    csvLayout->addWidget(quotes, 1, 1);
    csvLayout->addWidget(Label7, 2, 0);
    csvLayout->addWidget(chkNoEssay, 2, 1);
    csvLayout->addWidget(cmdConfig, 3, 1, Qt::AlignRight);
}

void frmMerge::buildPanel()
{
    Label2 = NewLabel(QStringLiteral("形式"), QStringLiteral("Label2"), importPanel);
    lblFormatL = NewLabel(QString(), QStringLiteral("lblFormatL"), importPanel);
    Label6 = NewLabel(QStringLiteral("ﾌｧｲﾙ名"), QStringLiteral("Label6"), importPanel);
    lblFileName = new CommandLabel(QStringLiteral("lblFileName"), importPanel);
    lblFileName->show();
    lblFileLen = NewLabel(QString(), QStringLiteral("lblFileLen"), importPanel);
    Label4 = NewLabel(QStringLiteral("読込済長さ"), QStringLiteral("Label4"), importPanel);
    lblSeek = NewLabel(QString(), QStringLiteral("lblSeek"), importPanel);
    Label5 = NewLabel(QStringLiteral("読込ｻﾝﾌﾟﾙ数"), QStringLiteral("Label5"), importPanel);
    lblInportNum = NewLabel(QString(), QStringLiteral("lblInportNum"), importPanel);
    chkNoMessage = Named(new QCheckBox(QStringLiteral("回答修正メッセージあり(&M)"), importPanel),
                         QStringLiteral("chkNoMessage"));
    cmdGo = NewButton(QStringLiteral("進む(&G)"), QStringLiteral("cmdGo"), importPanel);
    cmdBack = NewButton(QStringLiteral("一つ戻って進む"), QStringLiteral("cmdBack"), importPanel);
    cmdStop = NewButton(QStringLiteral("中止(&S)"), QStringLiteral("cmdStop"), importPanel);
    cmdClose = NewButton(QStringLiteral("閉じる(&X)"), QStringLiteral("cmdClose"), importPanel);

    auto* labels = new QGridLayout;
    const std::array<std::pair<QLabel*, QLabel*>, 5> rows = {{{Label2, lblFormatL},
                                                              {Label6, lblFileName},
                                                              {Label3[0], lblFileLen},
                                                              {Label4, lblSeek},
                                                              {Label5, lblInportNum}}};
    for (int row = 0; row < int(rows.size()); ++row) {
        labels->addWidget(rows[size_t(row)].first, row, 0);
        labels->addWidget(rows[size_t(row)].second, row, 1);
        rows[size_t(row)].second->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    labels->setColumnStretch(1, 1);
    lblFileName->setWordWrap(true);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {cmdGo, cmdBack, cmdStop, cmdClose})
        buttons->addWidget(button);
    auto* panel = new QVBoxLayout(importPanel);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addLayout(labels);
    panel->addWidget(chkNoMessage);
    panel->addLayout(buttons);
}

void frmMerge::connectControls()
{
    connect(lblFormat, &CommandLabel::captionChanged, this, &frmMerge::formatWritten);
    connect(lblFileName, &CommandLabel::captionChanged, this, &frmMerge::fileNameWritten);
    // Each option button sets its setting when it becomes the chosen one.
    const std::array<std::tuple<QRadioButton*, QString*, QString>, 6> options = {{
        {optComma, &FieldSeparator, QStringLiteral(",")},
        {optTab, &FieldSeparator, QStringLiteral("\t")},
        {optSpace, &FieldSeparator, QStringLiteral(" ")},
        {optDouble, &QuoteChar, QStringLiteral("\"")},
        {optSingle, &QuoteChar, QStringLiteral("'")},
        {optNo, &QuoteChar, QString()},
    }};
    for (const auto& [option, setting, value] : options) {
        connect(option, &QRadioButton::toggled, this, [setting, value](bool on) {
            if (on)
                *setting = value;
        });
    }
    connect(cmdConfig, &QPushButton::clicked, this, &frmMerge::configured);
    connect(cmdDo, &QPushButton::clicked, this, &frmMerge::cmdDo_Click);
    connect(cmdGetWWW, &QPushButton::clicked, this, &frmMerge::cmdGetWWW_Click);
    connect(cmdCancel, &QPushButton::clicked, this, [this] { widgets::Forms::unload(*this); });
    connect(cmdGetCancel, &QPushButton::clicked, this, [this] { widgets::Forms::unload(*this); });
    for (int i = 0; i < 2; ++i) {
        connect(cmdFileRef[size_t(i)], &QPushButton::clicked, this, [this, i] {
            const QString folder = AskFolder();
            if (!folder.isEmpty())
                txtDir[size_t(i)]->setText(folder);
        });
    }
    connect(cmdHelpContext, &QPushButton::clicked, this, [] { ShowHelpContext(HelpTopic); });
    connect(SSCommand1, &QPushButton::clicked, this, [] { ShowHelpContext(NetworkAnswersHelpTopic); });
    connect(cmdGo, &QPushButton::clicked, this, &frmMerge::cmdGo_Click);
    connect(cmdBack, &QPushButton::clicked, this, &frmMerge::cmdBack_Click);
    connect(cmdStop, &QPushButton::clicked, this, &frmMerge::cmdStop_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmMerge::cmdClose_Click);
}

void frmMerge::formLoad()
{
    FieldSeparator = QStringLiteral(",");
    QuoteChar.clear();
    optComma->setChecked(true);
    optNo->setChecked(true);
    resize(440, sizeHint().height());
    CentreForm(this);
}

void frmMerge::formQueryClose(bool& cancel)
{
    // While records are being read the window stays; Stop ends the run.
    cancel = running_;
}

void frmMerge::formUnload(bool& cancel)
{
    Q_UNUSED(cancel);
    settleRefusedRecord();
    windows().unloadPreview();
}

CsvSettings frmMerge::csvSettings() const
{
    CsvSettings csv;
    csv.separator = FieldSeparator.isEmpty() ? QChar(u',') : FieldSeparator.at(0);
    csv.quote = QuoteChar.isEmpty() ? QChar() : QuoteChar.at(0);
    csv.noEssay = chkNoEssay->isChecked();
    return csv;
}

void frmMerge::showFrame(int index)
{
    for (int i = 0; i < int(frameMake.size()); ++i)
        frameMake[size_t(i)]->setVisible(i == index);
    importPanel->setVisible(index < 0);
}

void frmMerge::formatWritten(const QString& format)
{
    Survey& survey = ProgramWorkspace().survey;
    const DocumentState& document = ProgramWorkspace().document;
    const Settings& settings = ProgramSettings();
    if (format == QLatin1String("WWWHTML")) {
        setWindowTitle(QStringLiteral("ﾈｯﾄﾜｰｸｱﾝｹｰﾄ作成"));
        showFrame(0);
        QStringList tree(ProgramWorkspace().survey.QuestionCount);
        FillQuestionTree(survey, tree, 0);
        cmbDistQno->clear();
        cmbDistQno->addItem(QStringLiteral("(識別しない)"));
        cmbDistQno->addItems(tree);
        const int distQno = document.WWWDistQno + 1;
        cmbDistQno->setCurrentIndex(distQno < cmbDistQno->count() ? std::max(distQno, 0) : 0);
        txtDistName->setText(document.WWWDistName);
        chkEssayFull->setChecked(document.WWWEssayFull);
    } else if (format == QLatin1String("WWWANS")) {
        setWindowTitle(QStringLiteral("取り込み"));
        showFrame(1);
        txtDir[0]->setText(settings.WWWAnswerDir);
        txtDir[1]->setText(settings.WWWBackupDir);
        lblDistName->setText(document.WWWDistName);
    } else if (format == QLatin1String("CSV") || format == QLatin1String("OUTPUT")) {
        setWindowTitle(format == QLatin1String("CSV") ? QStringLiteral("取り込み") : QStringLiteral("CSV書き出し"));
        showFrame(2);
    } else {
        setWindowTitle(QStringLiteral("取り込み"));
        showFrame(-1);
    }
}

void frmMerge::fileNameWritten(const QString& path)
{
    lblFileLen->setText(QString::number(QFileInfo(path).size()));
    SeekPos = 1;
    SeekPrev = 1;
    storedCount_ = 0;
    corrected_.clear();
    showProgress();
}

QString frmMerge::withCorrections(const QString& message) const
{
    const QString note = corrected_.note();
    return note.isEmpty() ? message : message + QStringLiteral("\r\n") + note;
}

void frmMerge::showProgress()
{
    // The bytes read so far: SeekPos is where the next record starts.
    lblSeek->setText(QString::number(SeekPos - 1));
    lblInportNum->setText(QString::number(storedCount_));
}

void frmMerge::configured()
{
    if (lblFormat->text() != QLatin1String("OUTPUT")) {
        // The settings are taken; the import panel comes out from under the frame.
        showFrame(-1);
        return;
    }
    if (auto* sheet = dynamic_cast<ListedSamples*>(ParentGrid.data()))
        ExportSamplesCSV(ProgramWorkspace(), *sheet, csvSettings());
    widgets::Forms::unload(*this);
}

}  // namespace kz
