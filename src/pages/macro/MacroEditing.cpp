#include "pages/macro/MacroEditing.h"

#include <algorithm>
#include <utility>

#include "macro/MacroRecorder.h"

namespace {

constexpr std::uint8_t kPress = 1;
constexpr std::uint8_t kRelease = 2;

void RemoveAt(MacroEventBuffer& buffer, int index) {
    std::copy(buffer.events + index + 1, buffer.events + buffer.eventCount, buffer.events + index);
    --buffer.eventCount;
    buffer.events[buffer.eventCount] = MacroEvent{};
}

bool ValidEvent(const MacroEventBuffer& buffer, int index) {
    return index >= 0 && index < buffer.eventCount;
}

}  // namespace

std::uint32_t RowValueOf(const MacroEvent& e, int eventIndex) {
    std::uint32_t kind = kRowKindDelay;
    if (e.code != kMacroDelayCode) {
        const bool press = e.action == kPress;
        if (IsMouseButtonCode(e.code)) {
            kind = press ? kRowKindMousePress : kRowKindMouseRelease;
        } else {
            kind = press ? kRowKindKeyPress : kRowKindKeyRelease;
        }
    }
    return (static_cast<std::uint32_t>(eventIndex + 1) << 16) |
           (static_cast<std::uint32_t>(e.code) << 8) | kind;
}

int EventOfRowValue(std::uint32_t value) {
    return static_cast<int>(value >> 16) - 1;
}

bool IsMouseButtonCode(std::uint8_t code) {
    return code >= 0xF1 && code <= 0xF5;
}

bool IsActionEvent(const MacroEvent& e) {
    return e.code != kMacroDelayCode && e.action != 0xFF;
}

std::vector<EventRow> BuildEventRows(const MacroEventBuffer& buffer, const CodeNameFn& name) {
    std::vector<EventRow> rows;
    const int count = std::clamp(buffer.eventCount, 0, kMacroEventCapacity);
    for (int i = 0; i < count; ++i) {
        const MacroEvent& e = buffer.events[i];
        std::u16string text;
        if (e.code == kMacroDelayCode) {
            // A 0 ms delay plays like none; it gets no row.
            if (e.delay == 0) {
                continue;
            }
            for (char c : std::to_string(e.delay) + " ms") {
                text += static_cast<char16_t>(c);
            }
        } else {
            text = name ? name(e.code) : std::u16string();
            if (IsMouseButtonCode(e.code)) {
                text += e.action == kPress ? u" Down" : u" Up";
            }
        }
        rows.push_back(EventRow{std::move(text), RowValueOf(e, i), i});
    }
    return rows;
}

int RowOfEvent(const std::vector<EventRow>& rows, int eventIndex) {
    int found = -1;
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        if (rows[r].eventIndex > eventIndex) {
            break;
        }
        found = r;
    }
    return found;
}

int DeletePartner(const MacroEventBuffer& buffer, int eventIndex) {
    if (!ValidEvent(buffer, eventIndex) || !IsActionEvent(buffer.events[eventIndex])) {
        return -1;
    }
    const MacroEvent& e = buffer.events[eventIndex];
    if (e.action == kPress) {
        for (int i = eventIndex + 1; i < buffer.eventCount; ++i) {
            if (buffer.events[i].code == e.code && buffer.events[i].action == kRelease) {
                return i;
            }
        }
        return -1;
    }
    for (int i = eventIndex - 1; i >= 0; --i) {
        if (buffer.events[i].code == e.code && buffer.events[i].action == kPress) {
            return i;
        }
    }
    return -1;
}

int ModifyPartner(const MacroEventBuffer& buffer, int eventIndex) {
    if (!ValidEvent(buffer, eventIndex) || !IsActionEvent(buffer.events[eventIndex])) {
        return -1;
    }
    const MacroEvent& e = buffer.events[eventIndex];
    if (e.action == kPress) {
        for (int i = eventIndex + 1; i < buffer.eventCount; ++i) {
            if (buffer.events[i].code == e.code) {
                return i;
            }
        }
        return -1;
    }
    for (int i = eventIndex - 1; i >= 0; --i) {
        if (buffer.events[i].code == e.code) {
            return i;
        }
    }
    return -1;
}

void DeleteEvent(MacroEventBuffer& buffer, int eventIndex, bool onlyRow) {
    if (onlyRow) {
        buffer.Clear();
        return;
    }
    if (!ValidEvent(buffer, eventIndex)) {
        return;
    }
    const int partner = DeletePartner(buffer, eventIndex);
    // The later one first, so the earlier index still names its event.
    const int first = partner < 0 ? eventIndex : std::min(eventIndex, partner);
    const int second = partner < 0 ? -1 : std::max(eventIndex, partner);
    if (second >= 0) {
        RemoveAt(buffer, second);
    }
    RemoveAt(buffer, first);
    buffer.Recount();
}

bool SwapRowEvents(MacroEventBuffer& buffer, int eventA, int eventB) {
    if (!ValidEvent(buffer, eventA) || !ValidEvent(buffer, eventB) || eventA == eventB) {
        return false;
    }
    const MacroEvent& a = buffer.events[eventA];
    const MacroEvent& b = buffer.events[eventB];
    // A press never moves past its own release.
    if (a.code == b.code && a.code != kMacroDelayCode) {
        return false;
    }
    std::swap(buffer.events[eventA], buffer.events[eventB]);
    return true;
}

int InsertDelay(MacroEventBuffer& buffer, const std::vector<EventRow>& rows, int row,
                DelayPlace place, std::uint16_t delay) {
    const int rowCount = static_cast<int>(rows.size());
    if (row < 0 || row >= rowCount) {
        return -1;
    }
    int at = -1;
    if (place == DelayPlace::Before && row > 0) {
        at = rows[row].eventIndex;
    } else if (place == DelayPlace::After && row < rowCount - 1) {
        at = rows[row].eventIndex + 1;
    }
    if (at < 0 || !buffer.Insert(at, MacroEvent{kMacroDelayCode, 0, delay})) {
        return -1;
    }
    buffer.Recount();
    return at;
}

void FinishModify(MacroEventBuffer& buffer, int eventIndex, std::uint8_t pendingCode,
                  const std::u16string& editedText) {
    if (!ValidEvent(buffer, eventIndex)) {
        return;
    }
    MacroEvent& e = buffer.events[eventIndex];
    if (IsActionEvent(e)) {
        const int partner = ModifyPartner(buffer, eventIndex);
        e.code = pendingCode;
        if (partner >= 0) {
            buffer.events[partner].code = pendingCode;
        }
    } else {
        e.delay = MacroRecorder::ParseDelay(editedText);
    }
    buffer.Recount();
}

std::uint32_t SidedModifierKey(std::uint32_t virtualKey, std::uint32_t lParam) {
    struct Sided {
        std::uint32_t virtualKey, lParam, sided;
    };
    static constexpr Sided kTable[] = {
        {0x10, 0xC02A0001, 0xA0}, {0x10, 0xC0360001, 0xA1}, {0x11, 0xC01D0001, 0xA2},
        {0x11, 0xC11D0001, 0xA3}, {0x12, 0xC0380001, 0xA4}, {0x12, 0xC1380001, 0xA5},
    };
    for (const Sided& s : kTable) {
        if (s.virtualKey == virtualKey && s.lParam == lParam) {
            return s.sided;
        }
    }
    return virtualKey;
}
