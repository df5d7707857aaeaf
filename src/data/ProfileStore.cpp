#include "data/ProfileStore.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "data/FixedText.h"
#include "data/NameRules.h"
#include "data/ProfileDefaults.h"
#include "data/RecordFile.h"

namespace fs = std::filesystem;

ProfileStore::ProfileStore(ProfileList& list, tagSTATEBLOCK& working, FolderFn perUserFolder,
                           std::u16string namePrefix, ProfileUi& ui)
    : list_(list),
      working_(working),
      perUserFolder_(std::move(perUserFolder)),
      namePrefix_(std::move(namePrefix)),
      ui_(ui) {}

// One spelling for both loading and saving, so a case-sensitive file system sees one folder.
fs::path ProfileStore::ConfigFolder() const {
    return perUserFolder_() / "Config";
}
fs::path ProfileStore::StateFilePath() const {
    return ConfigFolder() / "Config.data";
}
fs::path ProfileStore::ProfileListPath() const {
    return ConfigFolder() / "Profile.data";
}

namespace {

constexpr std::uint8_t kProgramFunction = 19;
// Config.data holds one block; anything this far beyond it is not ours.
constexpr std::uintmax_t kStateFileLimit = 64 * sizeof(tagSTATEBLOCK);
constexpr std::uintmax_t kListFileLimit = kMaxRecordsPerFile * sizeof(tagPROFILE);

bool NonEmptyFileAt(const fs::path& path) {
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    return !ec && size > 0;
}

}  // namespace

bool ProfileStore::SaveStateFile(const tagSTATEBLOCK& block) {
    if (keepStateFile_) {
        return false;
    }
    const fs::path folder = ConfigFolder();
    EnsureDirectory(folder);
    return WriteRecordAtomic(folder / "Config.data", block);
}

void ProfileStore::LoadStateFile(tagSTATEBLOCK& block) {
    const fs::path path = StateFilePath();
    RemoveStaleTemporaries(path);
    const FileBytes file = ReadRegularFile(path, kStateFileLimit);
    switch (file.status) {
        case ReadStatus::Read:
            if (!file.bytes.empty()) {
                break;
            }
            [[fallthrough]];  // an empty file holds nothing to keep
        case ReadStatus::Missing:
            ResetStateDefaults(block, namePrefix_);
            SaveStateFile(block);
            return;
        case ReadStatus::Unreadable:
            keepStateFile_ = true;
            problems_.push_back({FileProblem::Unreadable, path, std::nullopt});
            ResetStateDefaults(block, namePrefix_);
            return;
        case ReadStatus::TooLarge: {
            const auto kept = MoveAside(path);
            keepStateFile_ = !kept;
            problems_.push_back({kept ? FileProblem::TooLarge : FileProblem::Unreadable, path, kept});
            ResetStateDefaults(block, namePrefix_);
            SaveStateFile(block);
            return;
        }
    }
    const std::vector<std::byte>& bytes = file.bytes;
    // A short file keeps what it holds over defaults rather than over zeros, which would
    // hand the mouse levels of 0 and nameless profiles.
    if (bytes.size() < sizeof block) {
        ResetStateDefaults(block, namePrefix_);
    }
    std::memcpy(&block, bytes.data(), std::min(bytes.size(), sizeof block));
    if (block.currentSlot < 0 || block.currentSlot >= kSlotCount) {
        block.currentSlot = 0;
    }
}

bool ProfileStore::SaveProfileList() {
    const fs::path folder = ConfigFolder();
    if (keepListFile_ || (list_.Empty() && NonEmptyFileAt(folder / "Profile.data"))) {
        return false;
    }
    EnsureDirectory(folder);
    std::vector<std::byte> bytes(list_.Size() * sizeof(tagPROFILE));
    for (std::size_t i = 0; i < list_.Size(); ++i) {
        std::memcpy(bytes.data() + i * sizeof(tagPROFILE), &list_.At(i), sizeof(tagPROFILE));
    }
    return WriteFileAtomic(folder / "Profile.data", bytes);
}

void ProfileStore::LoadProfileList() {
    const fs::path path = ProfileListPath();
    RemoveStaleTemporaries(path);
    const FileBytes file = ReadRegularFile(path, kListFileLimit);
    if (file.status == ReadStatus::Unreadable) {
        keepListFile_ = true;
        problems_.push_back({FileProblem::Unreadable, path, std::nullopt});
    } else if (file.status == ReadStatus::TooLarge) {
        const auto kept = MoveAside(path);
        keepListFile_ = !kept;
        problems_.push_back({kept ? FileProblem::TooLarge : FileProblem::Unreadable, path, kept});
    }
    const std::vector<std::byte>& bytes = file.bytes;
    const std::size_t whole = bytes.size() / sizeof(tagPROFILE);
    const bool damaged = bytes.size() % sizeof(tagPROFILE) != 0;
    if (damaged) {
        // Keep the damaged original before any save can replace it.
        MoveAside(path);
    }
    for (std::size_t i = 0; i < whole; ++i) {
        auto record = std::make_unique<tagPROFILE>();
        std::memcpy(record.get(), bytes.data() + i * sizeof(tagPROFILE), sizeof(tagPROFILE));
        list_.Append(std::move(record));
    }
    if (whole == 0) {
        for (int k = 0; k < kSlotCount; ++k) {
            list_.Append(working_.profiles[k]);
        }
        SaveProfileList();  // refused while an unreadable file is kept
    } else if (damaged) {
        SaveProfileList();
    }
}

void ProfileStore::RepairSlotBindings(tagSTATEBLOCK& block) const {
    if (block.currentSlot < 0 || block.currentSlot >= kSlotCount) {
        block.currentSlot = 0;
    }
    const auto n = static_cast<std::int32_t>(list_.Size());
    for (int k = 0; k < kSlotCount; ++k) {
        if (block.slotProfile[k] < 0 || block.slotProfile[k] >= n) {
            block.slotProfile[k] = std::min<std::int32_t>(k, n - 1);
        }
    }
}

tagPROFILE* ProfileStore::NewProfile() {
    const std::u16string wanted = namePrefix_ + DecimalU16(list_.Size() + 1);
    auto record = std::make_unique<tagPROFILE>();  // value-initialised: all zero
    FillProfileDefaults(*record, static_cast<int>(list_.Size()), namePrefix_);
    WriteFixedText(record->name, list_.UniqueName(wanted, wanted));
    tagPROFILE& added = list_.Append(std::move(record));
    SaveProfileList();
    return &added;
}

bool ProfileStore::NewProfileInCurrentSlot() {
    if (NewProfile() == nullptr) {
        return false;
    }
    BindCurrentSlotToLast();
    return true;
}

void ProfileStore::BindCurrentSlotToLast() {
    working_.Current() = list_.At(list_.Size() - 1);
    working_.slotProfile[working_.currentSlot] = static_cast<std::int32_t>(list_.Size() - 1);
}

void ProfileStore::NotifyChanged() {
    ui_.RefreshPages();
    ui_.PostEditNotice();
    ui_.UpdateWindowNow();
}

bool ProfileStore::CopyProfile() {
    auto copy = std::make_unique<tagPROFILE>(working_.Current());
    const std::u16string name = ReadFixedText(copy->name);
    WriteFixedText(copy->name, list_.UniqueName(name + u"_Copy", name));
    list_.Append(std::move(copy));
    BindCurrentSlotToLast();
    NotifyChanged();
    SaveStateFile(working_);
    SaveProfileList();
    return true;
}

bool ProfileStore::DeleteProfile() {
    const std::int32_t d = working_.slotProfile[working_.currentSlot];
    // The first three entries stay, and so does the last one.
    if (list_.Size() <= 1 || d < 3 || static_cast<std::size_t>(d) >= list_.Size()) {
        return false;
    }
    if (!ui_.ConfirmDelete()) {
        return false;
    }
    list_.RemoveAt(static_cast<std::size_t>(d));
    SaveProfileList();
    const auto n = static_cast<std::int32_t>(list_.Size());
    for (int k = 0; k < kSlotCount; ++k) {
        std::int32_t& slot = working_.slotProfile[k];
        if (slot >= n) {
            slot = n - 1;
        } else if (slot > d) {
            --slot;
        }
        working_.profiles[k] = list_.At(static_cast<std::size_t>(slot));
    }
    NotifyChanged();
    return true;
}

bool ProfileStore::BindSlotToProfile(std::size_t position) {
    if (list_.Empty() || position >= list_.Size()) {
        return false;
    }
    working_.slotProfile[working_.currentSlot] = static_cast<std::int32_t>(position);
    working_.Current() = list_.At(position);
    NotifyChanged();
    return true;
}

ImportResult ProfileStore::ImportProfile(const fs::path& file) {
    const auto bytes = ReadFileBytes(file);
    if (!bytes) {
        return ImportResult::CannotOpen;
    }
    if (bytes->size() != sizeof(tagPROFILE)) {
        return ImportResult::WrongSize;
    }
    auto record = std::make_unique<tagPROFILE>();
    std::memcpy(record.get(), bytes->data(), sizeof(tagPROFILE));
    // A file from elsewhere may launch programs: the user sees each one first.
    if (const auto programs = ProgramPathsOf(*record);
        !programs.empty() && !ui_.ConfirmProgramImport(programs)) {
        return ImportResult::Declined;
    }
    const std::u16string stored = ReadFixedText(record->name);
    WriteFixedText(record->name, list_.UniqueName(TrimWhiteSpace(stored), stored));
    list_.Append(std::move(record));
    BindCurrentSlotToLast();
    NotifyChanged();
    SaveStateFile(working_);
    SaveProfileList();
    return ImportResult::Imported;
}

bool ProfileStore::ExportProfile(const fs::path& file) const {
    // The atomic write replaces an existing file in one step.
    return WriteRecordAtomic(file, working_.Current());
}

std::vector<std::u16string> ProgramPathsOf(const tagPROFILE& profile) {
    std::vector<std::u16string> paths;
    for (const tagBUTTON& button : profile.buttons) {
        // An empty path launches nothing.
        if (std::u16string path = ReadFixedText(button.programPath);
            button.type == kProgramFunction && !path.empty()) {
            paths.push_back(std::move(path));
        }
    }
    return paths;
}
