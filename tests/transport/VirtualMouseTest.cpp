// The virtual mouse as the program and a person meet it: the plug-in loaded by dlopen with a
// test target, driven by the real corvane-vmouse in a child process.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <sstream>

#include "PluginLibrary.h"
#include "PostRecorder.h"
#include "support/TempDir.h"

namespace {

struct ToolResult {
    int exitCode;
    std::string output;
};

ToolResult RunTool(const std::string& arguments) {
    const std::string command = std::string(CORVANE_VMOUSE_TOOL) + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        output.append(buffer, n);
    }
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::uint8_t> Report(std::size_t length, std::initializer_list<std::uint8_t> head,
                                 std::size_t at = 0) {
    std::vector<std::uint8_t> report(length, 0);
    std::copy(head.begin(), head.end(), report.begin() + static_cast<std::ptrdiff_t>(at));
    return report;
}

class VirtualMouseTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("CORVANE_VMOUSE_DIR", (dir.Path() / "vmouse").c_str(), 1);
        unsetenv("CORVANE_VMOUSE_PLUGGED");
    }
    void Load() {
        plugin = std::make_unique<PluginLibrary>(HIDDRIVER_VIRTUAL_PATH);
        ASSERT_EQ(plugin->Error(), "");
        plugin->setVidPid(0x1D57, 0xFA60);
        const hiddriver_target target = posts.Target();
        plugin->openDevMonitor(&target, 1325, 1326);
    }
    void TearDown() override {
        if (plugin) {
            plugin->closeFeatureDevice();
            plugin->closeDevMonitor();
        }
    }
    std::int32_t Send(const std::vector<std::uint8_t>& report) {
        return plugin->setFeature(report.data(), static_cast<std::int32_t>(report.size()));
    }

    TempDir dir;
    PostRecorder posts;
    std::unique_ptr<PluginLibrary> plugin;
};

TEST_F(VirtualMouseTest, ControlCommandsPostWhatTheMouseWouldSend) {
    Load();
    EXPECT_EQ(plugin->openFeatureDevice(), 0) << "unplugged at start";
    EXPECT_EQ(RunTool("level 2").exitCode, 1) << "an unplugged mouse sends nothing";
    EXPECT_EQ(RunTool("plug").exitCode, 0);
    EXPECT_EQ(RunTool("plug").exitCode, 0);  // already plugged: the notice comes again
    EXPECT_NE(plugin->openFeatureDevice(), 0);
    for (const char* command : {"level 2", "rate 3", "button 7", "show"}) {
        EXPECT_EQ(RunTool(command).exitCode, 0) << command;
    }
    EXPECT_EQ(RunTool("unplug").exitCode, 0);
    EXPECT_EQ(plugin->openFeatureDevice(), 0);
    EXPECT_EQ(RunTool("level").exitCode, 2);
    EXPECT_EQ(RunTool("jump 3").exitCode, 2);
    const std::vector<PostedMessage> expected = {
        {1326, 1, 0},          {1326, 1, 0},      {1325, 0x1000, 2}, {1325, 0x2000, 3},
        {1325, 0x3000, 0x107}, {1325, 0xA000, 0}, {1326, 0, 0}};
    EXPECT_EQ(posts.Messages(), expected);
}

TEST_F(VirtualMouseTest, SetFeatureWorksOnlyWhilePluggedAndOpen) {
    Load();
    const auto rate = Report(8, {0x06, 0x08, 0x04});
    EXPECT_EQ(Send(rate), 0);
    ASSERT_EQ(RunTool("plug").exitCode, 0);
    EXPECT_EQ(Send(rate), 0) << "plugged but not opened yet";
    ASSERT_NE(plugin->openFeatureDevice(), 0);
    EXPECT_NE(Send(rate), 0);
    EXPECT_EQ(Send(Report(7, {0x06, 0x07})), 0) << "a report of the wrong length";
    EXPECT_EQ(Send(Report(8, {0x07, 0x08})), 0) << "a report the mouse does not know";
    ASSERT_EQ(RunTool("unplug").exitCode, 0);
    EXPECT_EQ(Send(rate), 0);
    EXPECT_EQ(RunTool("plug").exitCode, 0);
    EXPECT_EQ(Send(rate), 0) << "the program must open the device again after an arrival";

    const auto log = Lines(RunTool("log").output);
    const std::string hex = "v1 06 08 04 00 00 00 00 00";
    const std::vector<std::string> expected = {
        hex + " # failed: unplugged",
        hex + " # failed: not open",
        hex,
        "v1 06 07 00 00 00 00 00 # rejected: wrong length",
        "v1 07 08 00 00 00 00 00 00 # rejected: unknown report",
        hex + " # failed: unplugged",
        hex + " # failed: not open"};
    EXPECT_EQ(log, expected);
}

TEST_F(VirtualMouseTest, StateDecodesEveryReport) {
    setenv("CORVANE_VMOUSE_PLUGGED", "1", 1);
    Load();
    ASSERT_NE(plugin->openFeatureDevice(), 0);
    // Bytes as the device expects them, written out by hand.
    auto sensitivity =
        Report(34, {0x04, 0x22, 10, 12, 0x1B, 0x10, 0x00, 10, 20, 40, 80, 160, 5, 6, 7, 8, 9, 3});
    const std::uint8_t colours[15] = {0xFF, 0,    0,    0,    0xFF, 0,    0,   0,
                                      0xFF, 0x10, 0x20, 0x30, 0xFF, 0xFF, 0xFF};
    std::copy(std::begin(colours), std::end(colours), sensitivity.begin() + 18);
    sensitivity[33] = 1;
    auto buttons = Report(76, {0x08, 0x4C, 0x01, 0x00, 0x00, 0x11, 0x05, 0x4C, 0x12, 0x00, 0x00});
    auto macro = Report(130, {0x09, 0x82, 3, 1, 1, 'C', 'o', 'p', 'y', ' ', 'A'});
    const std::uint8_t entries[] = {3, 0x01, 0x04, 6, 1, 0x81, 0x04};  // count, long, short
    std::copy(std::begin(entries), std::end(entries), macro.begin() + 29);

    struct Case {
        std::vector<std::uint8_t> report;
        std::vector<std::string> fragments;
    };
    const Case cases[] = {
        {sensitivity,
         {"\"byte2\": 10, \"byte3\": 12, \"activeLevel\": 3, \"byte33\": 1",
          "{\"level\": 1, \"enabled\": true, \"x\": 10, \"y\": 5, \"color\": \"#ff0000\"}",
          "{\"level\": 3, \"enabled\": false, \"x\": 40, \"y\": 7, \"color\": \"#0000ff\"}",
          "{\"level\": 5, \"enabled\": true, \"x\": 320, \"y\": 9, \"color\": \"#ffffff\"}"}},
        {Report(9, {0x05, 0x09, 7, 3, 8, 0x11, 0x22, 0x33, 2}),
         {"\"lighting\": {\"mode\": 7, \"speed\": 6, \"brightness\": 8, \"color\": "
          "\"#112233\", \"param\": 2}"}},
        {Report(8, {0x06, 0x08, 0x04}), {"\"rate\": {\"code\": 4}"}},
        {buttons,
         {"{\"button\": 1, \"function\": 1, \"byte1\": 0, \"byte2\": 0}",
          "{\"button\": 2, \"function\": 17, \"byte1\": 5, \"byte2\": 76}",
          "{\"button\": 3, \"function\": 18, \"byte1\": 0, \"byte2\": 0}",
          "{\"button\": 12, \"function\": 0, \"byte1\": 0, \"byte2\": 0}"}},
        {macro,
         {"{\"button\": 3, \"mode\": 1, \"repeat\": 1, \"name\": \"Copy A\", \"units\": 3, "
          "\"fits\": true, \"events\": [{\"press\": true, \"code\": 4, \"delayMs\": 300, "
          "\"long\": true}, {\"press\": false, \"code\": 4, \"delayMs\": 2, \"long\": false}]}"}},
    };
    for (const Case& c : cases) {
        ASSERT_NE(Send(c.report), 0);
    }
    const ToolResult state = RunTool("state");
    ASSERT_EQ(state.exitCode, 0);
    EXPECT_NE(state.output.find("\"plugged\": true"), std::string::npos);
    for (const Case& c : cases) {
        for (const std::string& fragment : c.fragments) {
            EXPECT_NE(state.output.find(fragment), std::string::npos) << fragment << "\nin\n"
                                                                      << state.output;
        }
    }
    EXPECT_EQ(Lines(RunTool("log").output).size(), std::size(cases)) << "one line per report";

    // A level chosen on the mouse is what it now holds.
    ASSERT_EQ(RunTool("level 5").exitCode, 0);
    EXPECT_NE(RunTool("state").output.find("\"activeLevel\": 5"), std::string::npos);
}

TEST_F(VirtualMouseTest, MouseKeepsItsConfigurationAcrossLoads) {
    setenv("CORVANE_VMOUSE_PLUGGED", "1", 1);
    Load();
    ASSERT_NE(plugin->openFeatureDevice(), 0);
    ASSERT_NE(Send(Report(9, {0x05, 0x09, 1, 4, 200, 1, 2, 3, 0})), 0);
    TearDown();
    plugin.reset();
    Load();
    EXPECT_NE(RunTool("state").output.find("\"color\": \"#010203\""), std::string::npos);
    EXPECT_EQ(RunTool("reset").exitCode, 0);
    EXPECT_NE(RunTool("state").output.find("\"lighting\": null"), std::string::npos);
    EXPECT_EQ(RunTool("log").output, "");
}

TEST_F(VirtualMouseTest, WithoutAProgramOnlyTheFileCommandsWork) {
    const ToolResult plug = RunTool("plug");
    EXPECT_EQ(plug.exitCode, 3);
    EXPECT_NE(plug.output.find("no program has the virtual mouse loaded"), std::string::npos);
    EXPECT_EQ(RunTool("show").exitCode, 3);
    EXPECT_EQ(RunTool("state").exitCode, 0);
    EXPECT_EQ(RunTool("log").exitCode, 0);
    EXPECT_EQ(RunTool("reset").exitCode, 0);

    // Once a program had it loaded and let go, the channel is gone again.
    Load();
    EXPECT_EQ(RunTool("plug").exitCode, 0);
    plugin->closeDevMonitor();
    EXPECT_EQ(RunTool("unplug").exitCode, 3);
}

TEST_F(VirtualMouseTest, ChannelIsPrivateToTheUser) {
    Load();
    const auto folder = dir.Path() / "vmouse";
    struct stat st {};
    ASSERT_EQ(stat(folder.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    ASSERT_EQ(stat((folder / "control.sock").c_str(), &st), 0);
    EXPECT_TRUE(S_ISSOCK(st.st_mode));
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

}  // namespace
