// What the virtual mouse holds: the last report of each kind it accepted, kept raw so that
// nothing is lost in decoding, and rendered as JSON for people and tests.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

class VmouseMemory {
public:
    enum class Verdict { Accepted, UnknownReport, WrongLength, BadButton };

    // Keeps the report when the device would take it: a known identifier, the length that
    // report has, byte 1 repeating it, and for a macro a button number 1..12.
    Verdict Take(std::span<const std::uint8_t> report);

    // A level chosen on the mouse itself becomes the active level it holds.
    void SetActiveLevel(int level);

    void Clear();

    // The JSON document of the state file.
    std::string ToJson(bool plugged) const;

    // A flat image for the memory file, so the mouse keeps its configuration across runs.
    std::vector<std::uint8_t> Serialize() const;
    // False, leaving the memory empty, when the image is not one Serialize wrote.
    bool Deserialize(std::span<const std::uint8_t> image);

    static const char* VerdictText(Verdict verdict);

private:
    using Raw = std::vector<std::uint8_t>;  // empty: never received
    Raw* SlotFor(std::span<const std::uint8_t> report);

    Raw sensitivity_;
    Raw lighting_;
    Raw rate_;
    Raw buttons_;
    std::array<Raw, 12> macros_;
};
