// Reading records from an import file written by the test:
//   ImportFixture writes `bytes` with Write() and reads every record of it
//   with ReadAll(format); the program state is reset around each test.
#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <vector>

#include "imports/delimited_import.h"
#include "imports/text_input_import.h"
#include "model/workspace.h"
#include "support/survey_fixture.h"
#include "texts/choice_texts.h"

namespace kz::test {

enum class Format { TextInput, Delimited };

class ImportFixture : public SurveyFixture {
protected:
    QString Write(const QByteArray& bytes, const QString& name = QStringLiteral("import.txt"))
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    ImportRecord Read(ImportLines& lines, Format format)
    {
        if (format == Format::TextInput)
            return ReadTextInputRecord(samples, settings, lines);
        return ReadDelimitedRecord(workspace, lines, csv, MarkEssayQuestions(survey, csv.noEssay));
    }

    // Every record of the file, up to the end (which is not listed).
    std::vector<ImportRecord> ReadAll(const QByteArray& bytes, Format format)
    {
        ImportLines lines;
        EXPECT_TRUE(lines.open(Write(bytes), 0));
        std::vector<ImportRecord> records;
        for (ImportRecord r = Read(lines, format); r.kind != ImportRecord::Kind::End; r = Read(lines, format)) {
            records.push_back(r);
            if (r.kind == ImportRecord::Kind::Failed)
                break;
        }
        return records;
    }

    CsvSettings csv;
    QTemporaryDir folder;
};

}  // namespace kz::test
