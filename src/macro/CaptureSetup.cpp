#include "macro/CaptureSetup.h"

#include <memory>

#include "platform/KeyboardCapture.h"
#include "platform/KeyboardLayout.h"

#ifndef _WIN32
#include "keys/XKeyTranslation.h"
#include "platform/linux/X11KeyboardCapture.h"
#endif

void UseSystemKeyboardLayoutForCapture() {
#ifndef _WIN32
    // X keycodes only make sense against the keymap of the server they come from. It is
    // fetched at the first captured key, not while the program starts.
    auto layout = std::make_shared<std::unique_ptr<KeyboardLayout>>();
    static_cast<X11KeyboardCapture&>(KeyboardCapture::Instance())
        .SetTranslator([layout](std::uint32_t keycode, std::uint32_t keysym, bool released) {
            if (!*layout) {
                *layout = CreateSystemKeyboardLayout();
            }
            const KeyEventCode k = TranslateXKeyEvent(keycode, keysym, released, **layout);
            return CapturedKey{k.virtualKey, k.flags};
        });
#endif
    // The Windows hook gets virtual keys from the system itself.
}
