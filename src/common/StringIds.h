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
inline constexpr int kSensLevelsHeading = 26;
inline constexpr int kSensLevelsHint = 27;
inline constexpr int kSensLevelsRange = 28;
inline constexpr int kSensSeparateXY = 34;
inline constexpr int kSensRateHeading = 38;
inline constexpr int kSensRateHint = 39;
inline constexpr int kSensRate125 = 40;
inline constexpr int kSensRate250 = 41;
inline constexpr int kSensRate500 = 42;
inline constexpr int kSensRate1000 = 43;
inline constexpr int kSensSpeedHeading = 44;
inline constexpr int kSensSpeedHint = 45;
inline constexpr int kSensAccelHeading = 46;
inline constexpr int kSensAccelHint = 47;

// Lighting page
inline constexpr int kLightEffectLabel = 70;
inline constexpr int kLightBrightnessLabel = 71;
inline constexpr int kLightSpeedLabel = 72;
inline constexpr int kLightSourcePicker = 73;
inline constexpr int kLightSourcePresets = 74;
inline constexpr int kLightRgbLabel = 75;
inline constexpr int kLightSteady = 76;
inline constexpr int kLightBreathing = 77;
inline constexpr int kLightColourBreathing = 78;
inline constexpr int kLightColourCycle = 79;
inline constexpr int kLightOff = 80;
inline constexpr int kLightTimingLabel = 81;  // painted above its explanation
inline constexpr int kLightTimingHint = 97;
inline constexpr int kLightRainbow = 109;
inline constexpr int kLightRunning = 110;

// Macro page and its dialogs
inline constexpr int kMacroRoom = 2101;      // bytes the macro takes of the mouse's room
inline constexpr int kMacroCutAfter = 2102;  // the last event that reaches the mouse

// File safety
inline constexpr int kFileUnreadable = 2061;
inline constexpr int kFileSetAside = 2062;
inline constexpr int kFileKeptAs = 2063;
inline constexpr int kProgramImportLead = 2064;
inline constexpr int kProgramImportQuestion = 2065;

// Install and desktop
inline constexpr int kMouseNodeClosed = 2050;
}  // namespace str
