// How the page's painted texts and button lines are handed to the text renderer, so the
// page and the fitting check draw them the same way.
#pragma once

#include <string>

#include "pages/sensitivity/SensitivityTables.h"
#include "skin/TextFit.h"

TextStyle PaintedTextStyle(const sens::PaintedText& text, std::u16string shown);
