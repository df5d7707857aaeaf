// Every popup-menu window of the program, owner-drawn or not, wears the skin's
// blue-and-black frame. The application object installs the decoration at start and
// removes it at exit; both run on the user-interface thread.
#pragma once

#include <cstddef>

class QWidget;
class CMenuWndHook;

// Once per process; a second call does nothing. Needs the application object.
void InstallMenuDecoration();
// Releases every menu window still decorated.
void RemoveMenuDecoration();
bool MenuDecorationInstalled();

// The windows decorated now, and how many times a window was caught since installation
// (a window is caught once per showing).
std::size_t DecoratedMenuCount();
std::size_t MenuDecorationsMade();
const CMenuWndHook* FindMenuWndHook(const QWidget* menuWindow);
