#include <gtest/gtest.h>

#include "app/StartupRules.h"

namespace {

TEST(StartupRules, AutoSwitch) {
    const struct {
        std::vector<std::string> args;
        bool autoStart;
    } cases[] = {
        {{"-auto"}, true},       {{"-AUTO"}, true}, {{"-Auto"}, true},   {{}, false},
        {{"-auto", "x"}, false}, {{"auto"}, false}, {{"-autox"}, false}, {{"-aut"}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsAutoStart(c.args), c.autoStart) << ::testing::PrintToString(c.args);
    }
}

TEST(StartupRules, HiddenUntilAMouseHasBeenConnected) {
    VisibilityRule rule(false);
    EXPECT_TRUE(rule.HideAfterPaint(false));
    EXPECT_TRUE(rule.HideAfterPaint(false));
    EXPECT_FALSE(rule.HideAfterPaint(true));
}

TEST(StartupRules, AutorunHidesOnlyTheFirstPaint) {
    VisibilityRule rule(true);
    EXPECT_TRUE(rule.HideAfterPaint(true));
    EXPECT_FALSE(rule.HideAfterPaint(true));  // shown from the tray later: stays visible
}

}  // namespace
