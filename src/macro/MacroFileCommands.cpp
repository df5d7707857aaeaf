#include "macro/MacroFileCommands.h"

#include "app/StringTable.h"
#include "data/MacroLibrary.h"
#include "platform/QtText.h"
#include "skin/ExchangeFileDialogs.h"
#include "skin/WarningDialog.h"

namespace {
constexpr int kStrWarningTitle = 100;
constexpr int kStrNotAMacroFile = 2002;
constexpr int kStrImportMacroTitle = 2007;
constexpr int kStrExportMacroTitle = 2008;
const QString kMacroFilter = QStringLiteral("Macro(*.macro)");
}  // namespace

tagElement* ImportMacroFile(QWidget* owner, MacroLibrary& library, const StringTable& strings,
                            const std::filesystem::path& perUserFolder) {
    const auto file = AskOpenExchangeFile(owner, ToQString(strings.Get(kStrImportMacroTitle)),
                                          perUserFolder, kMacroFilter);
    if (!file) {
        return nullptr;
    }
    const MacroImport imported = library.ImportMacro(*file);
    if (imported.result == ImportResult::WrongSize) {
        ShowWarningDialog(owner, strings.Get(kStrWarningTitle, StringTable::kWarningBufferUnits),
                          strings.Get(kStrNotAMacroFile, StringTable::kWarningBufferUnits), false);
    }
    return imported.record;
}

void ExportMacroFile(QWidget* owner, const MacroLibrary& library, const tagElement* record,
                     const StringTable& strings, const std::filesystem::path& perUserFolder) {
    if (record == nullptr) {
        return;  // nothing is written without a record
    }
    const auto file = AskSaveExchangeFile(owner, ToQString(strings.Get(kStrExportMacroTitle)),
                                          perUserFolder, kMacroFilter, QStringLiteral("macro"));
    if (file) {
        library.ExportMacro(record, *file);
    }
}
