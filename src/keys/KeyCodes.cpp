#include "keys/KeyCodes.h"

#include "keys/KeyCodeTable.h"

KeyConversion VirtualKeyToDeviceCode(std::uint32_t virtualKey, const KeyboardLayout& layout) {
    const KeyCodeRow* row = FindRowByVirtualKey(virtualKey);
    if (row == nullptr) {
        return {};
    }
    const auto code = static_cast<std::uint32_t>(row->deviceCode);
    if (!IsLayoutDependentDeviceCode(code)) {
        return {true, code};
    }
    // A key the layout cannot place (scan code 0) keeps its own row: searching for 0 would
    // land on the first row without a scan code and store Print Screen instead.
    const std::uint32_t scan = layout.VirtualKeyToScanCode(virtualKey);
    if (scan != 0) {
        if (const KeyCodeRow* physical = FindRowByScanCode(scan)) {
            return {true, static_cast<std::uint32_t>(physical->deviceCode)};
        }
    }
    return {true, code};
}

KeyConversion DeviceCodeToVirtualKey(std::uint32_t deviceCode, const KeyboardLayout& layout) {
    const KeyCodeRow* row = FindRowByDeviceCode(deviceCode);
    if (row == nullptr) {
        return {};
    }
    // Rows without a scan code (the OEM codes 232..239) name their key by the virtual-key
    // column; asking the layout for scan code 0 would lose the key.
    if (IsLayoutDependentDeviceCode(deviceCode) && row->scanCode != 0) {
        return {true, layout.ScanCodeToVirtualKey(static_cast<std::uint32_t>(row->scanCode))};
    }
    return {true, static_cast<std::uint32_t>(row->virtualKey)};
}
