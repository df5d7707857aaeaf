// What the sensitivity page's controls and the mouse's own level and rate changes do to the
// current profile, and what the page has to show afterwards. No widgets: the page turns its
// Qt events into these calls and shows what they return.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

struct tagPROFILE;

// The page as the profile says it should look.
struct SensitivityView {
    int level = 0;                                 // the active level, always 0..4
    std::array<std::u16string, 5> levelX, levelY;  // button texts: value x 100
    std::int32_t sliderX = 0, sliderY = 0;         // stored values; the sliders clamp them
    std::int32_t speedPosition = 0;                // pointerSpeed / 2
    std::int32_t accelPosition = 0;
    int rateStringId = 0;
    bool separate = false;  // link button on
};

// What one edit asks the page to do beyond storing the value.
struct SensitivityUpdate {
    int notice = 0;            // kind of the edit notice to post; 0 posts none
    bool selectLevel = false;  // re-mark the level buttons and load both level sliders
    bool levelText = false;    // rewrite the active level's two texts
    std::optional<std::int32_t> setX, setY;  // move the other level slider
    bool rateCaption = false;                // the rate button's caption changed
    bool operator==(const SensitivityUpdate&) const = default;
};

// "%d" of value x 100, computed wide so a damaged value cannot overflow.
std::u16string LevelText(std::int32_t value);
// The string shown for a stored report rate; anything outside 0..3 shows the first entry's.
int RateStringId(std::int32_t reportRate);
// The rate a menu command stores: entries 2..4 give 1..3, every other command of the
// menu's range gives 0. No value for a command outside the range.
std::optional<std::int32_t> RateForCommand(int command);
// The speed slider shows half the stored speed; a position stores twice itself, 0 as 1.
std::int32_t SpeedPosition(std::int32_t pointerSpeed);
std::int32_t StoredSpeed(std::int32_t position);

class SensitivityEdits {
public:
    explicit SensitivityEdits(tagPROFILE& profile) : p_(profile) {}

    SensitivityView View() const;
    // currentLevel held to 0..4: a damaged file never makes the page index out of range.
    int ActiveLevel() const;

    SensitivityUpdate ClickLevel(int level);
    // The link button has already switched; on = X and Y separate.
    SensitivityUpdate SetSeparate(bool separate);
    // Value changing (1094) and value settled (1095) from the slider with this id.
    SensitivityUpdate SliderMoved(int sliderId, std::int32_t value);
    SensitivityUpdate SliderSettled(int sliderId, std::int32_t value);
    SensitivityUpdate ChooseRate(int command);

private:
    tagPROFILE& p_;
};
