#include "data/MacroLibrary.h"

#include <algorithm>
#include <cstring>
#include <span>

#include "data/FixedText.h"
#include "data/MacroEventCount.h"
#include "data/NameRules.h"
#include "data/RecordFile.h"

namespace fs = std::filesystem;

namespace {

constexpr std::uint8_t kMacroFunction = 18;

std::unique_ptr<tagElement> RecordFromBytes(const std::byte* bytes) {
    auto record = std::make_unique<tagElement>();
    std::memcpy(record.get(), bytes, sizeof(tagElement));
    // Every later reader of the count may then index the events without a check.
    record->eventCount = MacroEventCount(*record);
    return record;
}

}  // namespace

MacroLibrary::MacroLibrary(FolderFn perUserFolder, std::u16string namePrefix)
    : perUserFolder_(std::move(perUserFolder)), namePrefix_(std::move(namePrefix)) {}

// The same folder spelling as the profile store, so a case-sensitive file system sees one.
fs::path MacroLibrary::LibraryPath() const {
    return perUserFolder_() / "Config" / "macro.data";
}

void MacroLibrary::LoadMacroLibrary() {
    records_.clear();
    keepDamagedOriginal_ = false;
    keepFile_ = false;
    problems_.clear();
    const fs::path path = LibraryPath();
    RemoveStaleTemporaries(path);
    const FileBytes file = ReadRegularFile(path, kMaxRecordsPerFile * sizeof(tagElement));
    switch (file.status) {
        case ReadStatus::Missing:
            return;  // no file until the first save
        case ReadStatus::Unreadable:
            keepFile_ = true;
            problems_.push_back({FileProblem::Unreadable, path, std::nullopt});
            return;
        case ReadStatus::TooLarge: {
            const auto kept = MoveAside(path);
            keepFile_ = !kept;
            problems_.push_back({kept ? FileProblem::TooLarge : FileProblem::Unreadable, path, kept});
            return;
        }
        case ReadStatus::Read:
            break;
    }
    const std::size_t whole = file.bytes.size() / sizeof(tagElement);
    for (std::size_t i = 0; i < whole; ++i) {
        records_.push_back(RecordFromBytes(file.bytes.data() + i * sizeof(tagElement)));
    }
    // A partial record is dropped rather than completed with guesses.
    keepDamagedOriginal_ = file.bytes.size() % sizeof(tagElement) != 0;
}

bool MacroLibrary::SaveMacroLibrary() {
    if (keepFile_) {
        return false;
    }
    const fs::path path = LibraryPath();
    EnsureDirectory(path.parent_path());
    if (keepDamagedOriginal_) {
        std::error_code ec;
        if (MoveAside(path) || !fs::exists(path, ec)) {
            keepDamagedOriginal_ = false;
        }
    }
    std::vector<std::byte> bytes(records_.size() * sizeof(tagElement));
    for (std::size_t i = 0; i < records_.size(); ++i) {
        std::memcpy(bytes.data() + i * sizeof(tagElement), records_[i].get(), sizeof(tagElement));
    }
    return WriteFileAtomic(path, bytes);
}

bool MacroLibrary::FindMacro(std::u16string_view wanted) const {
    return std::any_of(records_.begin(), records_.end(), [wanted](const auto& r) {
        return NameMatches(ReadFixedText(r->name), wanted);
    });
}

tagElement* MacroLibrary::RecordAt(std::size_t position) {
    return position < records_.size() ? records_[position].get() : nullptr;
}

const tagElement* MacroLibrary::RecordAt(std::size_t position) const {
    return position < records_.size() ? records_[position].get() : nullptr;
}

tagElement& MacroLibrary::AppendMacro(std::unique_ptr<tagElement> record) {
    records_.push_back(std::move(record));
    return *records_.back();
}

tagElement& MacroLibrary::AppendMacro(const tagElement& record) {
    return AppendMacro(std::make_unique<tagElement>(record));
}

bool MacroLibrary::RemoveMacroAt(std::size_t position) {
    if (position >= records_.size()) {
        return false;
    }
    records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(position));
    return true;
}

std::u16string MacroLibrary::UniqueName(std::u16string_view wanted,
                                        std::u16string_view base) const {
    // Stored names are compared trimmed, so a candidate is too: otherwise a base with a
    // leading blank gives a candidate that never counts as taken, and repeats.
    return ::UniqueName(
        wanted, base, [this](std::u16string_view n) { return FindMacro(TrimWhiteSpace(n)); },
        kMacroNameUnits);
}

tagElement* MacroLibrary::NewMacro() {
    const std::u16string wanted = namePrefix_ + DecimalU16(records_.size() + 1);
    auto record = std::make_unique<tagElement>();  // value-initialised: all zero
    WriteFixedText(record->name, UniqueName(wanted, wanted));
    tagElement& added = AppendMacro(std::move(record));
    SaveMacroLibrary();
    return &added;
}

int MacroLibrary::RefreshEmbeddedMacros(tagSTATEBLOCK& working) const {
    int anyMacro = 0;
    for (tagPROFILE& profile : working.profiles) {
        for (std::size_t b = 0; b < kButtonCount; ++b) {
            tagBUTTON& button = profile.buttons[b];
            const std::u16string wanted = ReadFixedText(button.macroName);
            if (button.type != kMacroFunction || wanted.empty()) {
                continue;
            }
            anyMacro = 1;
            // Only the library side is trimmed: a button name with a blank matches nothing.
            const auto found = std::find_if(records_.begin(), records_.end(), [&](const auto& r) {
                return NameMatches(ReadFixedText(r->name), wanted);
            });
            if (found == records_.end()) {
                button.type = DefaultButtonTypes[b];
                continue;
            }
            const tagElement& record = **found;
            button.macroEventCount = static_cast<std::uint16_t>(MacroEventCount(record));
            const std::u16string name = ReadFixedText(record.name);
            std::fill(std::begin(button.macroName), std::end(button.macroName), u'\0');
            std::copy(name.begin(), name.end(), button.macroName);
            std::memcpy(button.macroEvents, record.events, sizeof button.macroEvents);
            button.repeatCount = record.repeatCount;
        }
    }
    return anyMacro;
}

MacroImport MacroLibrary::ImportMacro(const fs::path& file) {
    const auto bytes = ReadFileBytes(file);
    if (!bytes) {
        return {ImportResult::CannotOpen, nullptr};
    }
    if (bytes->size() != sizeof(tagElement)) {
        return {ImportResult::WrongSize, nullptr};
    }
    auto record = RecordFromBytes(bytes->data());
    const std::u16string stored = ReadFixedText(record->name);
    WriteFixedText(record->name, UniqueName(TrimWhiteSpace(stored), stored));
    return {ImportResult::Imported, &AppendMacro(std::move(record))};
}

bool MacroLibrary::ExportMacro(const tagElement* record, const fs::path& file) const {
    if (record == nullptr) {
        return false;
    }
    // The atomic write replaces an existing file in one step.
    return WriteRecordAtomic(file, *record);
}
