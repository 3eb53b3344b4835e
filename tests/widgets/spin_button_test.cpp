// The spin button beside its field: whole arrows whatever the field's
// height, and the up arrow counts up.
#include <gtest/gtest.h>

#include "widgets/spin_button.h"

namespace kz::widgets {
namespace {

class Field : public QWidget {
public:
    explicit Field(int height) : height_(height) {}
    QSize sizeHint() const override { return {40, height_}; }

private:
    int height_;
};

TEST(SpinButtonTest, ArrowsStandWholeBesideShortAndTallFieldsAndTheUpperOneCountsUp)
{
    struct Case {
        const char* name;
        int fieldHeight;
        int height;
    };
    const Case cases[] = {{"a short field: the arrows set the height", 4, 20}, {"a tall field sets it", 31, 31}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget window;
        Field field(c.fieldHeight);
        SpinButton button(&field, &window);
        EXPECT_EQ(button.height(), c.height);
        EXPECT_EQ(button.upArrow()->height() + button.downArrow()->height(), c.height);

        button.setRange(0, 9);
        window.show();
        button.upArrow()->click();
        EXPECT_EQ(button.value(), 1) << "the upper arrow";
        button.downArrow()->click();
        button.downArrow()->click();
        EXPECT_EQ(button.value(), 0) << "the lower arrow, not below the least value";
    }
}

}  // namespace
}  // namespace kz::widgets
