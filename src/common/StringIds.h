// Numbers of the string table's texts, each named once. Pages keep their own block.
#pragma once

namespace str {
// Main window and tray
inline constexpr int kSensitivityTab = 1;
inline constexpr int kButtonsTab = 2;
inline constexpr int kLightingTab = 3;
inline constexpr int kMacroTab = 4;
inline constexpr int kApply = 5;
inline constexpr int kOk = 6;
inline constexpr int kCancel = 7;
inline constexpr int kDefaultMacroName = 19;
inline constexpr int kSlot1 = 23;
inline constexpr int kSlot2 = 24;
inline constexpr int kSlot3 = 25;
inline constexpr int kRestoreDefaults = 48;
inline constexpr int kDefaultProfileName = 49;
inline constexpr int kMoreCopy = 59;
inline constexpr int kMoreImport = 60;
inline constexpr int kMoreExport = 61;
inline constexpr int kTrayShow = 1002;
inline constexpr int kTrayExit = 1003;
inline constexpr int kTrayTip = 1004;

// Warning dialog
inline constexpr int kWarningOk = 87;
inline constexpr int kWarningCancel = 88;
inline constexpr int kWarningTitle = 100;
inline constexpr int kConfirmDeleteProfile = 103;

// Files and settings (our own numbers)
inline constexpr int kNotAProfileFile = 2001;
inline constexpr int kNotAMacroFile = 2002;
inline constexpr int kStartWithSystem = 2003;
inline constexpr int kImportProfileTitle = 2005;
inline constexpr int kExportProfileTitle = 2006;
inline constexpr int kImportMacroTitle = 2007;
inline constexpr int kExportMacroTitle = 2008;

// Buttons page

// Sensitivity page

// Lighting page

// Macro page and its dialogs

// File safety
inline constexpr int kFileUnreadable = 2101;
inline constexpr int kFileSetAside = 2102;
inline constexpr int kFileKeptAs = 2103;
inline constexpr int kProgramImportLead = 2104;
inline constexpr int kProgramImportQuestion = 2105;

// Install and desktop
}  // namespace str
