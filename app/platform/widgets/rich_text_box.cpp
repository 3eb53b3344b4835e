#include "rich_text_box.h"

#include <QAbstractTextDocumentLayout>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMimeData>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

#include "rtf_reader.h"

namespace kz::widgets {

namespace {

// Every line break form as the document's "\n".
QString UnifyLineBreaks(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

QTextCharFormat RunFormat(const RtfRun& run)
{
    QTextCharFormat format;
    if (!run.fontName.isEmpty())
        format.setFontFamilies({run.fontName});
    if (run.pointSize > 0)
        format.setFontPointSize(run.pointSize);
    format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(run.italic);
    if (run.colour.isValid())
        format.setForeground(run.colour);
    return format;
}

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

// The height of a line in `font` that holds Latin letters and Japanese.
qreal MixedLineHeight(const QFont& font)
{
    QTextLayout layout(QStringLiteral("Ag漢あ"), font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setNumColumns(layout.text().size());
    layout.endLayout();
    return std::max(line.height(), QFontMetricsF(font).height());
}

// Focus moving between controls, not the window or a menu coming and going.
bool BetweenControls(const QFocusEvent* event)
{
    return event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
}

// A layout that lays out nothing. It asks for the box to be repainted,
// and the box lays its contents out for what is painted.
class StillLayout : public QAbstractTextDocumentLayout {
public:
    using QAbstractTextDocumentLayout::QAbstractTextDocumentLayout;

    void draw(QPainter*, const PaintContext&) override {}
    int hitTest(const QPointF&, Qt::HitTestAccuracy) const override { return -1; }
    int pageCount() const override { return 1; }
    QSizeF documentSize() const override { return {}; }
    QRectF frameBoundingRect(QTextFrame*) const override { return {}; }
    QRectF blockBoundingRect(const QTextBlock&) const override { return {}; }

protected:
    void documentChanged(int, int, int) override { emit update(); }
};

}  // namespace

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent), lineHeight_(MixedLineHeight(font()))
{
    setAcceptRichText(false);
    setTabChangesFocus(true);
    connect(this, &QTextEdit::textChanged, this, &RichTextBox::change);
}

void RichTextBox::setTextRTF(const QString& rtf)
{
    const RtfParagraphs paragraphs = ReadRtf(rtf);
    if (layoutHeld_)
        useStillLayout();
    document()->clear();
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    // Each paragraph takes the line height as it is made, so the text is
    // laid out once.
    cursor.mergeBlockFormat(lineHeightFormat());
    for (qsizetype k = 0; k < paragraphs.size(); ++k) {
        if (k > 0)
            cursor.insertBlock();
        for (const RtfRun& run : paragraphs[k])
            cursor.insertText(run.text, RunFormat(run));
    }
    cursor.endEditBlock();
    document()->clearUndoRedoStacks();
    setSelStart(0);
}

QString RichTextBox::text() const
{
    QString plain = toPlainText();
    plain.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return plain;
}

void RichTextBox::setText(const QString& text)
{
    // Laid out once, with the line height.
    const bool held = layoutHeld_;
    holdLayout();
    setPlainText(UnifyLineBreaks(text));
    applyLineHeight();
    if (!held)
        releaseLayout();
}

void RichTextBox::amendText(const QString& text)
{
    const QString shown = this->text();
    const qsizetype shorter = std::min(shown.size(), text.size());
    qsizetype start = 0;
    while (start < shorter && shown[start] == text[start])
        ++start;
    qsizetype shownEnd = shown.size();
    qsizetype textEnd = text.size();
    while (shownEnd > start && textEnd > start && shown[shownEnd - 1] == text[textEnd - 1]) {
        --shownEnd;
        --textEnd;
    }
    // A line end is replaced whole, never from between its CR and LF.
    if (start > 0 && shown[start - 1] == QLatin1Char('\r'))
        --start;
    if (shownEnd < shown.size() && shown[shownEnd] == QLatin1Char('\n')) {
        ++shownEnd;
        ++textEnd;
    }
    if (layoutHeld_)
        useStillLayout();
    QTextCursor cursor(document());
    cursor.setPosition(toDocument(static_cast<int>(start)));
    cursor.setPosition(toDocument(static_cast<int>(shownEnd)), QTextCursor::KeepAnchor);
    cursor.insertText(UnifyLineBreaks(text.mid(start, textEnd - start)));
    applyLineHeight();
}

QTextBlockFormat RichTextBox::lineHeightFormat() const
{
    QTextBlockFormat format;
    format.setLineHeight(lineHeight_, QTextBlockFormat::MinimumHeight);
    return format;
}

void RichTextBox::applyLineHeight()
{
    // Formatting, no edit. Only the lines from the first to the last one
    // without the height take it: a format set anew lays its lines out again.
    const auto lacks = [this](const QTextBlock& block) {
        const QTextBlockFormat format = block.blockFormat();
        return format.lineHeightType() != QTextBlockFormat::MinimumHeight || format.lineHeight() != lineHeight_;
    };
    QTextBlock first = document()->begin();
    while (first.isValid() && !lacks(first))
        first = first.next();
    if (!first.isValid())
        return;
    QTextBlock last = document()->lastBlock();
    while (!lacks(last))
        last = last.previous();
    const QSignalBlocker quiet(this);
    QTextCursor cursor(document());
    cursor.setPosition(first.position());
    cursor.setPosition(last.position(), QTextCursor::KeepAnchor);
    cursor.mergeBlockFormat(lineHeightFormat());
}

void RichTextBox::changeEvent(QEvent* event)
{
    QTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        lineHeight_ = MixedLineHeight(font());
        applyLineHeight();
    }
}

void RichTextBox::holdLayout()
{
    layoutHeld_ = true;
    useStillLayout();
}

void RichTextBox::releaseLayout()
{
    layoutHeld_ = false;
    useTextLayout();
}

void RichTextBox::useStillLayout()
{
    if (!dynamic_cast<StillLayout*>(document()->documentLayout()))
        document()->setDocumentLayout(new StillLayout(document()));
}

void RichTextBox::useTextLayout()
{
    if (!dynamic_cast<StillLayout*>(document()->documentLayout()))
        return;
    // A document without a layout makes its text layout anew, which lays
    // out the whole contents once.
    document()->setDocumentLayout(nullptr);
    document()->documentLayout();
}

void RichTextBox::paintEvent(QPaintEvent* event)
{
    // What is seen is laid out, also while the layout is held.
    useTextLayout();
    QTextEdit::paintEvent(event);
}

void RichTextBox::setTypingColor(const QColor& colour) { typingColour_ = colour; }

int RichTextBox::toPlain(int documentPosition) const
{
    return documentPosition + document()->findBlock(documentPosition).blockNumber();
}

int RichTextBox::toDocument(int plainPosition) const
{
    plainPosition = std::max(plainPosition, 0);
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const int lineStart = block.position() + block.blockNumber();
        const int lineLength = block.length() - 1;
        // Up to the end of the line, and the place between its CR and LF.
        if (plainPosition <= lineStart + lineLength + 1)
            return block.position() + std::min(plainPosition - lineStart, lineLength);
    }
    return document()->characterCount() - 1;
}

int RichTextBox::selStart() const { return toPlain(textCursor().selectionStart()); }

void RichTextBox::setSelStart(int position)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(toDocument(position));
    setTextCursor(cursor);
}

int RichTextBox::selLength() const
{
    const QTextCursor cursor = textCursor();
    return toPlain(cursor.selectionEnd()) - toPlain(cursor.selectionStart());
}

void RichTextBox::setSelLength(int length)
{
    QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    cursor.setPosition(start);
    cursor.setPosition(toDocument(toPlain(start) + std::max(length, 0)), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

QColor RichTextBox::selColor() const
{
    QTextCursor cursor = textCursor();
    if (cursor.hasSelection()) {
        // The format of the character before the position: the first selected one.
        cursor.setPosition(cursor.selectionStart() + 1);
    }
    const QTextCharFormat format = cursor.charFormat();
    if (format.hasProperty(QTextFormat::ForegroundBrush))
        return format.foreground().color();
    return palette().color(QPalette::Text);
}

void RichTextBox::setSelColor(const QColor& colour)
{
    QTextCharFormat format;
    format.setForeground(colour);
    mergeCurrentCharFormat(format);
}

QColor RichTextBox::backColor() const { return palette().color(QPalette::Base); }

void RichTextBox::setBackColor(const QColor& colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Base, colour);
    setPalette(p);
}

void RichTextBox::keyPressEvent(QKeyEvent* event)
{
    const bool focused = hasFocus();
    bool cancel = false;
    emit keyDown(event->key(), event->modifiers(), &cancel);
    if (!cancel && !event->text().isEmpty())
        emit keyPress(event->text(), &cancel);
    // A handler that moved the focus away took the key with it: the box no
    // longer acts on keys, and acting on this one would show its caret again.
    if (focused && !hasFocus())
        cancel = true;
    if (cancel) {
        event->accept();
        return;
    }
    if (IsEnter(event->key())) {
        // Always a new paragraph: a line break inside one (Shift+Enter)
        // would be a line end the plain text cannot tell apart.
        textCursor().insertBlock();
        ensureCursorVisible();
        event->accept();
        return;
    }
    if (!event->text().isEmpty() && event->text().at(0).isPrint())
        prepareTyping();
    QTextEdit::keyPressEvent(event);
}

void RichTextBox::prepareTyping()
{
    if (!typingColour_.isValid())
        return;
    // The typed text replaces a selection; the colour then goes to what is
    // typed, not to the text it replaces.
    QTextCursor cursor = textCursor();
    if (cursor.hasSelection()) {
        cursor.removeSelectedText();
        setTextCursor(cursor);
    }
    QTextCharFormat format;
    format.setForeground(typingColour_);
    mergeCurrentCharFormat(format);
}

void RichTextBox::focusInEvent(QFocusEvent* event)
{
    QTextEdit::focusInEvent(event);
    if (BetweenControls(event))
        emit gotFocus();
}

void RichTextBox::focusOutEvent(QFocusEvent* event)
{
    QTextEdit::focusOutEvent(event);
    if (BetweenControls(event))
        emit lostFocus();
}

void RichTextBox::insertFromMimeData(const QMimeData* source)
{
    if (!source || !source->hasText())
        return;
    textCursor().insertText(UnifyLineBreaks(source->text()));
    ensureCursorVisible();
}

}  // namespace kz::widgets
