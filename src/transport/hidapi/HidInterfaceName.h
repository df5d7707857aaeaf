// Windows names a HID interface by a path holding its identifiers, e.g.
// \\?\HID#VID_1D57&PID_FA60&MI_01#7&2a1b&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}
// in any letter case.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The name in lower case: the same interface comes in different cases from different calls.
std::string NormalizeInterfaceName(std::u16string_view name);
// True when the (normalized) name carries exactly this vendor and product.
bool InterfaceNameMatches(std::string_view normalized, std::uint16_t vendorId,
                          std::uint16_t productId);
