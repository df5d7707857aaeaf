#include "skin/WarningDialog.h"

#include <QMessageBox>

#include "platform/QtText.h"

// A plain message box until the skinned warning window exists.
int ShowWarningDialog(QWidget* owner, const std::u16string& title, const std::u16string& text,
                      bool withCancel) {
    QMessageBox box(QMessageBox::Warning, ToQString(title), ToQString(text),
                    withCancel ? (QMessageBox::Ok | QMessageBox::Cancel) : QMessageBox::Ok,
                    owner);
    return box.exec() == QMessageBox::Ok ? kWarningOk : kWarningCancel;
}
