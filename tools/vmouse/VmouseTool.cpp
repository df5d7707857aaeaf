// corvane-vmouse: the virtual mouse's control tool. Exit codes: 0 done, 1 the mouse refused,
// 2 usage, 3 no program has the virtual mouse loaded.
#include <cstdio>
#include <filesystem>
#include <string>

#include "ControlChannel.h"
#include "VmouseFolder.h"
#include "VmouseMemory.h"

namespace {

constexpr const char* kUsage =
    "usage: corvane-vmouse COMMAND\n"
    "  plug | unplug        connect or remove the virtual mouse\n"
    "  level N | rate N     as if the level (1..5) or rate (1..4) were chosen on the mouse\n"
    "  button N             as if button N (1..12) were pressed\n"
    "  show                 the mouse asks for the program's window\n"
    "  state | log | reset  what the mouse holds, the reports it got, forget both\n"
    "The folder is $CORVANE_VMOUSE_DIR, else $XDG_RUNTIME_DIR/corvane-vmouse,\n"
    "else ~/.cache/corvane-vmouse.\n";

int Print(const std::string& answer) {
    if (answer.rfind("ok\n", 0) == 0) {
        std::fputs(answer.c_str() + 3, stdout);
        return 0;
    }
    std::fprintf(stderr, "corvane-vmouse: %s", answer.c_str());
    if (answer.empty() || answer.back() != '\n') {
        std::fputc('\n', stderr);
    }
    return 1;
}

// state, log and reset work on the files when no program runs.
int Offline(const VmouseFolder& folder, const std::string& command) {
    if (command == "state") {
        auto text = VmouseFolder::ReadText(folder.StateFile());
        std::fputs(text ? text->c_str() : VmouseMemory().ToJson(false).c_str(), stdout);
        return 0;
    }
    if (command == "log") {
        std::fputs(VmouseFolder::ReadText(folder.LogFile()).value_or("").c_str(), stdout);
        return 0;
    }
    std::error_code ec;
    std::filesystem::remove(folder.StateFile(), ec);
    std::filesystem::remove(folder.MemoryFile(), ec);
    if (std::filesystem::exists(folder.LogFile()) &&
        !VmouseFolder::WriteAtomic(folder.LogFile(), "")) {
        std::fprintf(stderr, "corvane-vmouse: cannot clear %s\n", folder.LogFile().c_str());
        return 1;
    }
    std::puts("reset");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string command = argv[1];
    const bool numbered = command == "level" || command == "rate" || command == "button";
    const bool known = numbered || command == "plug" || command == "unplug" || command == "show" ||
                       command == "state" || command == "log" || command == "reset";
    if (!known || numbered != (argc == 3)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const VmouseFolder folder = VmouseFolder::FromEnvironment();
    const bool filesOnly = command == "state" || command == "log";
    if (filesOnly) {
        return Offline(folder, command);
    }
    std::string line = command;
    if (numbered) {
        line += std::string(" ") + argv[2];
    }
    std::string error;
    if (auto answer = ControlChannel::Request(folder.Socket(), line, &error)) {
        return Print(*answer);
    }
    if (command == "reset") {
        return Offline(folder, command);
    }
    std::fprintf(stderr,
                 "corvane-vmouse: no program has the virtual mouse loaded (nothing serves %s: "
                 "%s)\n",
                 folder.Socket().c_str(), error.c_str());
    return 3;
}
