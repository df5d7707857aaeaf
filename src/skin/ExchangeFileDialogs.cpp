#include "skin/ExchangeFileDialogs.h"

#include <QFileDialog>

#include "platform/QtText.h"

std::optional<std::filesystem::path> AskOpenExchangeFile(QWidget* owner, const QString& title,
                                                         const std::filesystem::path& folder,
                                                         const QString& filter) {
    QFileDialog dialog(owner, title, FromPath(folder), filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return ToPath(dialog.selectedFiles().front());
}

std::optional<std::filesystem::path> AskSaveExchangeFile(QWidget* owner, const QString& title,
                                                         const std::filesystem::path& folder,
                                                         const QString& filter,
                                                         const QString& suffix) {
    QFileDialog dialog(owner, title, FromPath(folder), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return ToPath(dialog.selectedFiles().front());
}
