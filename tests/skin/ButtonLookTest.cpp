#include <gtest/gtest.h>

#include "skin/ButtonLook.h"

namespace {

struct LookCase {
    const char* label;
    ButtonState state;
    ButtonPicture picture;
    std::uint32_t colour;
};

constexpr std::uint32_t kWhite = 0xFFFFFF, kTheme = 0x8E5101, kGrey = 0x6E6E6E;

class ButtonLookTest : public testing::TestWithParam<LookCase> {};

TEST_P(ButtonLookTest, PictureAndTextColourFollowTheState) {
    const LookCase& c = GetParam();
    EXPECT_EQ(ChoosePicture(c.state), c.picture);
    EXPECT_EQ(ChooseTextColour(c.state, ButtonColours{}), c.colour);
}

// Fields: checkBoxMode, checked, pressed, hover, disabled.
INSTANTIATE_TEST_SUITE_P(
    States, ButtonLookTest,
    testing::Values(
        LookCase{"push_normal", {false, false, false, false, false}, ButtonPicture::Normal, kWhite},
        LookCase{"push_hover", {false, false, false, true, false}, ButtonPicture::Over, kTheme},
        LookCase{"push_pressed", {false, false, true, true, false}, ButtonPicture::Down, kTheme},
        LookCase{"push_on", {false, true, false, false, false}, ButtonPicture::Down, kTheme},
        LookCase{
            "push_disabled", {false, false, false, false, true}, ButtonPicture::Disable, kGrey},
        // An "on" push button that is disabled shows the disable picture but keeps the
        // on colour: the colour rule looks at the on state first.
        LookCase{
            "push_on_disabled", {false, true, false, false, true}, ButtonPicture::Disable, kTheme},
        LookCase{
            "push_hover_disabled", {false, false, false, true, true}, ButtonPicture::Over, kTheme},
        LookCase{"check_on", {true, true, false, true, false}, ButtonPicture::Down, kTheme},
        LookCase{"check_off_hover", {true, false, false, true, false}, ButtonPicture::Over, kTheme},
        LookCase{
            "check_disabled_on", {true, true, false, false, true}, ButtonPicture::Disable, kTheme},
        LookCase{
            "check_normal", {true, false, false, false, false}, ButtonPicture::Normal, kWhite}),
    [](const testing::TestParamInfo<LookCase>& info) { return info.param.label; });

TEST(PlaceCaption, LayoutsIndentOrInsetTheClientArea) {
    const SkinRect client{0, 0, 100, 30};
    const std::uint32_t left = dt::kSingleLine | dt::kVCenter | dt::kLeft;
    const std::uint32_t centred = dt::kSingleLine | dt::kVCenter | dt::kCenter;
    struct Row {
        int layout;
        SkinRect rect;
        std::uint32_t format;
    };
    for (const Row& r : {Row{0, {0, 0, 100, 30}, centred}, Row{1, {10, 0, 100, 30}, left},
                         Row{8, {20, 0, 100, 30}, left}, Row{14, {20, 0, 100, 30}, left},
                         Row{13, {8, 6, 92, 22}, centred}, Row{5, {0, 0, 100, 30}, centred}}) {
        const CaptionPlace p = PlaceCaption(r.layout, client);
        EXPECT_EQ(p.rect.left, r.rect.left) << r.layout;
        EXPECT_EQ(p.rect.top, r.rect.top) << r.layout;
        EXPECT_EQ(p.rect.right, r.rect.right) << r.layout;
        EXPECT_EQ(p.rect.bottom, r.rect.bottom) << r.layout;
        EXPECT_EQ(p.format, r.format) << r.layout;
    }
}

}  // namespace
