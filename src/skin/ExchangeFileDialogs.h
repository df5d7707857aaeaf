#pragma once

#include <QString>
#include <filesystem>
#include <optional>

class QWidget;

// The open and save dialogs of the exchange files (.gmp profiles, .macro macros). They open
// in the per-user folder: an installed program folder is read-only.
std::optional<std::filesystem::path> AskOpenExchangeFile(QWidget* owner, const QString& title,
                                                         const std::filesystem::path& folder,
                                                         const QString& filter);
// Asks before replacing an existing file; adds the suffix when the name has none.
std::optional<std::filesystem::path> AskSaveExchangeFile(QWidget* owner, const QString& title,
                                                         const std::filesystem::path& folder,
                                                         const QString& filter,
                                                         const QString& suffix);
