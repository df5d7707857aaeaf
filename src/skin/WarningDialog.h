#pragma once

#include <filesystem>
#include <string>

class QWidget;

inline constexpr int kWarningOk = 1;
inline constexpr int kWarningCancel = 2;

// What every warning dialog draws with; the application sets it once its folders and strings
// are known.
struct WarningDialogResources {
    std::filesystem::path skinFolder;
    std::u16string okText;
    std::u16string cancelText;
};
void SetWarningDialogResources(WarningDialogResources resources);

// The program's message box: informs (result ignored) or asks for confirmation (the action
// goes ahead unless the result is kWarningCancel). Modal, centred over its owner.
int ShowWarningDialog(QWidget* owner, const std::u16string& title, const std::u16string& text,
                      bool withCancel);
