// Which Windows interface names belong to the mouse.
#include <gtest/gtest.h>

#include "HidInterfaceName.h"

namespace {

TEST(HidInterfaceName, MatchesItsOwnIdentifiersInAnyCaseOnly) {
    struct Case {
        std::u16string name;
        bool matches;
    };
    const Case cases[] = {
        {u"\\\\?\\HID#VID_1D57&PID_FA60&MI_01#7&2a1b&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}",
         true},
        {u"\\\\?\\hid#vid_1d57&pid_fa60#6&1&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}", true},
        {u"\\\\?\\HID#VID_1D57&PID_FA61&MI_01#7&2a1b&0&0000#{4d1e55b2}", false},  // the other one
        {u"\\\\?\\HID#VID_046D&PID_C077#7&2a1b&0&0000#{4d1e55b2}", false},
        {u"\\\\?\\HID#VID_1D57&PID_FA601#x", false},  // a longer product number
        {u"\\\\?\\HID#XVID_1D57&PID_FA60#x", false},  // not at a field's start
        {u"\\\\?\\HID#VID_1D57&PID_FA60", true},      // at the very end
        {u"", false},
    };
    for (const Case& c : cases) {
        const std::string normalized = NormalizeInterfaceName(c.name);
        EXPECT_EQ(InterfaceNameMatches(normalized, 0x1D57, 0xFA60), c.matches) << normalized;
    }
}

TEST(HidInterfaceName, TheSameInterfaceInTwoCasesIsOneName) {
    EXPECT_EQ(NormalizeInterfaceName(u"\\\\?\\HID#VID_1D57&PID_FA60#7&2A1B"),
              NormalizeInterfaceName(u"\\\\?\\hid#vid_1d57&pid_fa60#7&2a1b"));
    EXPECT_EQ(NormalizeInterfaceName(u"a\u00e9b"), "a?b") << "no identifier is outside ASCII";
}

}  // namespace
