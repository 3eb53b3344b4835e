// The entry window's rich text box: a text box that shows the coloured
// reply text the program writes as rich text (rtf_reader.h), every line of
// one height, and speaks in the old control's terms: the plain text has CR LF
// line ends, and every position (SelStart, SelLength) is 0-based and counts a
// line end as two characters. Key and focus events come out as signals a
// window can cancel.
#pragma once

#include <QColor>
#include <QTextBlockFormat>
#include <QTextEdit>

namespace kz::widgets {

class RichTextBox : public QTextEdit {
    Q_OBJECT
public:
    explicit RichTextBox(QWidget* parent = nullptr);

    // Replaces the contents with the rich text; the caret goes to the start.
    void setTextRTF(const QString& rtf);

    // The plain text, lines ended by CR LF (none after the last line).
    QString text() const;
    // Replaces the contents with plain text in the box's own font and colour;
    // CR LF, CR and LF each end a line.
    void setText(const QString& text);
    // Makes the contents read `text` by replacing only the part that differs
    // from the text now shown: the rest keeps its fonts and colours.
    void amendText(const QString& text);
    // What the user types takes this colour, whatever it is typed beside; an
    // invalid colour (the default) leaves it the colour of its neighbour.
    void setTypingColor(const QColor& colour);

    int selStart() const;
    // Puts the caret at `position` and selects nothing. A position between
    // the CR and the LF of a line end is the end of that line.
    void setSelStart(int position);
    int selLength() const;
    // Selects `length` characters from the selection's start.
    void setSelLength(int length);
    // The text colour of the first selected character, or of the character
    // before the caret when nothing is selected.
    QColor selColor() const;
    // Colours the selection, or what is typed next when nothing is selected.
    void setSelColor(const QColor& colour);

    QColor backColor() const;
    void setBackColor(const QColor& colour);

    // Until releaseLayout(), what the contents become is laid out only when
    // the box is painted: a program that rewrites the box many times in a
    // row pays for the layout of what is seen, not of every rewrite.
    void holdLayout();
    // Lays the contents out for good.
    void releaseLayout();

signals:
    // The contents changed: typed, deleted, pasted or replaced (also by the
    // setters above, and by formatting).
    void change();
    // A key went down. Setting *cancel drops the key: nothing is typed. A key
    // whose handler moves the focus out of the box is dropped too.
    void keyDown(int key, Qt::KeyboardModifiers modifiers, bool* cancel);
    // A key that types `text` went down and keyDown let it through. Setting
    // *cancel drops it.
    void keyPress(const QString& text, bool* cancel);
    // The focus came or went between controls (not when the window itself
    // is activated or deactivated, nor for a menu).
    void gotFocus();
    void lostFocus();

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Pastes plain text only, its line ends made paragraphs.
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Positions: the document counts a line end as one character.
    int toPlain(int documentPosition) const;
    int toDocument(int plainPosition) const;
    void prepareTyping();
    // Every line at least as tall as a line holding Japanese, which the
    // box's font may show in a taller fallback font.
    void applyLineHeight();
    QTextBlockFormat lineHeightFormat() const;
    // The document's layout: one that lays out nothing while held, or the
    // text layout.
    void useStillLayout();
    void useTextLayout();

    QColor typingColour_;
    qreal lineHeight_ = 0;
    bool layoutHeld_ = false;
};

}  // namespace kz::widgets
