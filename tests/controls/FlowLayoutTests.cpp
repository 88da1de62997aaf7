// Two fixed-width buttons in a wrapping row, at widths that hold both and one.
#include "FlowLayout.h"
#include "Settle.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

struct TwoButtons {
    TwoButtons()
    {
        auto* outer = new QVBoxLayout(&panel);
        outer->setContentsMargins(0, 0, 0, 0);
        auto* bar = new QWidget(&panel);
        auto* flow = new TFlowLayout(bar, 2);
        flow->setContentsMargins(2, 2, 2, 2);
        for (QToolButton** button : {&first, &second}) {
            *button = new QToolButton(bar);
            (*button)->setFixedWidth(97);
            flow->addWidget(*button);
        }
        outer->addWidget(bar);
        outer->addStretch(1);
        panel.setMinimumWidth(40);
    }

    QWidget panel;
    QToolButton* first = nullptr;
    QToolButton* second = nullptr;
};

TEST(FlowLayoutTest, ButtonsShareARowWhenTheyFitAndWrapWithoutOverlapWhenNot)
{
    TwoButtons bar;
    bar.panel.resize(200, 300);
    ASSERT_TRUE(ShowAndSettle(bar.panel));
    EXPECT_EQ(bar.first->y(), bar.second->y());
    EXPECT_EQ(bar.second->x(), bar.first->geometry().right() + 3);

    for (int width : {199, 120, 40}) {
        bar.panel.resize(width, 300);
        Settle();
        EXPECT_FALSE(bar.first->geometry().intersects(bar.second->geometry())) << width;
        EXPECT_GT(bar.second->y(), bar.first->geometry().bottom()) << width;
        EXPECT_EQ(bar.second->width(), 97) << width;
    }
}

} // namespace
