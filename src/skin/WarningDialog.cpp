#include "skin/WarningDialog.h"

#include "common/StringTable.h"
#include "skin/CWarningDlg.h"

namespace {
WarningDialogResources g_resources;
}  // namespace

void SetWarningDialogResources(WarningDialogResources resources) {
    g_resources = std::move(resources);
}

int ShowWarningDialog(QWidget* owner, const std::u16string& title, const std::u16string& text,
                      bool withCancel) {
    CWarningDlg dialog(owner, g_resources.skinFolder, g_resources.okText, g_resources.cancelText);
    dialog.SetTitle(title.substr(0, StringTable::kWarningBufferUnits - 1));
    dialog.SetMessage(text.substr(0, StringTable::kWarningBufferUnits - 1));
    // Both buttons are always there; an informing caller simply ignores the result.
    (void)withCancel;
    return dialog.exec() == kWarningOk ? kWarningOk : kWarningCancel;
}
