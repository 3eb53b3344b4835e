#include "rtf_reader.h"

#include <QByteArray>
#include <QMap>
#include <QStack>

#include "runtime/cp932.h"

namespace kz::widgets {

namespace {

// Where the text of a group goes.
enum class Destination { Text, FontTable, FontEntry, ColourTable };

struct GroupState {
    Destination destination = Destination::Text;
    int font = -1;
    double pointSize = 0;
    bool bold = false;
    bool italic = false;
    int colour = -1;

    void plain()
    {
        font = -1;
        pointSize = 0;
        bold = false;
        italic = false;
        colour = -1;
    }
};

bool IsLetter(QChar ch) { return (ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z'); }
bool IsDigit(QChar ch) { return ch >= u'0' && ch <= u'9'; }

int HexValue(QChar ch)
{
    if (IsDigit(ch))
        return ch.unicode() - u'0';
    if (ch >= u'a' && ch <= u'f')
        return ch.unicode() - u'a' + 10;
    if (ch >= u'A' && ch <= u'F')
        return ch.unicode() - u'A' + 10;
    return -1;
}

class RtfReader {
public:
    explicit RtfReader(const QString& rtf) : rtf_(rtf) { paragraphs_.append(QList<RtfRun>()); }

    RtfParagraphs read()
    {
        while (i_ < rtf_.size()) {
            const QChar ch = rtf_.at(i_++);
            if (ch == u'{') {
                flush();
                stack_.push(state_);
            } else if (ch == u'}') {
                flush();
                if (!stack_.isEmpty())
                    state_ = stack_.pop();
            } else if (ch == u'\\') {
                readControl();
            } else if (ch == u'\r' || ch == u'\n') {
                // Line ends in the source carry no meaning.
            } else if (ch.unicode() < 0x80) {
                literal(static_cast<char>(ch.unicode()));
            } else {
                // Not from an escaping writer: the character stands for its bytes.
                for (const char byte : ToCp932(QString(ch)))
                    literal(byte);
            }
        }
        flush();
        // The final \par ends the last paragraph.
        for (int k = 1; k < pendingBreaks_; ++k)
            paragraphs_.append(QList<RtfRun>());
        return paragraphs_;
    }

private:
    void readControl()
    {
        if (i_ >= rtf_.size())
            return;
        const QChar ch = rtf_.at(i_);
        if (ch == u'\'') {
            const int high = i_ + 1 < rtf_.size() ? HexValue(rtf_.at(i_ + 1)) : -1;
            const int low = i_ + 2 < rtf_.size() ? HexValue(rtf_.at(i_ + 2)) : -1;
            i_ += 3;
            if (high >= 0 && low >= 0)
                literal(static_cast<char>(high * 16 + low));
            return;
        }
        if (!IsLetter(ch)) {
            ++i_;
            if (ch == u'\\' || ch == u'{' || ch == u'}')
                literal(static_cast<char>(ch.unicode()));
            return;
        }
        flush();
        const qsizetype start = i_;
        while (i_ < rtf_.size() && IsLetter(rtf_.at(i_)))
            ++i_;
        const QString word = rtf_.mid(start, i_ - start);
        const qsizetype numberStart = i_;
        if (i_ < rtf_.size() && rtf_.at(i_) == u'-')
            ++i_;
        while (i_ < rtf_.size() && IsDigit(rtf_.at(i_)))
            ++i_;
        bool hasParam = false;
        const int param = rtf_.mid(numberStart, i_ - numberStart).toInt(&hasParam);
        if (i_ < rtf_.size() && rtf_.at(i_) == u' ')
            ++i_;
        controlWord(word, hasParam ? param : -1, hasParam);
    }

    void controlWord(const QString& word, int param, bool hasParam)
    {
        const bool on = !hasParam || param != 0;
        if (word == u"fonttbl") {
            state_.destination = Destination::FontTable;
        } else if (word == u"colortbl") {
            state_.destination = Destination::ColourTable;
            red_ = green_ = blue_ = 0;
        } else if (word == u"f") {
            if (state_.destination == Destination::FontTable || state_.destination == Destination::FontEntry) {
                state_.destination = Destination::FontEntry;
                fontEntry_ = param;
                fontName_.clear();
            } else {
                state_.font = param;
            }
        } else if (word == u"plain") {
            state_.plain();
        } else if (word == u"fs") {
            state_.pointSize = hasParam && param > 0 ? param / 2.0 : 0;
        } else if (word == u"b") {
            state_.bold = on;
        } else if (word == u"i") {
            state_.italic = on;
        } else if (word == u"cf") {
            state_.colour = param;
        } else if (word == u"red") {
            red_ = param;
        } else if (word == u"green") {
            green_ = param;
        } else if (word == u"blue") {
            blue_ = param;
        } else if (word == u"par") {
            ++pendingBreaks_;
        }
    }

    void literal(char byte)
    {
        switch (state_.destination) {
        case Destination::Text:
            bytes_ += byte;
            break;
        case Destination::FontEntry:
            if (byte == ';')
                fonts_[fontEntry_] = FromCp932(fontName_);
            else
                fontName_ += byte;
            break;
        case Destination::ColourTable:
            if (byte == ';') {
                colours_.append(QColor(red_ & 0xFF, green_ & 0xFF, blue_ & 0xFF));
                red_ = green_ = blue_ = 0;
            }
            break;
        case Destination::FontTable:
            break;
        }
    }

    // Decodes the text bytes gathered in the current formatting; runs before
    // every brace and control word, so no byte outlives its formatting.
    void flush()
    {
        if (bytes_.isEmpty())
            return;
        const QString text = FromCp932(bytes_);
        bytes_.clear();
        addText(text);
    }

    void addText(const QString& text)
    {
        qsizetype from = 0;
        for (qsizetype k = 0; k <= text.size(); ++k) {
            if (k < text.size() && text.at(k) != u'\r' && text.at(k) != u'\n')
                continue;
            addRun(text.mid(from, k - from));
            if (k < text.size()) {
                if (text.at(k) == u'\r' && k + 1 < text.size() && text.at(k + 1) == u'\n')
                    ++k;
                ++pendingBreaks_;
            }
            from = k + 1;
        }
    }

    void addRun(const QString& text)
    {
        if (text.isEmpty())
            return;
        for (; pendingBreaks_ > 0; --pendingBreaks_)
            paragraphs_.append(QList<RtfRun>());
        RtfRun run;
        run.text = text;
        run.fontName = fonts_.value(state_.font);
        run.pointSize = state_.pointSize;
        run.bold = state_.bold;
        run.italic = state_.italic;
        if (state_.colour >= 0 && state_.colour < colours_.size())
            run.colour = colours_.at(state_.colour);
        paragraphs_.last().append(run);
    }

    const QString& rtf_;
    qsizetype i_ = 0;
    GroupState state_;
    QStack<GroupState> stack_;
    QByteArray bytes_;
    QMap<int, QString> fonts_;
    int fontEntry_ = -1;
    QByteArray fontName_;
    QList<QColor> colours_;
    int red_ = 0;
    int green_ = 0;
    int blue_ = 0;
    int pendingBreaks_ = 0;
    RtfParagraphs paragraphs_;
};

}  // namespace

RtfParagraphs ReadRtf(const QString& rtf) { return RtfReader(rtf).read(); }

}  // namespace kz::widgets
