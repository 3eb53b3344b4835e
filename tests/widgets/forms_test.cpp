#include <QPushButton>
#include <QTest>

#include "widgets/forms.h"
#include "window_script.h"

namespace kz::widgets {
namespace {

// A window that records its handlers and can refuse to unload.
class frmProbe : public KzForm {
public:
    frmProbe() : KzForm(QStringLiteral("frmProbe")) { ++created; }
    static inline int created = 0;
    int loads = 0;
    bool sawItselfLoaded = false;
    int unloads = 0;
    bool refuseUnload = false;
    bool refuseClose = false;

protected:
    void formLoad() override
    {
        ++loads;
        sawItselfLoaded = Forms::loaded<frmProbe>() == this;
    }
    void formUnload(bool& cancel) override
    {
        ++unloads;
        cancel = refuseUnload;
    }
    void formQueryClose(bool& cancel) override { cancel = refuseClose; }
};

class frmSheet : public KzForm {
public:
    frmSheet() : KzForm(QStringLiteral("frmSheet")) {}
};

// A box whose Cancel button Esc and the frame press.
class frmCancellable : public KzForm {
public:
    frmCancellable() : KzForm(QStringLiteral("frmCancellable"))
    {
        cmdCancel = new QPushButton(QStringLiteral("キャンセル"), this);
        cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
        connect(cmdCancel, &QPushButton::clicked, this, [this] {
            ++cancels;
            hide();
        });
        setCancelButton(cmdCancel);
    }
    QPushButton* cmdCancel;
    int cancels = 0;
};

class FormsTest : public test::WindowTest {
protected:
    void SetUp() override { frmProbe::created = 0; }
};

TEST_F(FormsTest, SharedInstanceIsCreatedAndLoadedOnceAfterItIsRegistered)
{
    EXPECT_EQ(Forms::loaded<frmProbe>(), nullptr);
    frmProbe& first = Forms::instance<frmProbe>();
    frmProbe& again = Forms::instance<frmProbe>();
    EXPECT_EQ(&first, &again);
    EXPECT_EQ(frmProbe::created, 1);
    EXPECT_EQ(first.loads, 1);
    EXPECT_TRUE(first.sawItselfLoaded);
    EXPECT_EQ(first.objectName(), "frmProbe");
}

TEST_F(FormsTest, CreateNewGivesASeparateWindowEachTime)
{
    frmSheet& a = Forms::createNew<frmSheet>();
    frmSheet& b = Forms::createNew<frmSheet>();
    EXPECT_NE(&a, &b);
    EXPECT_EQ(Forms::loaded<frmSheet>(), nullptr);  // not the shared instance
    EXPECT_EQ(Forms::openForms(), (QList<KzForm*>{&a, &b}));
}

TEST_F(FormsTest, UnloadHidesForgetsAndDeletesLater)
{
    frmProbe& form = Forms::instance<frmProbe>();
    form.show();
    QPointer<frmProbe> guard(&form);
    EXPECT_TRUE(Forms::unload(form));
    EXPECT_EQ(form.unloads, 1);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(Forms::loaded<frmProbe>(), nullptr);
    EXPECT_TRUE(guard);  // not deleted inside the call
    test::FlushEvents();
    EXPECT_FALSE(guard);
    // The next use loads a fresh window.
    EXPECT_EQ(Forms::instance<frmProbe>().loads, 1);
    EXPECT_EQ(frmProbe::created, 2);
}

TEST_F(FormsTest, RefusedUnloadKeepsTheWindow)
{
    frmProbe& form = Forms::instance<frmProbe>();
    form.refuseUnload = true;
    form.show();
    EXPECT_FALSE(Forms::unload(form));
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(Forms::loaded<frmProbe>(), &form);
}

TEST_F(FormsTest, FrameCloseAsksTheWindowThenUnloadsIt)
{
    frmProbe& form = Forms::instance<frmProbe>();
    form.show();
    form.refuseClose = true;
    form.close();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.unloads, 0);
    form.refuseClose = false;
    form.close();
    EXPECT_EQ(form.unloads, 1);
    EXPECT_EQ(Forms::loaded<frmProbe>(), nullptr);
}

TEST_F(FormsTest, NoWindowClosesByItsFrameWhileALongJobRuns)
{
    frmProbe& form = Forms::instance<frmProbe>();
    form.show();
    Forms::setLongJobRunning(true);
    form.close();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.unloads, 0);
    // A box asked during the job still answers Cancel to its frame, as to Esc.
    frmCancellable& box = Forms::instance<frmCancellable>();
    box.show();
    box.close();
    EXPECT_EQ(box.cancels, 1);
    EXPECT_FALSE(box.isVisible());
    Forms::setLongJobRunning(false);
}

TEST_F(FormsTest, EscAndFrameClosePressTheCancelButton)
{
    frmCancellable& box = Forms::instance<frmCancellable>();
    box.show();
    QTest::keyClick(&box, Qt::Key_Escape);
    EXPECT_EQ(box.cancels, 1);
    EXPECT_FALSE(box.isVisible());
    box.show();
    box.close();
    EXPECT_EQ(box.cancels, 2);
    EXPECT_EQ(Forms::loaded<frmCancellable>(), &box);  // Cancel hides; the caller unloads
}

TEST_F(FormsTest, ShowModalWaitsUntilTheWindowHides)
{
    test::WindowScript script;
    script.on("frmCancellable")
        .inspect([](QWidget& w) {
            EXPECT_TRUE(w.isVisible());
            EXPECT_EQ(QApplication::activeModalWidget(), &w);
        })
        .click("cmdCancel");
    frmCancellable& box = Forms::instance<frmCancellable>();
    box.showModal();
    EXPECT_EQ(box.cancels, 1);
    EXPECT_FALSE(box.isShownModally());
    EXPECT_EQ(box.windowModality(), Qt::NonModal);
}

TEST_F(FormsTest, ShowModalEndsWhenTheWindowIsUnloadedDuringTheWait)
{
    test::WindowScript script;
    script.on("frmProbe").inspect([](QWidget& w) { Forms::unload(static_cast<KzForm&>(w)); });
    QPointer<frmProbe> form(&Forms::instance<frmProbe>());
    form->showModal();
    test::FlushEvents();
    EXPECT_FALSE(form);
}

TEST_F(FormsTest, WindowUnloadingItselfFromItsOwnButtonSurvivesTheHandler)
{
    frmCancellable& box = Forms::instance<frmCancellable>();
    QObject::connect(box.cmdCancel, &QPushButton::clicked, &box, [&box] { Forms::unload(box); });
    box.show();
    box.cmdCancel->click();  // would crash if deleted inside the handler
    EXPECT_EQ(Forms::loaded<frmCancellable>(), nullptr);
}

TEST_F(FormsTest, DiscardAllEndsWindowsWithoutTheirHandlers)
{
    frmProbe& form = Forms::instance<frmProbe>();
    form.refuseUnload = true;
    QPointer<frmProbe> guard(&form);
    Forms::discardAll();
    EXPECT_TRUE(Forms::openForms().isEmpty());
    test::FlushEvents();
    EXPECT_FALSE(guard);
}

}  // namespace
}  // namespace kz::widgets
