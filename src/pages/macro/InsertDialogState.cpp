#include "pages/macro/InsertDialogState.h"

#include "macro/MacroRecorder.h"

std::uint16_t DelayBoxValue(const std::u16string& text) {
    return MacroRecorder::ParseDelay(text);
}

void InsertDialogState::Choose(int command) {
    const int choice = command - kFirstChoiceCommand;
    if (choice < 0 || choice >= kChoiceCount) {
        return;
    }
    choice_ = choice;
}

int InsertDialogState::OkCaption() const {
    // Named after what the page shown will do from the start: the dialog opens on the
    // delay page, so "Insert" is right before any choice too.
    return RecordingPageShown() ? kOkDone : kOkInsert;
}

InsertMessage InsertDialogState::Ok() const {
    if (RecordingPageShown()) {
        return {insert_msg::kDone, 0, 0};
    }
    return {insert_msg::kDelay, static_cast<std::uintptr_t>(choice_), delayPageValue_};
}

void InsertDialogState::SetMode(int mode) {
    if (recording_ || mode < 0 || mode > 2) {
        return;
    }
    mode_ = mode;
}

InsertMessage InsertDialogState::RecordToggled(bool checked) {
    recording_ = checked;
    return {checked ? insert_msg::kRecordStart : insert_msg::kRecordStop,
            static_cast<std::uintptr_t>(mode_), recordValue_};
}
