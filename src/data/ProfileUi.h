#pragma once

#include <string>
#include <vector>

// What the profile operations ask of the window that hosts them.
class ProfileUi {
public:
    virtual ~ProfileUi() = default;
    // Redraw the profile caption and the pages from the current profile.
    virtual void RefreshPages() = 0;
    // Message 1230 (0, 0) to the main window.
    virtual void PostEditNotice() = 0;
    virtual void UpdateWindowNow() = 0;
    // The delete confirmation; false when the user cancels.
    virtual bool ConfirmDelete() = 0;
    // Asked before importing a profile whose buttons launch these programs; false imports
    // nothing. A host that cannot ask declines.
    virtual bool ConfirmProgramImport(const std::vector<std::u16string>& programs) {
        (void)programs;
        return false;
    }
};
