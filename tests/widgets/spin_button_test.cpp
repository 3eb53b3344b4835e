// The spin button beside its field: whole arrows whatever the field's
// height, and the up arrow counts up.
#include <gtest/gtest.h>

#include <algorithm>

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
    };
    const Case cases[] = {{"a short field: the arrows set the height", 4}, {"a tall field sets it", 90}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget window;
        Field field(c.fieldHeight);
        SpinButton button(&field, &window);
        const int arrow = button.upArrow()->minimumSizeHint().height();
        EXPECT_EQ(button.height(), std::max(c.fieldHeight, 2 * arrow));

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
