#pragma once

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
};
