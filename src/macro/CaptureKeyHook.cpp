#include "macro/CaptureKeyHook.h"

#include <utility>

CaptureKeyHook::CaptureKeyHook(KeyboardCapture& capture, QWidget* page)
    : capture_(capture), page_(page) {}

CaptureKeyHook::~CaptureKeyHook() {
    Remove();
}

bool CaptureKeyHook::Install(std::function<void()> onLost) {
    std::weak_ptr<int> alive = alive_;
    return capture_.Install(page_, [alive, onLost = std::move(onLost)] {
        if (!alive.expired() && onLost) {
            onLost();
        }
    });
}

void CaptureKeyHook::Remove() {
    capture_.Remove(page_);
}
