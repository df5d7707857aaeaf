// The main window's warnings about files: those the loads could not use, and the programs a
// profile from elsewhere would launch.
#include "app/AppGlobals.h"
#include "app/CConfigDlg.h"
#include "app/FileNotices.h"
#include "common/StringIds.h"
#include "platform/Trace.h"
#include "skin/WarningDialog.h"

void CConfigDlg::WarnAboutLoadProblems() {
    if (destroyed_ || !store_) {
        return;
    }
    FileProblems problems = store_->LoadProblems();
    if (const AppGlobals& g = Globals(); g.macros) {
        const FileProblems& more = g.macros->LoadProblems();
        problems.insert(problems.end(), more.begin(), more.end());
    }
    const std::u16string text = LoadProblemText(
        problems, {Text(str::kFileUnreadable), Text(str::kFileSetAside), Text(str::kFileKeptAs)});
    if (text.empty()) {
        return;
    }
    qCDebug(lcApp) << "files could not be used:" << problems.size();
    ShowWarningDialog(this, Text(str::kWarningTitle), text, false);
}

bool CConfigDlg::ConfirmProgramImport(const std::vector<std::u16string>& programs) {
    const std::u16string text = ProgramImportText(Text(str::kProgramImportLead), programs,
                                                  Text(str::kProgramImportQuestion));
    const bool accepted = ShowWarningDialog(this, Text(str::kWarningTitle), text, true) != kWarningCancel;
    qCDebug(lcApp) << "program import" << (accepted ? "accepted" : "declined");
    return accepted;
}
