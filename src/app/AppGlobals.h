#pragma once

#include <filesystem>
#include <memory>

#include "common/StringTable.h"
#include "data/MacroLibrary.h"
#include "data/ProfileList.h"
#include "data/ProfileRecord.h"

// State shared by the subsystems for the whole run; created before the main window and
// destroyed after it.
struct AppGlobals {
    tagSTATEBLOCK working{};
    tagSTATEBLOCK applied{};
    ProfileList profiles;
    std::unique_ptr<MacroLibrary> macros;  // made once the string table is loaded
    std::filesystem::path programFolder;   // ends with a separator
    std::filesystem::path skinFolder;
    StringTable strings;
};

AppGlobals& Globals();
