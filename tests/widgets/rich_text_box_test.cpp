#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include <functional>
#include <utility>

#include "widgets/rich_text_box.h"

namespace kz::widgets {
namespace {

// The box's character format at a plain-text position (the character after it).
QTextCharFormat FormatAt(RichTextBox& box, int position)
{
    box.setSelStart(position);
    box.setSelLength(1);
    QTextCursor cursor = box.textCursor();
    cursor.setPosition(cursor.selectionEnd());
    return cursor.charFormat();
}

// As the reply display writes it: font "ＭＳ 明朝" 10.5 pt, five colours, a
// name, an answer with a free text, "-" and "¶" marks, two lines, the
// caret's empty line after them.
const QString ReplyRtf =
    QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f1\\fcharset128 \\'82\\'6C\\'82\\'72 \\'96\\'BE\\'92\\'A9;}"
                   "{\\f2\\fcharset128 \\'82\\'6C\\'82\\'72 \\'96\\'BE\\'92\\'A9;}}\\plain \\f1 \\fs21 "
                   "{\\colortbl\\red17\\green34\\blue51;\\red0\\green0\\blue255;\\red255\\green0\\blue0;"
                   "\\red128\\green128\\blue128;\\red0\\green128\\blue0;}\\cf0 "
                   "\\cf0 \\cf4 [\\'90\\'46]\\cf0 \\cf0 3\\cf1 /\\f2 \\'95\\'5C\\f1 /\\cf0 \\cf4 -\\cf0 "
                   "\\cf4 \\'81\\'F7\\cf0 \\par \\cf3 2\\cf4 -\\cf0 \\cf4 \\'81\\'F7\\cf0 \\par \\par }");

TEST(RichTextBoxReader, ShowsTheReplyTextColouredWithCrLfLines)
{
    RichTextBox box;
    box.setTextRTF(ReplyRtf);
    // "表" is 0x95 0x5C: its second byte is no backslash.
    EXPECT_EQ(box.text(), QStringLiteral("[色]3/表/-¶\r\n2-¶\r\n"));
    EXPECT_EQ(box.document()->blockCount(), 3);  // the final \par opens no line

    EXPECT_EQ(FormatAt(box, 0).foreground().color(), QColor(0, 128, 0));       // "[": colour 4
    EXPECT_EQ(FormatAt(box, 3).foreground().color(), QColor(17, 34, 51));      // "3": colour 0
    EXPECT_EQ(FormatAt(box, 5).foreground().color(), QColor(0, 0, 255));       // "表": colour 1
    EXPECT_EQ(FormatAt(box, 11).foreground().color(), QColor(128, 128, 128));  // "2": colour 3
    const QTextCharFormat text = FormatAt(box, 5);
    EXPECT_EQ(text.fontFamilies().toStringList(), QStringList{QStringLiteral("ＭＳ 明朝")});
    EXPECT_DOUBLE_EQ(text.fontPointSize(), 10.5);
    EXPECT_EQ(box.selStart(), 5);
    EXPECT_EQ(box.selColor(), QColor(0, 0, 255));
}

TEST(RichTextBoxReader, TheLastParEndsTheLastLine)
{
    RichTextBox box;
    const std::pair<const char*, QString> cases[] = {
        {"a\\par }", QStringLiteral("a")},
        {"a\\par \\par \\par b\\par }", QStringLiteral("a\r\n\r\n\r\nb")},
        {"a\\par b}", QStringLiteral("a\r\nb")},
        {"\\par }", QString()},
    };
    for (const auto& [body, plain] : cases) {
        box.setTextRTF(QStringLiteral("{\\rtf1\\ansi ") + QString::fromLatin1(body));
        EXPECT_EQ(box.text(), plain) << body;
    }
}

TEST(RichTextBoxReader, DecodesCp932BytesAcrossEscapesAndPlainCharacters)
{
    RichTextBox box;
    // "\'82l" is the two bytes of "Ｍ"; "\'b1" a half-width katakana; the
    // control symbols \\ \{ \} stand for their characters.
    box.setTextRTF(QStringLiteral("{\\rtf1\\ansi \\'82l\\'b1\\'93\\'8C\\'8B\\'9E \\\\\\{\\}}"));
    EXPECT_EQ(box.text(), QStringLiteral("Ｍｱ東京 \\{}"));
    // A CR LF written as bytes (an external process's text) ends a line.
    box.setTextRTF(QStringLiteral("{\\rtf1\\ansi x\\'0D\\'0Ay\\'0Dz\\par }"));
    EXPECT_EQ(box.text(), QStringLiteral("x\r\ny\r\nz"));
    // Line ends in the source are no text; a broken escape is dropped.
    box.setTextRTF(QStringLiteral("{\\rtf1\\ansi p\r\nq\\'zzr}"));
    EXPECT_EQ(box.text(), QStringLiteral("pqr"));
}

TEST(RichTextBoxReader, FormattingStaysInItsGroup)
{
    RichTextBox box;
    box.setTextRTF(QStringLiteral("{\\rtf1\\ansi{\\colortbl\\red255\\green0\\blue0;}"
                                  "{\\cf0\\b\\i\\fs40 x}y\\b z\\b0 w\\cf7 v\\plain u}"));
    EXPECT_EQ(box.text(), QStringLiteral("xyzwvu"));
    const QTextCharFormat x = FormatAt(box, 0);
    EXPECT_EQ(x.foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(x.fontWeight(), QFont::Bold);
    EXPECT_TRUE(x.fontItalic());
    EXPECT_DOUBLE_EQ(x.fontPointSize(), 20);
    EXPECT_FALSE(FormatAt(box, 1).hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_EQ(FormatAt(box, 1).fontWeight(), QFont::Normal);
    EXPECT_EQ(FormatAt(box, 2).fontWeight(), QFont::Bold);
    EXPECT_EQ(FormatAt(box, 3).fontWeight(), QFont::Normal);
    // A colour the table lacks is the box's own text colour.
    EXPECT_FALSE(FormatAt(box, 4).hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_EQ(box.selColor(), box.palette().color(QPalette::Text));
}

TEST(RichTextBoxPositions, CountALineEndAsTwoCharacters)
{
    RichTextBox box;
    box.setText(QStringLiteral("ab\r\ncd\r\n\r\nef"));
    EXPECT_EQ(box.text(), QStringLiteral("ab\r\ncd\r\n\r\nef"));

    box.setSelStart(4);  // before "c"
    EXPECT_EQ(box.selStart(), 4);
    EXPECT_EQ(box.textCursor().block().text(), QStringLiteral("cd"));
    box.setSelStart(3);  // between CR and LF: the end of "ab"
    EXPECT_EQ(box.selStart(), 2);
    box.setSelStart(10);  // before "e"
    EXPECT_EQ(box.selStart(), 10);
    box.setSelStart(99);
    EXPECT_EQ(box.selStart(), 12);
    box.setSelStart(-3);
    EXPECT_EQ(box.selStart(), 0);

    box.setSelStart(1);
    box.setSelLength(4);  // "b" CR LF "c"
    EXPECT_EQ(box.selStart(), 1);
    EXPECT_EQ(box.selLength(), 4);
    EXPECT_EQ(box.textCursor().selectedText(), QStringLiteral("b\u2029c"));
    box.setSelLength(50);
    EXPECT_EQ(box.selLength(), 11);
    box.setSelStart(6);
    EXPECT_EQ(box.selLength(), 0);
}

TEST(RichTextBoxPositions, PlainTextKeepsEveryLineEndForm)
{
    RichTextBox box;
    box.setText(QStringLiteral("a\rb\nc\r\n"));
    EXPECT_EQ(box.text(), QStringLiteral("a\r\nb\r\nc\r\n"));
    box.setSelStart(9);
    EXPECT_EQ(box.selStart(), 9);

    QApplication::clipboard()->setText(QStringLiteral("x\r\ny\u2028z"));
    box.setSelStart(1);
    box.paste();
    EXPECT_EQ(box.text(), QStringLiteral("ax\r\ny\r\nz\r\nb\r\nc\r\n"));
    EXPECT_EQ(box.selStart(), 8);
}

// The distance from each line of the box to the next.
QList<qreal> LineSteps(RichTextBox& box)
{
    const QAbstractTextDocumentLayout* layout = box.document()->documentLayout();
    QList<qreal> steps;
    for (QTextBlock block = box.document()->begin(); block.next().isValid(); block = block.next())
        steps << layout->blockBoundingRect(block.next()).top() - layout->blockBoundingRect(block).top();
    return steps;
}

TEST(RichTextBoxLines, EveryLineHasOneHeightWhateverItsScript)
{
    RichTextBox box;
    box.resize(400, 300);
    box.show();
    box.setText(QStringLiteral("3-\r\n1/朝早くから開いていて助かります。/-\r\n2-\r\n"));
    QList<qreal> steps = LineSteps(box);
    ASSERT_EQ(steps.size(), 3);
    EXPECT_EQ(steps.count(steps[0]), 3) << steps[0] << " " << steps[1];
    // Also when the lines come as rich text, are amended, typed or given another font.
    box.setTextRTF(ReplyRtf);
    box.amendText(box.text() + QStringLiteral("\r\n9"));
    box.setSelStart(0);
    QTest::keyClick(&box, Qt::Key_Return);
    QFont larger = box.font();
    larger.setPointSizeF(larger.pointSizeF() * 2);
    box.setFont(larger);
    steps = LineSteps(box);
    ASSERT_EQ(steps.size(), 4);
    EXPECT_EQ(steps.count(steps[0]), 4) << steps[0] << " " << steps[1];
    EXPECT_GE(steps[0], QFontMetricsF(larger).height());
}

TEST(RichTextBoxLines, AHeldLayoutLaysOutOnlyWhatIsPaintedOrReleased)
{
    // Each way of rewriting the box, held and not: the same text in the same
    // colours; held, nothing laid out until the box is painted or released.
    const std::function<void(RichTextBox&)> rewrites[] = {
        [](RichTextBox& box) { box.setText(QStringLiteral("3-\r\n1/朝早く/-\r\n2-\r\n")); },
        [](RichTextBox& box) { box.setTextRTF(ReplyRtf); },
        [](RichTextBox& box) {
            box.setTextRTF(ReplyRtf);
            box.amendText(box.text() + QStringLiteral("\r\n9"));
        },
    };
    for (const auto& rewrite : rewrites) {
        RichTextBox shown;
        RichTextBox held;
        for (RichTextBox* box : {&shown, &held}) {
            box->resize(400, 300);
            box->show();
        }
        held.holdLayout();
        rewrite(shown);
        rewrite(held);
        EXPECT_EQ(held.text(), shown.text());
        EXPECT_EQ(FormatAt(held, 5).foreground().color(), FormatAt(shown, 5).foreground().color());
        EXPECT_TRUE(held.document()->documentLayout()->documentSize().isEmpty());
        EXPECT_FALSE(shown.document()->documentLayout()->documentSize().isEmpty());

        held.grab();  // painted
        EXPECT_EQ(LineSteps(held), LineSteps(shown));
        rewrite(held);
        EXPECT_TRUE(held.document()->documentLayout()->documentSize().isEmpty()) << "still held";
        held.releaseLayout();
        EXPECT_EQ(LineSteps(held), LineSteps(shown));
        rewrite(held);
        EXPECT_EQ(held.document()->documentLayout()->documentSize(),
                  shown.document()->documentLayout()->documentSize());
    }
}

TEST(RichTextBoxColours, SelectionAndBackColour)
{
    RichTextBox box;
    box.setText(QStringLiteral("abc"));
    box.setSelStart(1);
    box.setSelLength(1);
    box.setSelColor(Qt::red);
    EXPECT_EQ(box.selColor(), QColor(Qt::red));
    EXPECT_EQ(FormatAt(box, 2).foreground().color(), box.palette().color(QPalette::Text));
    box.setBackColor(QColor(1, 2, 3));
    EXPECT_EQ(box.backColor(), QColor(1, 2, 3));
}

TEST(RichTextBoxColours, AmendedTextKeepsTheFormatsOfWhatStays)
{
    const QString amended[] = {
        QStringLiteral("[色]3/表/-¶\r\n/2/-¶\r\n"),    // a value put in slashes
        QStringLiteral("[色]3/表/-¶\r\n\r\n2-¶\r\n"),  // a line end added
        QStringLiteral("[色]3/表/-¶2-¶\r\n"),          // a line end taken out
        QStringLiteral("[色]3/表/-¶\r\n2-¶\r\n"),      // nothing changed
    };
    for (const QString& text : amended) {
        SCOPED_TRACE(text.toStdString());
        RichTextBox box;
        box.setTextRTF(ReplyRtf);
        box.amendText(text);
        EXPECT_EQ(box.text(), text);
        EXPECT_EQ(FormatAt(box, 0).foreground().color(), QColor(0, 128, 0));
        EXPECT_EQ(FormatAt(box, 5).foreground().color(), QColor(0, 0, 255));
        EXPECT_EQ(FormatAt(box, static_cast<int>(text.indexOf(u'2'))).foreground().color(), QColor(128, 128, 128));
    }
}

class RichTextBoxKeys : public ::testing::Test {
protected:
    void SetUp() override
    {
        box.setText(QStringLiteral("12"));
        box.setSelStart(2);
        QObject::connect(&box, &RichTextBox::keyDown, [this](int key, Qt::KeyboardModifiers, bool* cancel) {
            downs << key;
            *cancel = cancelDown.contains(key);
        });
        QObject::connect(&box, &RichTextBox::keyPress, [this](const QString& text, bool* cancel) {
            presses << text;
            *cancel = text == cancelPress;
        });
    }

    RichTextBox box;
    QList<int> downs;
    QStringList presses;
    QList<int> cancelDown;
    QString cancelPress;
};

TEST_F(RichTextBoxKeys, CancelledKeysTypeNothing)
{
    cancelDown = {Qt::Key_Return, Qt::Key_Up};
    cancelPress = QStringLiteral(" ");
    QSignalSpy changes(&box, &RichTextBox::change);
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClick(&box, Qt::Key_Space);
    QTest::keyClick(&box, Qt::Key_Up);
    EXPECT_EQ(box.text(), QStringLiteral("12"));
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(downs, (QList<int>{Qt::Key_Return, Qt::Key_Space, Qt::Key_Up}));
    EXPECT_EQ(presses, QStringList{QStringLiteral(" ")});  // the cancelled Enter never typed

    QTest::keyClick(&box, Qt::Key_3);
    EXPECT_EQ(box.text(), QStringLiteral("123"));
    EXPECT_GE(changes.count(), 1);
}

TEST_F(RichTextBoxKeys, TypedTextTakesTheTypingColourAlsoOverASelection)
{
    box.setTypingColor(Qt::red);
    QTest::keyClicks(&box, QStringLiteral("x"));
    EXPECT_EQ(box.text(), QStringLiteral("12x"));
    EXPECT_EQ(FormatAt(box, 2).foreground().color(), QColor(Qt::red));
    EXPECT_NE(FormatAt(box, 1).foreground().color(), QColor(Qt::red));
    box.selectAll();
    QTest::keyClicks(&box, QStringLiteral("y"));
    EXPECT_EQ(box.text(), QStringLiteral("y"));
    EXPECT_EQ(FormatAt(box, 0).foreground().color(), QColor(Qt::red));
}

TEST_F(RichTextBoxKeys, EnterAlwaysEndsALine)
{
    QTest::keyClick(&box, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(&box, Qt::Key_A);
    QTest::keyClick(&box, Qt::Key_Enter);
    EXPECT_EQ(box.text(), QStringLiteral("12\r\na\r\n"));
    EXPECT_EQ(box.selStart(), 7);
}

TEST(RichTextBoxFocus, ReportsFocusBetweenControlsOnly)
{
    RichTextBox box;
    QSignalSpy got(&box, &RichTextBox::gotFocus);
    QSignalSpy lost(&box, &RichTextBox::lostFocus);
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(&box, &in);
    QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(&box, &out);
    QFocusEvent deactivated(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(&box, &deactivated);
    QFocusEvent menu(QEvent::FocusOut, Qt::PopupFocusReason);
    QCoreApplication::sendEvent(&box, &menu);
    EXPECT_EQ(got.count(), 1);
    EXPECT_EQ(lost.count(), 1);
}

}  // namespace
}  // namespace kz::widgets
