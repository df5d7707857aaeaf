// Every function a button can be given: its code, the menu command that chooses it, where
// the function menu offers it and the text shown for it. One row per function; the menu,
// the texts and the tests are all built from this table.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

namespace catalogue {

inline constexpr int kMainLevel = -1;
inline constexpr int kSubmenuCount = 5;
inline constexpr int kFirstCommand = 1001;
inline constexpr int kLastCommand = 1100;
inline constexpr int kKeyCombinationCommand = 1012;
inline constexpr int kMacroCommand = 1046;
inline constexpr std::uint8_t kLeftClick = 2;
inline constexpr std::uint8_t kKeyCombination = 17;
inline constexpr std::uint8_t kMacro = 18;

// What a button's text shows for the function.
enum class TextKind { String, KeyCombination, Macro };

struct Function {
    std::uint8_t code;
    int command;
    int submenu;  // kMainLevel, else 0..4
    int label;    // string number of the menu item
    TextKind text;
};

// In menu order: the fourteen main items, then each submenu's items.
std::span<const Function> Functions();
// Title strings of the five submenus, in menu order.
std::span<const int> SubmenuTitles();

const Function* ByCommand(int command);
const Function* ByCode(std::uint8_t code);
// The code a menu command stands for; commands without a row map to left click.
std::uint8_t CodeOfCommand(int command);
// The string shown for a code with a fixed text; none for key combinations, macros and
// codes outside the catalogue.
std::optional<int> TextString(std::uint8_t code);

// Item widths of the function menu. Labels are measured in the order they are added (the
// main items, then each submenu's items followed by its title) and the widest so far counts,
// starting from `minimum`: a submenu takes the width reached at its last item, the main
// level the width after everything.
inline constexpr int kMenuMinimumWidth = 156;
struct MenuWidths {
    int main = 0;
    std::array<int, kSubmenuCount> submenus{};
};
MenuWidths MeasureMenu(const std::function<int(int label)>& itemWidth,
                       int minimum = kMenuMinimumWidth);

}  // namespace catalogue
