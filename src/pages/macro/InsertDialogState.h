// The insert dialog's state without its windows: the choice of what to insert, the delay
// page's number, the recording page's mode, number and record button, and the messages
// each of them sends to the macro page.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Messages of the insert dialog to the macro page.
namespace insert_msg {
inline constexpr std::uint32_t kCancel = 1139;
inline constexpr std::uint32_t kDone = 1140;
inline constexpr std::uint32_t kRecordStop = 1141;
inline constexpr std::uint32_t kRecordStart = 1142;
inline constexpr std::uint32_t kDelay = 1143;
}  // namespace insert_msg

struct InsertMessage {
    std::uint32_t number = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    friend bool operator==(const InsertMessage&, const InsertMessage&) = default;
};

// The number in a delay box: at most 65535, 0 for an empty box.
std::uint16_t DelayBoxValue(const std::u16string& text);

class InsertDialogState {
public:
    static constexpr int kFirstChoiceCommand = 1001;
    static constexpr int kChoiceCount = 4;
    static constexpr int kFirstChoiceString = 54;
    static constexpr int kOkInsert = 53;
    static constexpr int kOkDone = 51;
    static constexpr int kMenuMinWidth = 170;

    // Menu command 1001..1004; anything else is ignored.
    void Choose(int command);
    int Choice() const { return choice_; }
    bool RecordingPageShown() const { return choice_ >= 2; }
    int ChoiceCaption() const { return kFirstChoiceString + choice_; }
    int OkCaption() const;

    InsertMessage Ok() const;
    static InsertMessage Cancel() { return {insert_msg::kCancel, 0, 0}; }

    // Delay page.
    void SetDelayPageText(const std::u16string& text) { delayPageValue_ = DelayBoxValue(text); }
    std::uint16_t DelayPageValue() const { return delayPageValue_; }

    // Recording page. Mode buttons are ignored while recording.
    void SetMode(int mode);
    int Mode() const { return mode_; }
    void SetRecordPageText(const std::u16string& text) { recordValue_ = DelayBoxValue(text); }
    std::uint16_t RecordValue() const { return recordValue_; }
    // The record button after its click toggled it.
    InsertMessage RecordToggled(bool checked);
    bool Recording() const { return recording_; }
    // The macro page stopped the recording (the action limit, the capture lost).
    void ResetRecording() { recording_ = false; }

    bool RecordDelayBoxEnabled() const { return !recording_ && mode_ == 1; }
    bool ModeButtonEnabled(int mode) const { return !recording_ || mode == mode_; }
    int RecordCaption() const { return recording_ ? 17 : 16; }

private:
    int choice_ = 0;
    std::uint16_t delayPageValue_ = 50;
    int mode_ = 1;
    std::uint16_t recordValue_ = 50;
    bool recording_ = false;
};
