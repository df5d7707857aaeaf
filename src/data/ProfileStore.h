#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "data/FileProblem.h"
#include "data/ProfileList.h"
#include "data/ProfileRecord.h"
#include "data/ProfileUi.h"

enum class ImportResult { Imported, CannotOpen, WrongSize, Declined };

// Config.data, Profile.data and the .gmp exchange files, and the profile-list operations
// that keep the working state's slots bound to list entries.
class ProfileStore {
public:
    using FolderFn = std::function<std::filesystem::path()>;

    // perUserFolder is asked afresh for every file; namePrefix is string 49.
    ProfileStore(ProfileList& list, tagSTATEBLOCK& working, FolderFn perUserFolder,
                 std::u16string namePrefix, ProfileUi& ui);

    std::filesystem::path ConfigFolder() const;
    std::filesystem::path StateFilePath() const;
    std::filesystem::path ProfileListPath() const;

    // Only a missing (or empty) file means a first start: defaults, saved. One that exists
    // but cannot be read also gives defaults, but is never saved over in this run.
    void LoadStateFile(tagSTATEBLOCK& block);
    bool SaveStateFile(const tagSTATEBLOCK& block);
    void LoadProfileList();
    // Refuses to replace a non-empty file with an empty list: after start-up the list is
    // only empty while the program shuts down.
    bool SaveProfileList();
    // What the loads could not use, for one warning.
    const FileProblems& LoadProblems() const { return problems_; }
    void FreeProfileList() { list_.Clear(); }

    // Binds every slot of the block to an existing list entry; run once the list is loaded.
    void RepairSlotBindings(tagSTATEBLOCK& block) const;

    tagPROFILE* NewProfile();
    // A new profile, with the current slot bound to it as a copy binds it.
    bool NewProfileInCurrentSlot();
    bool CopyProfile();
    bool DeleteProfile();
    bool BindSlotToProfile(std::size_t position);
    // A profile whose buttons launch programs is imported only when the user agrees.
    ImportResult ImportProfile(const std::filesystem::path& file);
    bool ExportProfile(const std::filesystem::path& file) const;

    const std::u16string& NamePrefix() const { return namePrefix_; }

private:
    void BindCurrentSlotToLast();
    void NotifyChanged();

    ProfileList& list_;
    tagSTATEBLOCK& working_;
    FolderFn perUserFolder_;
    std::u16string namePrefix_;
    ProfileUi& ui_;
    bool keepStateFile_ = false;
    bool keepListFile_ = false;
    FileProblems problems_;
};

// The program paths of the buttons that launch one, in button order.
std::vector<std::u16string> ProgramPathsOf(const tagPROFILE& profile);
