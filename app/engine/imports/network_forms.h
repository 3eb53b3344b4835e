// The questionnaire handed out over the network: an HTML form posted to the
// web server's form script, and an e-mail text that respondents return with
// their marks. Both name every choice and free-text field so that the
// network answer import can map each answer back to its question and choice.
#pragma once

#include <QString>

namespace kz {

struct Survey;

struct NetworkFormOptions {
    // Tells this questionnaire's answers from other questionnaires'.
    QString distName;
    // Every free-text choice offers as many text fields as answers allowed.
    bool essayFull = false;
};

// Whether `name` may serve as the distinction name: half-width letters and
// digits only, at least one.
bool IsValidDistName(const QString& name);

// The forms of the questionnaire, lines ended by CR LF.
QString QuestionnaireHTML(const Survey& questionnaire, const NetworkFormOptions& options);
QString QuestionnaireMailText(const Survey& questionnaire, const NetworkFormOptions& options);

// Write the form to fileName (replacing a file of that name) and beep. Every
// failure is reported to the user; false then, and a previous file is left.
bool WriteQuestionnaireHTML(const Survey& questionnaire, const QString& fileName, const NetworkFormOptions& options);
bool WriteQuestionnaireMailText(const Survey& questionnaire, const QString& fileName,
                                const NetworkFormOptions& options);

}  // namespace kz
