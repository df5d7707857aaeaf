#include "VmouseMemory.h"

#include <algorithm>
#include <utility>

#include "device/ReportLayout.h"

namespace {
constexpr std::uint8_t kImageMagic[4] = {'V', 'M', 'M', '1'};
constexpr std::size_t kActiveLevelByte = 17;

std::size_t LengthOf(std::uint8_t id) {
    switch (id) {
        case kSensitivityReportId:
            return kSensitivityReportLength;
        case kLightingReportId:
            return kLightingReportLength;
        case kReportRateReportId:
            return kReportRateReportLength;
        case kButtonReportId:
            return kButtonReportLength;
        case kMacroReportId:
            return kMacroReportLength;
        default:
            return 0;
    }
}
}  // namespace

VmouseMemory::Raw* VmouseMemory::SlotFor(std::span<const std::uint8_t> report) {
    switch (report[0]) {
        case kSensitivityReportId:
            return &sensitivity_;
        case kLightingReportId:
            return &lighting_;
        case kReportRateReportId:
            return &rate_;
        case kButtonReportId:
            return &buttons_;
        case kMacroReportId:
            return &macros_[report[2] - 1];
        default:
            return nullptr;
    }
}

VmouseMemory::Verdict VmouseMemory::Take(std::span<const std::uint8_t> report) {
    if (report.empty() || LengthOf(report[0]) == 0) {
        return Verdict::UnknownReport;
    }
    const std::size_t length = LengthOf(report[0]);
    if (report.size() != length || report[1] != length) {
        return Verdict::WrongLength;
    }
    if (report[0] == kMacroReportId && (report[2] < 1 || report[2] > 12)) {
        return Verdict::BadButton;
    }
    SlotFor(report)->assign(report.begin(), report.end());
    return Verdict::Accepted;
}

void VmouseMemory::SetActiveLevel(int level) {
    if (!sensitivity_.empty() && level >= 1 && level <= 5) {
        sensitivity_[kActiveLevelByte] = static_cast<std::uint8_t>(level);
    }
}

void VmouseMemory::Clear() {
    *this = VmouseMemory();
}

const char* VmouseMemory::VerdictText(Verdict verdict) {
    switch (verdict) {
        case Verdict::Accepted:
            return "accepted";
        case Verdict::UnknownReport:
            return "rejected: unknown report";
        case Verdict::WrongLength:
            return "rejected: wrong length";
        case Verdict::BadButton:
            return "rejected: no such button";
    }
    return "rejected";
}

// Image: magic, then every report slot as one length byte and its bytes.
std::vector<std::uint8_t> VmouseMemory::Serialize() const {
    std::vector<std::uint8_t> image(std::begin(kImageMagic), std::end(kImageMagic));
    auto put = [&image](const Raw& raw) {
        image.push_back(static_cast<std::uint8_t>(raw.size()));
        image.insert(image.end(), raw.begin(), raw.end());
    };
    put(sensitivity_);
    put(lighting_);
    put(rate_);
    put(buttons_);
    for (const Raw& macro : macros_) {
        put(macro);
    }
    return image;
}

bool VmouseMemory::Deserialize(std::span<const std::uint8_t> image) {
    Clear();
    if (image.size() < 4 || !std::equal(image.begin(), image.begin() + 4, kImageMagic)) {
        return false;
    }
    std::size_t pos = 4;
    VmouseMemory loaded;
    // Each slot goes through Take, so a damaged image cannot plant an impossible report.
    for (int slot = 0; slot < 16; ++slot) {
        if (pos >= image.size()) {
            return false;
        }
        const std::size_t n = image[pos++];
        if (image.size() - pos < n) {
            return false;
        }
        if (n > 0 && loaded.Take(image.subspan(pos, n)) != Verdict::Accepted) {
            return false;
        }
        pos += n;
    }
    if (pos != image.size()) {
        return false;
    }
    *this = std::move(loaded);
    return true;
}
