// A window for the profile store that shows nothing and agrees to every deletion.
#pragma once

#include "data/ProfileUi.h"

class QuietProfileUi : public ProfileUi {
public:
    void RefreshPages() override {}
    void PostEditNotice() override {}
    void UpdateWindowNow() override {}
    bool ConfirmDelete() override { return true; }
};
