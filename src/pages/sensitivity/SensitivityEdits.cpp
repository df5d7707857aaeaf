#include "pages/sensitivity/SensitivityEdits.h"

#include <algorithm>

#include "data/ProfileRecord.h"
#include "pages/sensitivity/SensitivityTables.h"

std::u16string LevelText(std::int32_t value) {
    const std::string digits = std::to_string(static_cast<std::int64_t>(value) * 100);
    return std::u16string(digits.begin(), digits.end());
}

int RateStringId(std::int32_t reportRate) {
    const bool known = reportRate >= 0 && reportRate < std::int32_t(sens::kRateEntries.size());
    return sens::kRateEntries[known ? reportRate : 0].stringId;
}

std::optional<std::int32_t> RateForCommand(int command) {
    if (command < sens::kFirstRateCommand || command > sens::kLastRateCommand) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < sens::kRateEntries.size(); ++i) {
        if (sens::kRateEntries[i].command == command) {
            return static_cast<std::int32_t>(i);
        }
    }
    return 0;
}

std::int32_t SpeedPosition(std::int32_t pointerSpeed) {
    return pointerSpeed / 2;
}

std::int32_t StoredSpeed(std::int32_t position) {
    return position == 0 ? 1 : 2 * position;
}

int SensitivityEdits::ActiveLevel() const {
    return std::clamp<std::int32_t>(p_.currentLevel, 0, kLevelCount - 1);
}

SensitivityView SensitivityEdits::View() const {
    SensitivityView v;
    v.level = ActiveLevel();
    for (int i = 0; i < kLevelCount; ++i) {
        v.levelX[i] = LevelText(p_.levelX[i]);
        v.levelY[i] = LevelText(p_.levelY[i]);
    }
    v.sliderX = p_.levelX[v.level];
    v.sliderY = p_.levelY[v.level];
    v.speedPosition = SpeedPosition(p_.pointerSpeed);
    v.accelPosition = p_.pointerAccel;
    v.rateStringId = RateStringId(p_.reportRate);
    v.separate = p_.xySeparate != 0;
    return v;
}

SensitivityUpdate SensitivityEdits::ClickLevel(int level) {
    if (level < 0 || level >= kLevelCount) {
        return {};
    }
    p_.currentLevel = level;
    SensitivityUpdate u;
    u.selectLevel = true;
    u.notice = sens::kNoticeLevels;
    return u;
}

SensitivityUpdate SensitivityEdits::SetSeparate(bool separate) {
    p_.xySeparate = separate ? 1 : 0;
    SensitivityUpdate u;
    const int l = ActiveLevel();
    // Linking brings only the active level into line; the others wait until they are edited.
    if (!separate && p_.levelY[l] != p_.levelX[l]) {
        p_.levelY[l] = p_.levelX[l];
        u.setY = p_.levelY[l];
        u.levelText = true;
    }
    return u;
}

SensitivityUpdate SensitivityEdits::SliderMoved(int sliderId, std::int32_t value) {
    SensitivityUpdate u;
    const int l = ActiveLevel();
    const bool linked = p_.xySeparate == 0;
    switch (sliderId) {
        case sens::kSliderX:
            p_.levelX[l] = value;
            if (linked) {
                p_.levelY[l] = value;
                u.setY = value;
            }
            u.levelText = true;
            break;
        case sens::kSliderY:
            p_.levelY[l] = value;
            if (linked) {
                p_.levelX[l] = value;
                u.setX = value;
            }
            u.levelText = true;
            break;
        case sens::kSliderSpeed:
            p_.pointerSpeed = StoredSpeed(value);
            break;
        case sens::kSliderAccel:
            p_.pointerAccel = value;
            break;
        default:
            break;
    }
    return u;
}

SensitivityUpdate SensitivityEdits::SliderSettled(int sliderId, std::int32_t value) {
    SensitivityUpdate u;
    switch (sliderId) {
        case sens::kSliderX:
            p_.levelX[ActiveLevel()] = value;
            u.levelText = true;
            u.notice = sens::kNoticeLevels;
            break;
        case sens::kSliderSpeed:
            p_.pointerSpeed = StoredSpeed(value);
            u.notice = sens::kNoticePointer;
            break;
        case sens::kSliderAccel:
            p_.pointerAccel = value;
            u.notice = sens::kNoticePointer;
            break;
        default:
            // Y: the value changing notice before this one has stored it already.
            break;
    }
    return u;
}

SensitivityUpdate SensitivityEdits::ChooseRate(int command) {
    const std::optional<std::int32_t> rate = RateForCommand(command);
    if (!rate) {
        return {};
    }
    p_.reportRate = *rate;
    SensitivityUpdate u;
    u.rateCaption = true;
    u.notice = sens::kNoticeRate;
    return u;
}
