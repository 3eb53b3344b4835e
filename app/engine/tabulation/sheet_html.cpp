#include "tabulation/sheet_html.h"

#include <QStringList>

#include <map>
#include <utility>

#include "model/question_codes.h"
#include "model/survey.h"
#include "tabulation/block_cells.h"
#include "tabulation/count_sheet.h"
#include "texts/choice_texts.h"
#include "texts/condition_texts.h"

namespace kz {

namespace {

// The first grid row of a listing below its heading and condition rows.
constexpr int FirstListingRow = 3;

QString Esc(const QString& text) { return text.toHtmlEscaped(); }

QString Th(const char* align, const QString& text)
{
    return QStringLiteral("<TH ALIGN=\"%1\">").arg(QLatin1String(align)) + Esc(text) + QStringLiteral("</TH>");
}

QString ValueCell(const QString& text)
{
    return QStringLiteral("<TD ALIGN=\"right\">") + text + QStringLiteral("</TD>");
}

// The value texts of one block, by grid row.
struct BlockValues {
    std::map<int, QString> counts;
    std::map<int, QString> percents;
};

BlockValues ValuesOf(const Survey& questionnaire, const CountSheet& sheet, Integer q, int L)
{
    const BlockColumns columns = ColumnsOfBlock(sheet.columns.ColStart, sheet.columns.DisplayOptions, L);
    BlockValues values;
    for (const SheetCell& cell : BlockCells(questionnaire, sheet, q, L)) {
        if (cell.col == columns.count)
            values.counts[cell.row] = cell.text;
        else if (cell.col == columns.percent)
            values.percents[cell.row] = cell.text;
    }
    return values;
}

// The choice on choice row k of q's block in column L; natural order for a
// block that was not counted.
Integer ChoiceAt(const Survey& questionnaire, const CountSheet& sheet, Integer q, int L, int k)
{
    const Integer choices = questionnaire.Questions[q].ChoiceCount;
    if (!sheet.result.counted(q, L))
        return static_cast<Integer>((k + 1) % choices);
    return QCChoice(sheet.result.code(L, sheet.result.RowStart[q] + BlockHeadRows + k));
}

// The grid row of `choice` in column L's block of q (the base row for -1).
int RowOf(const Survey& questionnaire, const CountSheet& sheet, Integer q, int L, Integer choice)
{
    const int baseRow = BaseRow(questionnaire, sheet.result, q);
    const int first = sheet.result.RowStart[q] + BlockHeadRows;
    for (int k = 0; choice >= 0 && first + k < baseRow; ++k)
        if (ChoiceAt(questionnaire, sheet, q, L, k) == choice)
            return first + k;
    return baseRow;
}

void AddCountTable(QStringList& lines, const Survey& questionnaire, const CountSheet& sheet, Integer q)
{
    const TotalOptionRec& option = sheet.SheetOption;
    const bool counts = (sheet.columns.DisplayOptions & ShowCounts) != 0;
    const bool percents = (sheet.columns.DisplayOptions & ShowPercents) != 0;
    lines << QStringLiteral("<H2>") + Esc(BlockHeading(questionnaire, option, q)) + QStringLiteral("</H2>");
    lines << QStringLiteral("<TABLE BORDER=\"1\">");
    lines << QStringLiteral("<TR>") + Th("left", QStringLiteral("[全体の限定]"))
                 + QStringLiteral("<TD COLSPAN=\"2\" width=200>")
                 + Esc(ConditionText(questionnaire, option.Limits[0], false)) + QStringLiteral("</TD></TR>");
    QString columnLine = QStringLiteral("<TR>") + Th("left", QStringLiteral("[個別の限定]"));
    for (int L = 0; L < option.LimitCount; ++L)
        columnLine +=
            (counts && percents ? QStringLiteral("<TD COLSPAN=\"2\" width=200>") : QStringLiteral("<TD width=100>"))
            + Esc(sheet.ColumnText.value(L)) + QStringLiteral("</TD>");
    lines << columnLine;

    std::vector<BlockValues> values;
    for (int L = 0; L < option.LimitCount; ++L)
        values.push_back(ValuesOf(questionnaire, sheet, q, L));
    const Integer choices = questionnaire.Questions[q].ChoiceCount;
    for (int k = 0; k <= choices; ++k) {
        const Integer choice = k < choices ? ChoiceAt(questionnaire, sheet, q, 0, k) : Integer{-1};
        QString line = QStringLiteral("<TR>");
        if (choice >= 0)
            line += Th("left", ChoiceLabel(questionnaire, q, choice, false, false));
        else
            line += Th("left", option.Rough ? QStringLiteral("[粗集計人数]") : QStringLiteral("[人数]"));
        for (int L = 0; L < option.LimitCount; ++L) {
            const int row = RowOf(questionnaire, sheet, q, L, choice);
            const BlockValues& block = values[static_cast<size_t>(L)];
            if (counts)
                line += ValueCell(block.counts.count(row) ? block.counts.at(row) : QString());
            if (percents)
                line += ValueCell(block.percents.count(row) ? block.percents.at(row) : QString());
        }
        lines << line + QStringLiteral("</TR>");
    }
    lines << QStringLiteral("</TABLE>") << QStringLiteral("<BR>");
}

void AddListingTable(QStringList& lines, const Survey& questionnaire, const TotalOptionRec& option,
                     const CellText& grid, int gridRows, int gridCols)
{
    lines << QStringLiteral("<H2>") + Esc(BlockHeading(questionnaire, option, option.Qno)) + QStringLiteral("</H2>");
    lines << Esc(ConditionText(questionnaire, option.Limits[0], false)) + QStringLiteral("<BR>");
    lines << QStringLiteral("<TABLE BORDER=\"1\">");
    for (int r = FirstListingRow; r < gridRows; ++r) {
        QString line = QStringLiteral("<TR>") + Th("right", grid(r, 0)) + Th("center", grid(r, 1));
        for (int c = 2; c < gridCols; ++c)
            line += Th("center", grid(r, c));
        lines << line + QStringLiteral("</TR>");
    }
    lines << QStringLiteral("</TABLE>") << QStringLiteral("<BR>");
}

}  // namespace

QString SheetHtml(const Survey& questionnaire, const CountSheet& sheet, const CellText& grid, int gridRows,
                  int gridCols)
{
    QStringList lines{
        QStringLiteral("<html>"),
        QStringLiteral("<head>"),
        QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=x-sjis\">"),
        QStringLiteral("<title>") + Esc(questionnaire.Title) + QStringLiteral("</title>"),
        QStringLiteral("</head> "),
        QStringLiteral("<body>"),
    };
    const TotalOptionRec& option = sheet.SheetOption;
    if (option.Kind == TotalCodedAnswers) {
        for (Integer q = option.Qno; q <= option.ToQno; ++q)
            AddCountTable(lines, questionnaire, sheet, q);
    } else if (option.Kind == TotalFreeTexts) {
        AddListingTable(lines, questionnaire, option, grid, gridRows, gridCols);
    }
    lines << QStringLiteral("</form>") << QStringLiteral("</body>") << QStringLiteral("</html>");
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

}  // namespace kz
