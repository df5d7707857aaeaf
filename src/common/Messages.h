// Numbered messages between windows, threads and the transport plug-ins.
#pragma once

#include <cstdint>

namespace msg {
inline constexpr std::uint32_t kKeyEvent = 1034;
inline constexpr std::uint32_t kTrayIcon = 1036;
inline constexpr std::uint32_t kShowYourself = 1039;
inline constexpr std::uint32_t kSliderChanging = 1094;
inline constexpr std::uint32_t kSliderSettled = 1095;
inline constexpr std::uint32_t kSliderThumbMoved = 1096;
inline constexpr std::uint32_t kSpinValue = 1114;
inline constexpr std::uint32_t kColourChanged = 1115;
inline constexpr std::uint32_t kEditFocusLost = 1116;
inline constexpr std::uint32_t kColourDragEnded = 1117;
inline constexpr std::uint32_t kButtonHover = 1124;
inline constexpr std::uint32_t kClosePopup = 1129;
inline constexpr std::uint32_t kEditNotice = 1230;
inline constexpr std::uint32_t kApplyFinished = 1256;
inline constexpr std::uint32_t kApplyProgress = 1257;  // wParam sent, lParam total
inline constexpr std::uint32_t kListChoice = 1259;
inline constexpr std::uint32_t kColourInternal = 1294;
inline constexpr std::uint32_t kDeviceEvent1 = 1325;
inline constexpr std::uint32_t kDeviceConnection1 = 1326;
inline constexpr std::uint32_t kDeviceEvent2 = 1327;
inline constexpr std::uint32_t kDeviceConnection2 = 1328;
inline constexpr std::uint32_t kListEditCommitted = 1524;
inline constexpr std::uint32_t kListEditCommitted2 = 1526;
inline constexpr std::uint32_t kApplyRequest = 1649;
inline constexpr std::uint32_t kListRightClick = 1724;

// Commands of the menus.
inline constexpr int kCmdCopyProfile = 1011;
inline constexpr int kCmdImportProfile = 1012;
inline constexpr int kCmdExportProfile = 1013;
inline constexpr int kCmdShowWindow = 6001;
inline constexpr int kCmdExit = 6002;
inline constexpr int kCmdToggleAutoRun = 6003;
}  // namespace msg

// The single-instance contract between two processes.
inline constexpr const char* kSingleInstanceName = "Vantor_Q731_4610_Gaming_Mouse_configure";
inline constexpr const char* kMainWindowTitle = "Corvane";
