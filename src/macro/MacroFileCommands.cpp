#include "macro/MacroFileCommands.h"

#include "common/StringIds.h"
#include "common/StringTable.h"
#include "data/MacroLibrary.h"
#include "platform/QtText.h"
#include "skin/ExchangeFileDialogs.h"
#include "skin/WarningDialog.h"

namespace {
const QString kMacroFilter = QStringLiteral("Macro(*.macro)");
}  // namespace

tagElement* ImportMacroFile(QWidget* owner, MacroLibrary& library, const StringTable& strings,
                            const std::filesystem::path& perUserFolder) {
    const auto file = AskOpenExchangeFile(owner, ToQString(strings.Get(str::kImportMacroTitle)),
                                          perUserFolder, kMacroFilter);
    if (!file) {
        return nullptr;
    }
    const MacroImport imported = library.ImportMacro(*file);
    if (imported.result == ImportResult::WrongSize) {
        ShowWarningDialog(owner, strings.Get(str::kWarningTitle, StringTable::kWarningBufferUnits),
                          strings.Get(str::kNotAMacroFile, StringTable::kWarningBufferUnits), false);
    }
    return imported.record;
}

void ExportMacroFile(QWidget* owner, const MacroLibrary& library, const tagElement* record,
                     const StringTable& strings, const std::filesystem::path& perUserFolder) {
    if (record == nullptr) {
        return;  // nothing is written without a record
    }
    const auto file = AskSaveExchangeFile(owner, ToQString(strings.Get(str::kExportMacroTitle)),
                                          perUserFolder, kMacroFilter, QStringLiteral("macro"));
    if (file) {
        library.ExportMacro(record, *file);
    }
}
