#pragma once

#include <string>

// What the recorder asks of the macro page that hosts it.
class RecorderUi {
public:
    virtual ~RecorderUi() = default;
    // A plain recording needs a macro to save into: select one, creating a new macro when
    // none is selected. False when none could be had.
    virtual bool EnsureMacroSelected() = 0;
    // Rebuild the event list from the buffer and select the row of event selectEvent
    // (none for -1).
    virtual void RebuildEventList(int selectEvent) = 0;
    // Language string 17 while recording, 16 otherwise; the button is redrawn.
    virtual void SetRecordButtonCaption(int stringNumber) = 0;
    virtual void ClearRecordButtonCheck() = 0;
    // The text of the delay box (at most five digits as typed).
    virtual std::u16string DelayBoxText() = 0;
    virtual void FocusPage() = 0;
    // The recording page of the insert dialog goes back to its idle look.
    virtual void ResetInsertRecordingPage() = 0;
    virtual void EnableEventList() = 0;
    // Copy the buffer into the selected macro and store the library.
    virtual void SaveMacro() = 0;
};
