// What the macro page's logic asks of its window.
#pragma once

#include <string>
#include <vector>

#include "pages/macro/MacroCapacity.h"
#include "pages/macro/MacroEditing.h"

class MacroPageView {
public:
    virtual ~MacroPageView() = default;
    // The event list anew, with selectRow selected (none for -1).
    virtual void ShowRows(const std::vector<EventRow>& rows, int selectRow) = 0;
    // The selected macro's name on the drop-down, the name label and in the name editor.
    virtual void ShowMacroName(const std::u16string& name) = 0;
    // How much of the mouse's room the macro takes; when it does not fit, lastRow (-1 for
    // none) and lastText name the last row that reaches the mouse.
    virtual void ShowCapacity(const MacroFit& fit, int lastRow, const std::u16string& lastText) = 0;
    virtual void SetRecordCaption(int stringNumber) = 0;
    virtual void ClearRecordCheck() = 0;
    virtual std::u16string DelayBoxText() = 0;
    virtual void FocusPage() = 0;
    virtual void ResetInsertRecordingPage() = 0;
    virtual void EnableEventList() = 0;
    // Shows or hides the insert dialog; while it is open the page's editing controls are
    // disabled, and of the mode buttons only the one of delayMode stays enabled.
    virtual void SetInsertOpen(bool open, int delayMode) = 0;
};
