#pragma once

#include <memory>

#include "macro/KeyHook.h"
#include "platform/KeyboardCapture.h"

class QWidget;

// The recorder's key hook on the keyboard capture, held for the macro page.
class CaptureKeyHook : public KeyHook {
public:
    CaptureKeyHook(KeyboardCapture& capture, QWidget* page);
    ~CaptureKeyHook() override;
    CaptureKeyHook(const CaptureKeyHook&) = delete;
    CaptureKeyHook& operator=(const CaptureKeyHook&) = delete;

    bool Install(std::function<void()> onLost) override;
    void Remove() override;

private:
    KeyboardCapture& capture_;
    QWidget* page_;
    // Lives as long as this hook; a lost notice that arrives later finds it expired.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};
