#include <gtest/gtest.h>

#include "skin/CMenuItemList.h"
#include "skin/MenuLook.h"

TEST(MenuLook, ItemWidthIsTheMinimumOrTheTextWithPaddingAndArrowRoom) {
    struct Case {
        int widest, minimum, width;
    };
    const Case cases[] = {
        {0, 30, 30},      // no text at all
        {1, 30, 30},      // the text and its room still fit the minimum
        {100, 170, 170},  // insert dialog's minimum
        {141, 170, 170},  // exactly at the minimum with padding and room
        {142, 170, 171},  // one pixel over it
        {200, 170, 229},  // padding, text and the arrow's room
        {40, 0, 69},      // no minimum
        {0, -5, 0},       // never negative
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MenuItemWidth(c.widest, c.minimum), c.width)
            << "widest " << c.widest << " minimum " << c.minimum;
    }
}

TEST(MenuLook, ColoursHeightAndArrowPlace) {
    const MenuItemColours normal = ItemColours(false, 0x000000, 0x8E5101, 0xFFFFFF, 0x000000);
    const MenuItemColours hover = ItemColours(true, 0x000000, 0x8E5101, 0xFFFFFF, 0x000000);
    EXPECT_EQ(normal.back, 0x000000u);
    EXPECT_EQ(normal.text, 0xFFFFFFu);
    EXPECT_EQ(hover.back, 0x8E5101u);
    EXPECT_EQ(hover.text, 0x000000u);
    EXPECT_EQ(ItemHeight(18), 20);

    const MenuPoint at = ArrowOrigin({3, 23, 173, 43});
    EXPECT_EQ(at.x, 154);
    EXPECT_EQ(at.y, 14);
}

TEST(MenuLook, FrameIsBlueThenTwoBlackOutlines) {
    int count = 0;
    const auto frame = MenuFrame(176, 66, &count);
    ASSERT_EQ(count, 3);
    EXPECT_EQ(frame[0].colour, 0x8E5101u);
    EXPECT_EQ(frame[1].colour, 0u);
    EXPECT_EQ(frame[2].colour, 0u);
    EXPECT_EQ(frame[0].rect.right, 176);
    EXPECT_EQ(frame[0].rect.bottom, 66);
    EXPECT_EQ(frame[2].rect.left, 2);
    EXPECT_EQ(frame[2].rect.top, 2);
    EXPECT_EQ(frame[2].rect.right, 174);
    EXPECT_EQ(frame[2].rect.bottom, 64);

    // Windows too small for three outlines get what fits, never inverted rectangles.
    MenuFrame(3, 10, &count);
    EXPECT_EQ(count, 2);
    MenuFrame(0, 10, &count);
    EXPECT_EQ(count, 0);
}

TEST(CMenuItemList, TextsAreFoundByCommandId) {
    CMenuItemList list;
    EXPECT_EQ(list.Add(32771, u"Copy"), 1);
    EXPECT_EQ(list.Add(32772, u"Paste"), 2);
    EXPECT_EQ(list.Add(32771, u"Again"), 3);
    EXPECT_EQ(list.TextOf(32772), u"Paste");
    EXPECT_EQ(list.TextOf(32771), u"Copy");  // the first entry with the id
    EXPECT_EQ(list.TextOf(5), u"");
    EXPECT_EQ(list.Find(5), nullptr);
    ASSERT_EQ(list.Size(), 3u);
    EXPECT_EQ(list.Entries()[2].position, 3);
}
