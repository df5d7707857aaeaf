#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/FileProblem.h"
#include "data/MacroRecord.h"
#include "data/ProfileRecord.h"
#include "data/ProfileStore.h"

// The outcome of an import; the record is null unless the result is Imported.
struct MacroImport {
    ImportResult result;
    tagElement* record;
};

// The user's macros in library order, macro.data and the .macro exchange files. The
// library owns its records, which never move while they are in it.
class MacroLibrary {
public:
    using FolderFn = std::function<std::filesystem::path()>;

    // perUserFolder is asked afresh for every file; namePrefix is string 19.
    MacroLibrary(FolderFn perUserFolder, std::u16string namePrefix);

    std::filesystem::path LibraryPath() const;

    // A macro.data that exists but cannot be read leaves the library empty and is never
    // saved over in this run; one far beyond any real library is set aside unread.
    void LoadMacroLibrary();
    bool SaveMacroLibrary();
    const FileProblems& LoadProblems() const { return problems_; }
    void FreeMacroLibrary() { records_.clear(); }

    std::size_t Size() const { return records_.size(); }
    bool Empty() const { return records_.empty(); }

    bool FindMacro(std::u16string_view wanted) const;
    tagElement* RecordAt(std::size_t position);
    const tagElement* RecordAt(std::size_t position) const;
    tagElement& AppendMacro(std::unique_ptr<tagElement> record);
    tagElement& AppendMacro(const tagElement& record);
    bool RemoveMacroAt(std::size_t position);

    // The name rules of the library, numbered names held to the 30-unit name field.
    std::u16string UniqueName(std::u16string_view wanted, std::u16string_view base) const;

    tagElement* NewMacro();

    // Copies the library macros into every button of the five profiles that plays one, by
    // name; a button whose macro is gone falls back to its default function. Returns 1 when
    // any button plays a macro. Only the given state block changes.
    int RefreshEmbeddedMacros(tagSTATEBLOCK& working) const;

    // The record is appended but not saved: the caller selects it and saves.
    MacroImport ImportMacro(const std::filesystem::path& file);
    bool ExportMacro(const tagElement* record, const std::filesystem::path& file) const;

private:
    FolderFn perUserFolder_;
    std::u16string namePrefix_;
    std::vector<std::unique_ptr<tagElement>> records_;
    // Set when macro.data ended in a partial record: the original is kept aside before
    // the first save replaces it.
    bool keepDamagedOriginal_ = false;
    bool keepFile_ = false;
    FileProblems problems_;
};
