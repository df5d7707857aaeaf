#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "macro/KeyHook.h"
#include "macro/MacroEventBuffer.h"
#include "macro/RecorderUi.h"
#include "macro/TickCount.h"

// Mouse messages as the macro page's pre-translation hands them on.
enum class MouseMessage {
    Move,
    LeftDown,
    LeftUp,
    RightDown,
    RightUp,
    MiddleDown,
    MiddleUp,
    XButton1Down,
    XButton1Up,
    XButton2Down,
    XButton2Up,
    Other,  // double clicks, wheel and the rest: never recorded
};

// Turns key strokes and mouse clicks into macro events in the page's buffer, with the
// delays between them.
class MacroRecorder {
public:
    static constexpr int kMaxActions = 60;
    static constexpr int kCaptionRecord = 16;
    static constexpr int kCaptionStop = 17;
    static constexpr std::uint32_t kExtendedFlag = 0x01;
    static constexpr std::uint32_t kReleasedFlag = 0x80;

    // 0 when the virtual key has no device code.
    using DeviceCodeFn = std::function<std::uint8_t(std::uint32_t virtualKey)>;

    MacroRecorder(MacroEventBuffer& buffer, RecorderUi& ui, KeyHook& hook, TickSource tick,
                  DeviceCodeFn deviceCode);
    ~MacroRecorder();
    MacroRecorder(const MacroRecorder&) = delete;
    MacroRecorder& operator=(const MacroRecorder&) = delete;

    // The record button: starts a plain recording, or stops the running one.
    void ToggleRecording();
    void StartPlainRecording();
    // Message 1142: delay mode, fixed delay, and the event in front of which to insert
    // (-1 appends).
    void StartInsertRecording(std::uintptr_t mode, std::intptr_t fixedDelay, int insertAt);
    // The record button, message 1141, the action limit, or the capture taken away. A plain
    // recording that took no action leaves the macro as it was.
    void StopRecording();

    // Message 1034 with the virtual key and the flags (0x01 extended, 0x80 released).
    void OnHookKey(std::uint32_t virtualKey, std::uint32_t flags);
    // True when the message became an action and must not reach the control under the
    // pointer. overRecordButton: the pointer lies over the record button.
    bool FilterMouse(MouseMessage message, bool overRecordButton);

    void SetDelayMode(int mode) { delayMode_ = mode; }
    int DelayMode() const { return delayMode_; }
    bool Recording() const { return recording_; }
    bool InsertRecording() const { return insertRecording_; }
    std::uint16_t FixedDelay() const { return fixedDelay_; }
    int InsertPos() const { return insertPos_; }

    // The number at the start of a delay box text, at most 65535.
    static std::uint16_t ParseDelay(const std::u16string& text);

private:
    void BeginRecording();
    void RecordAction(std::uint8_t code, std::uint8_t action);
    bool AddEvent(MacroEvent e);

    MacroEventBuffer& buffer_;
    RecorderUi& ui_;
    KeyHook& hook_;
    TickSource tick_;
    DeviceCodeFn deviceCode_;

    bool recording_ = false;
    bool insertRecording_ = false;
    int delayMode_ = 1;
    int insertDelayMode_ = 0;
    std::uint16_t fixedDelay_ = 10;
    int insertPos_ = -1;
    bool havePrevious_ = false;
    bool overRecordButton_ = false;
    std::uint32_t lastEventTick_ = 0;
    struct HookKey {
        std::uint32_t virtualKey;
        std::uint32_t flags;
        bool operator==(const HookKey&) const = default;
    };
    std::optional<HookKey> lastHookKey_;
    // The macro's events before the running plain recording emptied the buffer: a
    // recording stopped before it took any action gives them back instead of saving an
    // empty macro.
    MacroEventBuffer beforeRecording_;
    // Tells a stale "capture lost" notice from one about the running recording.
    unsigned recordingSerial_ = 0;
};
