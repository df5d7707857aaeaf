#pragma once

#include <string>

class QWidget;

inline constexpr int kWarningOk = 1;
inline constexpr int kWarningCancel = 2;

// The program's message box: informs (result ignored) or asks for confirmation (the action
// goes ahead unless the result is kWarningCancel). Modal, centred over its owner.
int ShowWarningDialog(QWidget* owner, const std::u16string& title, const std::u16string& text,
                      bool withCancel);
