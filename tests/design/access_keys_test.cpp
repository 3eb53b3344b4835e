#include <QLabel>

#include "design/frm_about.h"
#include "design/frm_key.h"
#include "design/frm_new.h"
#include "design/frm_table.h"
#include "entry/frm_answer.h"
#include "entry/frm_paragraph.h"
#include "main_window_fixture.h"
#include "program/program_windows.h"

namespace kz {
namespace {

using widgets::Forms;

class AccessKeysTest : public test::MainWindowTest {
protected:
    ProgramWindows windows_;
};

// A label passes its access key on only to a buddy; without one it shows
// the "&" itself and the key does nothing.
TEST_F(AccessKeysTest, EveryLabelWithAnAccessKeyHasABuddy)
{
    StartWith("a.kz");
    const QList<QWidget*> windows = {&Forms::instance<frmAbout>(),  &Forms::instance<frmKey>(),
                                     &Forms::instance<frmTable>(),  &Forms::instance<frmNew>(),
                                     &Forms::instance<frmAnswer>(), &Forms::instance<frmParagraph>()};
    for (const QWidget* window : windows) {
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            if (label->text().contains(u'&')) {
                EXPECT_NE(label->buddy(), nullptr)
                    << window->objectName().toStdString() << ": " << label->text().toStdString();
            }
        }
    }
}

}  // namespace
}  // namespace kz
