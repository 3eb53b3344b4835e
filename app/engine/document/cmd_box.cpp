#include "document/cmd_box.h"

#include <QList>

#include <algorithm>

#include "model/survey.h"

namespace kz {

namespace {
// The old help viewer's commands.
constexpr int HelpContext = 1;
constexpr int HelpQuit = 2;
constexpr int HelpContents = 11;
constexpr int HelpPartialKey = 261;
}  // namespace

Integer AskBox(const QString& text1, const QString& text2, const QString& caption1, const QString& caption2)
{
    return ui().askBox(text1, text2, caption1, caption2);
}

bool InputBoxEx(const QString& title, const QString& name, const QString& range, const QString& caution,
                QString& text)
{
    QString answer = text;
    if (!ui().inputBox(title, name, range, caution, answer)) {
        text.clear();
        return false;
    }
    text = answer;
    return true;
}

QString AskFolder() { return ui().askFolder(); }

bool AskPassword(const QString& expected) { return ui().askPassword(expected); }

Integer QBoxSelect(const Survey& questionnaire, const QString& prompt, Integer first)
{
    if (first < 0 || first >= questionnaire.QuestionCount)
        return -1;
    return ui().qBoxSelect(prompt, first);
}

void QBoxSelectMany(const Survey& questionnaire, const QString& prompt, std::span<Integer> selected)
{
    QList<bool> chosen;
    if (!ui().qBoxSelectMany(prompt, chosen)) {
        if (!selected.empty())
            selected[0] = QBoxCancelled;
        return;
    }
    const auto count = std::min<qsizetype>(questionnaire.QuestionCount, static_cast<qsizetype>(selected.size()));
    for (qsizetype q = 0; q < count; ++q)
        selected[q] = chosen.value(q) ? Integer(-1) : Integer(0);
}

QString FileDialog(const QString& path, const QString& filter, Integer saveMode)
{
    return ui().fileDialog(path, filter, saveMode != 0);
}

void ShowHelpContext(Long contextId) { ui().showHelp(HelpContext, contextId); }
void ShowHelpContents() { ui().showHelp(HelpContents, 0); }
void ShowHelpByDialog() { ui().showHelp(HelpPartialKey, 0); }
void QuitHelp() { ui().showHelp(HelpQuit, 0); }

}  // namespace kz
