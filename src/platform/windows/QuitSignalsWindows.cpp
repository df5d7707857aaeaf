#include "platform/QuitSignals.h"

namespace platform {

// A windowed program is asked to end through its window (WM_CLOSE, WM_ENDSESSION), which the
// main window already handles.
void OnQuitRequest(QObject*, std::function<void()>) {}

}  // namespace platform
