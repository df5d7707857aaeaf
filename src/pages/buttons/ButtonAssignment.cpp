#include "pages/buttons/ButtonAssignment.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "common/StringTable.h"
#include "data/FixedText.h"
#include "data/MacroLibrary.h"
#include "keys/KeyNames.h"
#include "pages/buttons/FunctionCatalogue.h"

std::uint8_t ShortcutValues::Mask() const {
    return static_cast<std::uint8_t>((ctrl ? modifier::kCtrl : 0) | (shift ? modifier::kShift : 0) |
                                     (alt ? modifier::kAlt : 0) | (win ? modifier::kWin : 0));
}

ShortcutValues ShortcutValues::FromButton(const tagBUTTON& b) {
    ShortcutValues v;
    v.key = static_cast<std::uint8_t>(b.keyCode & 0xFF);
    v.ctrl = (b.modifiers & modifier::kCtrl) != 0;
    v.shift = (b.modifiers & modifier::kShift) != 0;
    v.alt = (b.modifiers & modifier::kAlt) != 0;
    v.win = (b.modifiers & modifier::kWin) != 0;
    return v;
}

bool KeepsLeftClick(const tagPROFILE& profile, int button, std::uint8_t code) {
    for (int i = 0; i < kButtonCount; ++i) {
        if ((i == button ? code : profile.buttons[i].type) == catalogue::kLeftClick) {
            return true;
        }
    }
    return false;
}

std::uint8_t ApplyMacroSelection(tagBUTTON& b, int button, const MacroSelection& selection,
                                 const MacroLibrary* library) {
    b.playbackMode = selection.playbackMode;
    b.macroIndex = selection.selectedIndex;
    const tagElement* macro = nullptr;
    if (library != nullptr && !library->Empty() && selection.selectedIndex >= 0) {
        macro = library->RecordAt(static_cast<std::size_t>(selection.selectedIndex));
    }
    if (macro == nullptr) {
        return DefaultButtonTypes[static_cast<std::size_t>(button)];
    }
    b.macroEventCount = static_cast<std::uint16_t>(macro->eventCount);
    WriteFixedText(b.macroName, ReadFixedText(macro->name));
    std::memcpy(b.macroEvents, macro->events, sizeof b.macroEvents);
    b.repeatCount = macro->repeatCount;
    return catalogue::kMacro;
}

std::u16string AssignmentText(const tagBUTTON& b, std::uint8_t code, const KeyboardLayout& layout,
                              const StringTable& strings) {
    if (code == catalogue::kKeyCombination) {
        std::u16string text;
        if (b.modifiers & modifier::kCtrl)
            text += u"Ctrl+";
        if (b.modifiers & modifier::kShift)
            text += u"Shift+";
        if (b.modifiers & modifier::kAlt)
            text += u"Alt+";
        if (b.modifiers & modifier::kWin)
            text += u"Win+";
        return text + DeviceCodeName(b.keyCode, layout, strings);
    }
    if (code == catalogue::kMacro) {
        return ReadFixedText(b.macroName);
    }
    if (const std::optional<int> number = catalogue::TextString(code)) {
        return strings.Get(*number);
    }
    return {};
}

void SwapHandedButtons(tagPROFILE& profile) {
    for (const auto& [a, b] : kHandedPairs) {
        std::swap(profile.buttons[a], profile.buttons[b]);
    }
}

ButtonAssignment::ButtonAssignment(ProfileFn profile, LibraryFn library)
    : profile_(std::move(profile)), library_(std::move(library)) {}

bool ButtonAssignment::OnFunctionCommand(int command, AssignmentDialogs& dialogs) {
    const int b = currentButton_;
    if (b < 0 || b >= kButtonCount) {
        return false;
    }
    tagPROFILE& profile = profile_();
    tagBUTTON& record = profile.buttons[b];
    const std::uint8_t fallback = DefaultButtonTypes[static_cast<std::size_t>(b)];
    std::uint8_t code = catalogue::CodeOfCommand(command);
    if (!KeepsLeftClick(profile, b, code)) {
        dialogs.WarnLeftClickNeeded();
        return false;
    }
    if (command == catalogue::kKeyCombinationCommand) {
        const std::optional<ShortcutValues> v =
            dialogs.AskShortcut(ShortcutValues::FromButton(record));
        if (!v) {
            return false;
        }
        record.keyCode = v->key;
        record.modifiers = v->Mask();
        std::memset(record.macroName, 0, sizeof record.macroName);
        code = (v->key != 0 || v->Mask() != 0) ? catalogue::kKeyCombination : fallback;
    } else if (command == catalogue::kMacroCommand) {
        MacroSelection initial;
        initial.playbackMode = record.playbackMode;
        if (record.type == catalogue::kMacro) {
            initial.selectedIndex = record.macroIndex;
        }
        const std::optional<MacroSelection> chosen = dialogs.AskMacro(initial);
        if (!chosen) {
            return false;
        }
        code = ApplyMacroSelection(record, b, *chosen, library_());
    }
    record.type = code;
    return true;
}

bool ButtonAssignment::SelectHandedness(int option) {
    tagPROFILE& profile = profile_();
    if (option == profile.handedness || option < 0 || option > 1) {
        return false;
    }
    profile.handedness = option;
    SwapHandedButtons(profile);
    return true;
}
