#include <windows.h>

#include "platform/PointerControl.h"

namespace platform {

void ApplyPointerSettings(const PointerSettings& s) {
    int mouse[3] = {s.acceleration.firstThreshold, s.acceleration.secondThreshold,
                    s.acceleration.level};
    SystemParametersInfoW(SPI_SETMOUSE, 0, mouse, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
    // The speed goes as the value itself, not its address.
    SystemParametersInfoW(SPI_SETMOUSESPEED, 0,
                          reinterpret_cast<void*>(static_cast<INT_PTR>(s.speed)),
                          SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
}

}  // namespace platform
