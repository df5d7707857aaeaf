// The keys no skinned window lets through: Escape, Enter and Space would close a window or
// press the focused control, which these windows leave to the mouse.
#pragma once

#include <Qt>

inline bool IsSwallowedKey(int key) {
    return key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter ||
           key == Qt::Key_Space;
}
