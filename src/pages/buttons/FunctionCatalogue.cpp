#include "pages/buttons/FunctionCatalogue.h"

#include <algorithm>
#include <array>

namespace catalogue {
namespace {

constexpr int M = kMainLevel;
constexpr TextKind S = TextKind::String;

constexpr std::array kFunctions = {
    Function{2, 1001, M, 1005, S},
    Function{3, 1002, M, 1006, S},
    Function{4, 1003, M, 1007, S},
    Function{6, 1004, M, 1011, S},
    Function{5, 1005, M, 1012, S},
    Function{9, 1006, M, 1013, S},
    Function{10, 1007, M, 1014, S},
    Function{11, 1008, M, 1015, S},
    Function{12, 1009, M, 1016, S},
    Function{7, 1010, M, 1008, S},
    Function{8, 1011, M, 1027, S},
    Function{kKeyCombination, kKeyCombinationCommand, M, 1009, TextKind::KeyCombination},
    Function{kMacro, kMacroCommand, M, 1082, TextKind::Macro},
    Function{1, 1013, M, 1010, S},
    // DPI
    Function{13, 1014, 0, 1018, S},
    Function{14, 1015, 0, 1019, S},
    Function{15, 1016, 0, 1020, S},
    // Multimedia
    Function{21, 1017, 1, 1032, S},
    Function{22, 1018, 1, 1033, S},
    Function{23, 1019, 1, 1034, S},
    Function{24, 1020, 1, 1035, S},
    Function{25, 1021, 1, 1036, S},
    Function{26, 1022, 1, 1037, S},
    Function{27, 1023, 1, 1038, S},
    Function{28, 1024, 1, 1039, S},
    // Apps and web
    Function{37, 1025, 2, 1049, S},
    Function{34, 1026, 2, 1046, S},
    Function{36, 1027, 2, 1048, S},
    Function{38, 1028, 2, 1050, S},
    Function{31, 1029, 2, 1043, S},
    Function{30, 1030, 2, 1042, S},
    Function{35, 1031, 2, 1047, S},
    Function{29, 1032, 2, 1041, S},
    // Editing: sent as key combinations by the report
    Function{118, 1033, 3, 1074, S},
    Function{119, 1034, 3, 1075, S},
    Function{120, 1035, 3, 1076, S},
    Function{56, 1036, 3, 1077, S},
    Function{57, 1037, 3, 1078, S},
    Function{58, 1038, 3, 1079, S},
    Function{59, 1039, 3, 1080, S},
    Function{60, 1040, 3, 1081, S},
    // System
    Function{116, 1041, 4, 1070, S},
    Function{117, 1042, 4, 1071, S},
    Function{114, 1043, 4, 1073, S},
    Function{121, 1044, 4, 1092, S},
    Function{50, 1045, 4, 1072, S},
};

constexpr std::array kSubmenuTitles = {1017, 1031, 1040, 1087, 1088};

}  // namespace

std::span<const Function> Functions() {
    return kFunctions;
}

std::span<const int> SubmenuTitles() {
    return kSubmenuTitles;
}

const Function* ByCommand(int command) {
    for (const Function& f : kFunctions) {
        if (f.command == command) {
            return &f;
        }
    }
    return nullptr;
}

const Function* ByCode(std::uint8_t code) {
    for (const Function& f : kFunctions) {
        if (f.code == code) {
            return &f;
        }
    }
    return nullptr;
}

std::uint8_t CodeOfCommand(int command) {
    const Function* f = ByCommand(command);
    return f != nullptr ? f->code : kLeftClick;
}

std::optional<int> TextString(std::uint8_t code) {
    const Function* f = ByCode(code);
    if (f == nullptr || f->text != TextKind::String) {
        return std::nullopt;
    }
    return f->label;
}

MenuWidths MeasureMenu(const std::function<int(int label)>& itemWidth, int minimum) {
    MenuWidths widths;
    int widest = minimum;
    auto measure = [&](int label) { widest = std::max(widest, itemWidth(label)); };
    for (const Function& f : kFunctions) {
        if (f.submenu == kMainLevel) {
            measure(f.label);
        }
    }
    for (int sub = 0; sub < kSubmenuCount; ++sub) {
        for (const Function& f : kFunctions) {
            if (f.submenu == sub) {
                measure(f.label);
            }
        }
        widths.submenus[static_cast<std::size_t>(sub)] = widest;
        measure(kSubmenuTitles[static_cast<std::size_t>(sub)]);
    }
    widths.main = widest;
    return widths;
}

}  // namespace catalogue
