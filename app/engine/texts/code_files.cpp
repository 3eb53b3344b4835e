#include "texts/code_files.h"

#include <QFile>
#include <QRegularExpression>

#include "model/survey.h"
#include "runtime/cp932.h"
#include "runtime/val.h"
#include "texts/sequential_fields.h"

namespace kz {

namespace {

const QString Unknown = QStringLiteral("?");

bool IsGiven(const QString& part) { return !part.isEmpty() && part != Unknown; }

bool IsNumberText(const QString& s)
{
    static const QRegularExpression number(QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)\\s*$"));
    return number.match(s).hasMatch();
}

// Code files written on Windows name their folder with "\".
QString CodeFilePath(const QString& codeFile, const QString& dataFilePath)
{
    QString name = codeFile;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (name.contains(QLatin1Char('/')))
        return name;
    QString folder = dataFilePath;
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return folder.left(folder.lastIndexOf(QLatin1Char('/')) + 1) + name;
}

bool Matches(const QString& entryCode, const QString& entryLabel, const QString& code, const QString& label)
{
    if (IsGiven(label) && label == entryLabel)
        return true;
    if (!IsGiven(code))
        return false;
    // Only two numbers compare by value: "012" is "12", but "A1" is not "B2".
    return entryCode == code || (IsNumberText(entryCode) && IsNumberText(code) && Val(entryCode) == Val(code));
}

void FillFromFile(const QString& path, QString& code, QString& label)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    SequentialFields fields(FromCp932(file.readAll()));
    while (!fields.atEnd()) {
        const QString entryCode = fields.next();
        if (entryCode.isEmpty() || entryCode.startsWith(QLatin1Char('\''))) {
            // The whole entry is skipped: a comment line "'code,label" must
            // not pair its label with the next line's code.
            fields.skipLine();
            continue;
        }
        if (fields.atEnd())
            return;  // a code without its label
        const QString entryLabel = fields.next();
        if (Matches(entryCode, entryLabel, code, label)) {
            if (!IsGiven(code))
                code = entryCode;
            if (!IsGiven(label))
                label = entryLabel;
            return;
        }
    }
}

}  // namespace

void LookupChoiceCode(const Survey& questionnaire, Integer q, Integer c, QString& code, QString& label,
                      const QString& dataFilePath)
{
    const QString& codeFile = questionnaire.Choices(q, c).CodeFile;
    if (!codeFile.isEmpty())
        FillFromFile(CodeFilePath(codeFile, dataFilePath), code, label);
    if (code.isEmpty())
        code = Unknown;
    if (label.isEmpty())
        label = Unknown;
}

void SplitCodeLabel(const QString& s, QString& code, QString& label)
{
    const qsizetype colon = s.indexOf(QLatin1Char(':'));
    if (colon >= 0) {
        code = s.left(colon);
        label = s.mid(colon + 1);
    } else if (Cp932Length(s) == s.size()) {
        code = s;
        label = Unknown;
    } else {
        code = Unknown;
        label = s;
    }
}

}  // namespace kz
