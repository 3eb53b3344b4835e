#include "shell/shell_ui.h"
#include "shell/unload_all_forms.h"
#include "widgets/forms.h"
#include "window_script.h"

namespace kz {
namespace {

using widgets::Forms;
using widgets::KzForm;

// A window of any name that can refuse to unload.
template <int N>
class frmNamed : public KzForm {
public:
    explicit frmNamed(const QString& name = QStringLiteral("frmNamed%1").arg(N)) : KzForm(name) {}
    bool refuse = false;

protected:
    void formUnload(bool& cancel) override { cancel = refuse; }
};

struct frmMainStandIn : frmNamed<0> {
    frmMainStandIn() : frmNamed<0>(QStringLiteral("frmMain")) {}
};
struct frmKeyStandIn : frmNamed<1> {
    frmKeyStandIn() : frmNamed<1>(QStringLiteral("frmKey")) {}
};
struct frmProcessingStandIn : frmNamed<2> {
    frmProcessingStandIn() : frmNamed<2>(QStringLiteral("frmProcessing")) {}
};
struct frmOtherStandIn : frmNamed<3> {
    frmOtherStandIn() : frmNamed<3>(QStringLiteral("frmOther")) {}
};

class UnloadAllFormsTest : public test::WindowTest {
protected:
    ShellUi shellUi;
};

TEST_F(UnloadAllFormsTest, KeepsTheFourWindowsAndClosesTheRest)
{
    auto& main = Forms::instance<frmMainStandIn>();
    auto& a = Forms::instance<frmNamed<10>>();
    auto& key = Forms::instance<frmKeyStandIn>();
    auto& processing = Forms::instance<frmProcessingStandIn>();
    auto& b = Forms::createNew<frmNamed<11>>();
    auto& other = Forms::instance<frmOtherStandIn>();
    auto& last = Forms::createNew<frmNamed<11>>();
    Q_UNUSED(a);
    Q_UNUSED(b);
    Q_UNUSED(last);
    UnloadAllForms();
    EXPECT_EQ(Forms::openForms(), (QList<KzForm*>{&main, &key, &processing, &other}));
}

TEST_F(UnloadAllFormsTest, EndsWhenAWindowRefusesToUnload)
{
    auto& main = Forms::instance<frmMainStandIn>();
    auto& stubborn = Forms::instance<frmNamed<10>>();
    stubborn.refuse = true;
    Forms::instance<frmNamed<11>>();
    UnloadAllForms();
    EXPECT_EQ(Forms::openForms(), (QList<KzForm*>{&main, &stubborn}));
    stubborn.refuse = false;
}

TEST(KeptWindowTest, OnlyTheFourNamesAreKept)
{
    for (const char* name : {"frmMain", "frmKey", "frmProcessing", "frmOther"})
        EXPECT_TRUE(IsKeptWindow(QString::fromLatin1(name))) << name;
    EXPECT_FALSE(IsKeptWindow("frmAddData"));
    EXPECT_FALSE(IsKeptWindow("frmGridBase"));
}

}  // namespace
}  // namespace kz
