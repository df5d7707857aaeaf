#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/CaptureTrace.h"

TEST(CaptureTrace, WritesTheTraceLines) {
    std::vector<std::string> lines;
    CaptureTrace trace([&](std::string_view l) { lines.emplace_back(l); });
    trace.Key(0x26, 0x67);
    trace.Handle(0x2a00005);
    trace.Unhooked(true);
    trace.Unhooked(false);
    EXPECT_EQ(lines, (std::vector<std::string>{"vkcode=26,scancode=67\n", "Hhook: 2a00005\r\n",
                                               "UnHhook: Success \r\n", "UnHhook: Fail \r\n"}));
    CaptureTrace silent;
    silent.Key(1, 2);  // no sink: nothing to call
}
