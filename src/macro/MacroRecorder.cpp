#include "macro/MacroRecorder.h"

#include <algorithm>
#include <utility>

namespace {

constexpr std::uint8_t kPress = 1;
constexpr std::uint8_t kRelease = 2;
constexpr std::uint32_t kMaxDelay = 65535;

std::uint16_t ClampDelay(std::intptr_t ms) {
    return static_cast<std::uint16_t>(std::clamp<std::intptr_t>(ms, 0, kMaxDelay));
}

}  // namespace

MacroRecorder::MacroRecorder(MacroEventBuffer& buffer, RecorderUi& ui, KeyHook& hook,
                             TickSource tick, DeviceCodeFn deviceCode)
    : buffer_(buffer),
      ui_(ui),
      hook_(hook),
      tick_(std::move(tick)),
      deviceCode_(std::move(deviceCode)) {}

MacroRecorder::~MacroRecorder() {
    // The page is going away: never leave the keyboard captured behind it.
    if (recording_) {
        hook_.Remove();
    }
}

std::uint16_t MacroRecorder::ParseDelay(const std::u16string& text) {
    std::uint32_t value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') {
            break;
        }
        value =
            std::min<std::uint32_t>(value * 10 + static_cast<std::uint32_t>(c - u'0'), kMaxDelay);
    }
    return static_cast<std::uint16_t>(value);
}

void MacroRecorder::ToggleRecording() {
    if (recording_) {
        StopRecording();
    } else {
        StartPlainRecording();
    }
}

void MacroRecorder::StartPlainRecording() {
    // Without a macro there is nowhere to save what was recorded.
    if (recording_ || !ui_.EnsureMacroSelected()) {
        return;
    }
    beforeRecording_ = buffer_;
    buffer_.Clear();
    insertPos_ = -1;
    ui_.RebuildEventList(-1);
    fixedDelay_ = ParseDelay(ui_.DelayBoxText());
    BeginRecording();
}

void MacroRecorder::StartInsertRecording(std::uintptr_t mode, std::intptr_t fixedDelay,
                                         int insertAt) {
    if (recording_) {
        return;
    }
    insertDelayMode_ = static_cast<int>(std::min<std::uintptr_t>(mode, 2));
    fixedDelay_ = ClampDelay(fixedDelay);
    insertRecording_ = true;
    buffer_.Recount();
    insertPos_ = (insertAt < 0 || insertAt > buffer_.eventCount) ? -1 : insertAt;
    BeginRecording();
}

void MacroRecorder::BeginRecording() {
    ui_.SetRecordButtonCaption(kCaptionStop);
    recording_ = true;
    ++recordingSerial_;
    const unsigned serial = recordingSerial_;
    hook_.Install([this, serial] {
        if (recording_ && serial == recordingSerial_) {
            StopRecording();
        }
    });
    havePrevious_ = false;
    // A key still held from the last recording must not swallow this one's first press.
    lastHookKey_.reset();
    ui_.FocusPage();
}

void MacroRecorder::StopRecording() {
    if (!recording_) {
        return;
    }
    ui_.SetRecordButtonCaption(kCaptionRecord);
    ui_.ClearRecordButtonCheck();
    ui_.ResetInsertRecordingPage();
    const bool wasInsert = insertRecording_;
    recording_ = false;
    insertRecording_ = false;
    hook_.Remove();
    lastEventTick_ = 0;
    ui_.EnableEventList();
    // An insert recording is kept or undone by the insert dialog's OK or Cancel.
    if (wasInsert) {
        return;
    }
    if (!havePrevious_) {
        // Nothing recorded, for example a click meant for Stop that came after the action
        // limit had ended the recording: the stored macro stays, the list shows it again.
        buffer_ = beforeRecording_;
        buffer_.Recount();
        ui_.RebuildEventList(buffer_.eventCount - 1);
        return;
    }
    ui_.SaveMacro();
}

void MacroRecorder::OnHookKey(std::uint32_t virtualKey, std::uint32_t flags) {
    // Keys posted before the capture went away still arrive; they are not part of it.
    if (!recording_) {
        return;
    }
    const HookKey key{virtualKey, flags & (kExtendedFlag | kReleasedFlag)};
    // A held key repeats its press; only the first one counts.
    if (lastHookKey_ == key) {
        return;
    }
    const std::uint8_t code = deviceCode_ ? deviceCode_(virtualKey) : 0;
    RecordAction(code, (key.flags & kReleasedFlag) ? kRelease : kPress);
    lastHookKey_ = key;
}

bool MacroRecorder::FilterMouse(MouseMessage message, bool overRecordButton) {
    if (!recording_) {
        return false;
    }
    // Taken from every message, not only moves: a second click on the record button
    // without moving the mouse must still stop the recording.
    overRecordButton_ = overRecordButton;
    if (message == MouseMessage::Move || overRecordButton_) {
        return false;
    }
    std::uint8_t code = 0;
    std::uint8_t action = kPress;
    switch (message) {
        case MouseMessage::LeftUp:
            action = kRelease;
            [[fallthrough]];
        case MouseMessage::LeftDown:
            code = 0xF1;
            break;
        case MouseMessage::RightUp:
            action = kRelease;
            [[fallthrough]];
        case MouseMessage::RightDown:
            code = 0xF2;
            break;
        case MouseMessage::MiddleUp:
            action = kRelease;
            [[fallthrough]];
        case MouseMessage::MiddleDown:
            code = 0xF3;
            break;
        case MouseMessage::XButton1Up:
            action = kRelease;
            [[fallthrough]];
        case MouseMessage::XButton1Down:
            code = 0xF5;
            break;
        case MouseMessage::XButton2Up:
            action = kRelease;
            [[fallthrough]];
        case MouseMessage::XButton2Down:
            code = 0xF4;
            break;
        default:
            return false;
    }
    RecordAction(code, action);
    return true;
}

void MacroRecorder::RecordAction(std::uint8_t code, std::uint8_t action) {
    buffer_.Recount();
    if (buffer_.actionCount >= kMaxActions) {
        return;
    }
    const int mode = insertRecording_ ? insertDelayMode_ : delayMode_;
    const std::uint32_t now = tick_ ? tick_() : 0;
    std::uint16_t delay = 0;
    if (havePrevious_ && mode != 2) {
        // Unsigned subtraction keeps a tick count that wrapped around correct.
        delay = mode == 0 ? static_cast<std::uint16_t>(std::min(now - lastEventTick_, kMaxDelay))
                          : fixedDelay_;
    }
    // A 0 ms delay plays like none, has no row in the event list, and would put the list's
    // rows out of step with the events.
    const int needed = delay != 0 ? 2 : 1;
    if (buffer_.eventCount + needed > kMacroEventCapacity) {
        return;
    }
    if (delay != 0) {
        AddEvent(MacroEvent{kMacroDelayCode, 0, delay});
    }
    AddEvent(MacroEvent{code, action, 0});
    havePrevious_ = true;
    lastEventTick_ = now;

    buffer_.Recount();
    ui_.RebuildEventList(insertRecording_ ? insertPos_ - 1 : buffer_.eventCount - 1);
    if (recording_ &&
        (buffer_.actionCount >= kMaxActions || buffer_.eventCount >= kMacroEventCapacity)) {
        StopRecording();
    }
}

bool MacroRecorder::AddEvent(MacroEvent e) {
    if (!buffer_.Insert(insertPos_, e)) {
        return false;
    }
    if (insertPos_ != -1) {
        ++insertPos_;
    }
    return true;
}
