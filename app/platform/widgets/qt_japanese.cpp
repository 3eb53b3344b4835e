#include "widgets/qt_japanese.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kz::widgets {

namespace {

// Qt's Japanese translation still files the file dialog's type names
// ("Folder", "Drive", ...) under the dialog, where Qt no longer looks for
// them.
class QtJapaneseTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char* disambiguation, int n) const override
    {
        QString text = QTranslator::translate(context, sourceText, disambiguation, n);
        if (text.isEmpty() && qstrcmp(context, "QAbstractFileIconProvider") == 0)
            text = QTranslator::translate("QFileDialog", sourceText, disambiguation, n);
        return text;
    }
};

}  // namespace

void UseJapaneseForQt()
{
    static QtJapaneseTranslator translator;
    if (!translator.isEmpty())
        return;
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    if (translator.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&translator);
}

}  // namespace kz::widgets
