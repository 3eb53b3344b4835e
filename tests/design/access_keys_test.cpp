#include <QLabel>

#include "frm_about.h"
#include "frm_answer.h"
#include "frm_key.h"
#include "frm_new.h"
#include "frm_paragraph.h"
#include "frm_table.h"
#include "main_window_fixture.h"
#include "program_windows.h"

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
