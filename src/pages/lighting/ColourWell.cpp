#include "pages/lighting/ColourWell.h"

#include "common/Messages.h"
#include "pages/lighting/ColourSelector.h"

void ColourWell::OnSelectorNotice(const ColourSelector& sender) {
    colour_ = sender.Colour();
    if (postToParent) {
        postToParent(msg::kColourChanged);
    }
    if (invalidate) {
        invalidate();
    }
}

void ColourWell::OnDragEnded() {
    if (postToParent) {
        postToParent(msg::kColourDragEnded);
    }
}
