#include "tabulation/page_file.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>

#include "files/counted_strings.h"
#include "files/file_commit.h"
#include "files/file_header.h"
#include "host/ui_seam.h"
#include "model/question_codes.h"
#include "model/survey.h"
#include "runtime/cp932.h"
#include "runtime/file_errors.h"
#include "tabulation/free_text_condition.h"
#include "tabulation/free_text_listing.h"

namespace kz {

namespace {

const QString CrLf = QStringLiteral("\r\n");
// The most bytes a plain counted string holds.
constexpr int LongestPlainString = 32767;
// The row after the last block of a cut range may be stored as the row the
// block that did not fit reached: at most a whole block past the limit.
constexpr int LastRowStartLimit = SheetRowLimit + MaxChoices + BlockExtraRows;

bool IsListing(const TotalOptionRec& option) { return option.Kind == TotalFreeTexts; }

void WriteCondition(BinaryWriter& out, const Condition& cond)
{
    for (const LimitItem& item : cond) {
        out.writeInteger(item.KindRank);
        out.writeInteger(item.Code);
    }
}

void ReadCondition(BinaryReader& in, Condition& cond)
{
    for (LimitItem& item : cond) {
        item.KindRank = in.readInteger();
        item.Code = in.readInteger();
    }
}

void WriteCountResult(BinaryWriter& out, const PageContents& page)
{
    const TotalOptionRec& option = page.option;
    const ResultTable& table = page.result;
    for (int q = option.Qno; q <= option.ToQno + 1; ++q)
        out.writeInteger(table.RowStart[static_cast<size_t>(q)]);
    const int rows = table.RowStart[static_cast<size_t>(option.ToQno) + 1] + 2;
    for (int L = 0; L < option.LimitCount; ++L) {
        for (int r = 0; r < rows; ++r) {
            const bool inTable = L < table.columns && r < table.rows;
            out.writeInteger(inTable ? table.code(L, r) : Integer{0});
            out.writeLong(inTable ? table.count(L, r) : Long{0});
        }
    }
}

// The texts' lengths were checked before: each fits a plain string.
void WriteListingGrid(BinaryWriter& out, const ListingGridText& grid)
{
    out.writeInteger(static_cast<Integer>(grid.colWidths.size()));
    out.writeInteger(static_cast<Integer>(grid.rows));
    for (const Long width : grid.colWidths)
        out.writeLong(width);
    for (const Long height : grid.rowHeights)
        out.writeLong(height);
    for (const QStringList& column : grid.columns)
        for (const QString& text : column)
            PutStr(out, text);
}

// Walks a count page's stored result; false when it does not fit the
// request or names a choice the questionnaire lacks.
bool ReadCountResult(BinaryReader& in, const Survey& questionnaire, const TotalOptionRec& option)
{
    Integer previous = 1;
    for (int q = option.Qno; q <= option.ToQno + 1; ++q) {
        const Integer start = in.readInteger();
        const int limit = q <= option.ToQno ? SheetRowLimit : LastRowStartLimit;
        if (start < previous || start > limit)
            return false;
        previous = start;
    }
    const int rows = previous + 2;
    for (int cell = 0; cell < option.LimitCount * rows && in.ok(); ++cell) {
        const Integer code = in.readInteger();
        in.readLong();
        Integer q = 0;
        Integer c = 0;
        SplitQC(code, q, c);
        if (code >= 0 && (q >= questionnaire.QuestionCount || c >= questionnaire.Questions[q].ChoiceCount))
            return false;
    }
    return in.ok();
}

// Walks a listing page's stored grid and gives the heading-row texts of the
// columns after the fixed ones; nullopt when the grid is damaged.
std::optional<QStringList> ReadListingGrid(BinaryReader& in)
{
    const Integer cols = in.readInteger();
    const Integer rows = in.readInteger();
    if (cols < 0 || rows < 1)
        return std::nullopt;
    for (int c = 0; c < cols && in.ok(); ++c)
        in.readLong();
    for (int r = 1; r < rows && in.ok(); ++r)
        in.readLong();
    QStringList headings;
    for (int c = 0; c < cols && in.ok(); ++c) {
        for (int r = 1; r < rows && in.ok(); ++r) {
            const QString text = GetStr(in);
            if (r == 1 && c >= ListingFixedColumns)
                headings << text;
        }
    }
    if (!in.ok())
        return std::nullopt;
    return headings;
}

// The referenced questions of a listing page: the stored first one, and
// after it the questions whose headings stand over the following columns,
// in question order. The columns the stored one does not head are another
// result's (a tally, a search): no question is taken from them. A stored 0
// that heads no column stands for no referenced question at all.
std::vector<Integer> ReferencedQuestions(const Survey& questionnaire, Integer first, const QStringList& headings)
{
    if (headings.isEmpty() || headings.first() != ListedQuestionHeading(questionnaire, first))
        return first > 0 ? std::vector<Integer>{first} : std::vector<Integer>{};
    std::vector<Integer> refs{first};
    Integer q = first + 1;
    for (qsizetype column = 1; column < headings.size(); ++column) {
        while (q < questionnaire.QuestionCount && ListedQuestionHeading(questionnaire, q) != headings.at(column))
            ++q;
        if (q >= questionnaire.QuestionCount)
            break;
        refs.push_back(q++);
    }
    return refs;
}

QString PageLines(const QString& fileName) { return QStringLiteral("この集計結果ファイル") + CrLf + fileName + CrLf; }

bool ReportSaveFailure(const QString& fileName, const QString& what)
{
    Beep();
    MsgBox(PageLines(fileName) + what + CrLf + QStringLiteral("正しく保存出来ませんでした。"), vbExclamation);
    return false;
}

QString CommitFailureText(const CommitFailure& failure)
{
    const QString what = failure.step == CommitStep::Replace
                             ? QStringLiteral("ファイルを新しい内容に置き換えられません。")
                             : QStringLiteral("ファイルをディスクに書き込めませんでした。");
    return what + FileErrorText(failure.osError);
}

}  // namespace

void WritePage(BinaryWriter& out, const PageContents& page)
{
    const TotalOptionRec& option = page.option;
    const bool listing = IsListing(option);
    WriteFileHeader(out, PageFile);
    PutStr(out, page.basePath);
    PutStr(out, page.questionnaireTitle);
    out.writeInteger(listing ? 1 : 0);
    PutStr(out, page.sheetTitle);
    out.writeInteger(option.Qno);
    out.writeInteger(listing ? option.XQno : option.ToQno);
    out.writeInteger(page.DisplayOptions);
    out.writeInteger(option.Rough ? 1 : 0);
    out.writeInteger(option.Rank);
    out.writeInteger(option.LimitCount);
    for (int k = 0; k < option.LimitCount; ++k) {
        const auto index = static_cast<size_t>(k);
        if (listing)
            out.writeInteger(index < page.RefQuestions.size() ? page.RefQuestions[index] : Integer{0});
        else
            WriteCondition(out, option.Limits[index + 1]);
    }
    WriteCondition(out, option.Limits[0]);
    if (listing)
        WriteListingGrid(out, page.grid);
    else
        WriteCountResult(out, page);
}

bool SavePageFile(const QString& fileName, const PageContents& page)
{
    for (const QStringList& column : page.grid.columns)
        for (const QString& text : column)
            if (Cp932Length(text) > LongestPlainString)
                return ReportSaveFailure(fileName, QStringLiteral("一覧に長すぎる記述文があります。"));
    QSaveFile file(fileName);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return ReportSaveFailure(fileName, QStringLiteral("ファイルを作成できません。") + FileErrorText(errno));
    BinaryWriter out(file);
    WritePage(out, page);
    if (!out.ok())
        return ReportSaveFailure(fileName, QStringLiteral("ファイルに書き込めませんでした。") + FileErrorText(errno));
    if (const std::optional<CommitFailure> failure = CommitFile(file))
        return ReportSaveFailure(fileName, CommitFailureText(*failure));
    return true;
}

std::optional<PageRequest> ReadPage(BinaryReader& in, const Survey& questionnaire, const TotalOptionRec& current,
                                    QString& refusal)
{
    const QString damaged = QStringLiteral("ファイルが途中で切れているか、壊れています。");
    PageRequest page;
    TotalOptionRec& option = page.option;
    option = current;
    GetStr(in);  // the questionnaire's title
    const bool listing = in.readInteger() != 0;
    option.Kind = listing ? TotalFreeTexts : TotalCodedAnswers;
    option.CrossMode = listing ? Integer(WithText) : Integer(2);  // 2: a coded cross
    option.Title = GetStr(in);
    option.Qno = in.readInteger();
    option.ToQno = in.readInteger();
    if (listing)
        option.XQno = option.ToQno;
    page.DisplayOptions = in.readInteger();
    option.Rough = in.readInteger() == 1;
    option.Rank = in.readInteger();
    option.LimitCount = in.readInteger();
    if (!in.ok() || option.LimitCount < 1 || option.LimitCount > MaxLimitCount) {
        refusal = damaged;
        return std::nullopt;
    }
    // A listing has one individual condition, so one referenced question.
    Integer firstRef = 0;
    for (int k = 0; k < option.LimitCount; ++k) {
        if (listing)
            firstRef = in.readInteger();
        else
            ReadCondition(in, option.Limits[static_cast<size_t>(k) + 1]);
    }
    ReadCondition(in, option.Limits[0]);
    if (!in.ok()) {
        refusal = damaged;
        return std::nullopt;
    }
    QString unfit = TotalOptionRefusal(option, questionnaire);
    if (unfit.isEmpty() && listing && (firstRef < 0 || firstRef >= questionnaire.QuestionCount))
        unfit = QStringLiteral("参照質問(%1)がありません。").arg(firstRef + 1);
    if (!unfit.isEmpty()) {
        refusal = QStringLiteral("現在のアンケートに合いません。") + CrLf + unfit;
        return std::nullopt;
    }
    std::optional<QStringList> headings;
    bool whole = false;
    if (listing) {
        headings = ReadListingGrid(in);
        whole = headings.has_value();
    } else {
        whole = ReadCountResult(in, questionnaire, option);
    }
    if (!whole || !in.atEnd()) {
        refusal = in.ok() && !whole ? QStringLiteral("集計結果が現在のアンケートに合いません。") : damaged;
        return std::nullopt;
    }
    if (listing)
        page.RefQuestions = ReferencedQuestions(questionnaire, firstRef, *headings);
    return page;
}

std::optional<PageRequest> LoadPageFile(const QString& fileName, const Survey& questionnaire,
                                        const TotalOptionRec& current)
{
    QFile file(fileName);
    if (const int error = OpenForReading(file)) {
        Beep();
        MsgBox(PageLines(fileName) + QStringLiteral("を開けません。") + FileErrorText(error), vbExclamation);
        return std::nullopt;
    }
    BinaryReader in(file);
    QString name = fileName;
    // The sheet's own load asks nothing, so no open document is compared.
    if (FileVersion(in, DocumentState{}, name, OpenPageInSheet) != PageFile)
        return std::nullopt;
    QString refusal;
    std::optional<PageRequest> page = ReadPage(in, questionnaire, current, refusal);
    if (!page) {
        Beep();
        MsgBox(PageLines(fileName) + QStringLiteral("は読み込めません。") + CrLf + refusal, vbExclamation);
    }
    return page;
}

}  // namespace kz
