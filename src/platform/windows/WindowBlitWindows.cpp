#include "platform/WindowBlit.h"

namespace platform {

// Qt's backing store on Windows flushes with one blit and no wait: nothing to gain here.
bool WindowBlit::Supported() {
    return false;
}

std::unique_ptr<WindowBlit> WindowBlit::For(WId) {
    return nullptr;
}

}  // namespace platform
