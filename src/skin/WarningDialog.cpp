#include "skin/WarningDialog.h"

#include "app/AppGlobals.h"
#include "app/StringTable.h"
#include "skin/CWarningDlg.h"

namespace {
constexpr int kStrOk = 87;
constexpr int kStrCancel = 88;
}  // namespace

int ShowWarningDialog(QWidget* owner, const std::u16string& title, const std::u16string& text,
                      bool withCancel) {
    const AppGlobals& g = Globals();
    CWarningDlg dialog(owner, g.skinFolder, g.strings.Get(kStrOk), g.strings.Get(kStrCancel));
    dialog.SetTitle(title.substr(0, StringTable::kWarningBufferUnits - 1));
    dialog.SetMessage(text.substr(0, StringTable::kWarningBufferUnits - 1));
    // Both buttons are always there; an informing caller simply ignores the result.
    (void)withCancel;
    return dialog.exec() == kWarningOk ? kWarningOk : kWarningCancel;
}
