#pragma once

#include <filesystem>

class MacroLibrary;
class QWidget;
class StringTable;
struct tagElement;

// The macro page's import and export: the file dialog, the library operation, and the
// warning for a file that is not a macro. Import returns the new record (appended, not yet
// saved: the page selects it and saves) or null.
tagElement* ImportMacroFile(QWidget* owner, MacroLibrary& library, const StringTable& strings,
                            const std::filesystem::path& perUserFolder);
void ExportMacroFile(QWidget* owner, const MacroLibrary& library, const tagElement* record,
                     const StringTable& strings, const std::filesystem::path& perUserFolder);
