// Writes the skin folder: every layout file with its five screens, and the fixed pictures.
#pragma once

#include <QString>

namespace art {

// False, with the reason on stderr, when a file could not be written.
bool WriteSkin(const QString& folder);

}  // namespace art
