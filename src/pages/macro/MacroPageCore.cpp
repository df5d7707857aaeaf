#include "pages/macro/MacroPageCore.h"

#include <algorithm>
#include <iterator>

#include "data/FixedText.h"
#include "data/MacroEventCount.h"
#include "data/MacroLibrary.h"
#include "data/NameRules.h"
#include "pages/macro/MacroCapacity.h"
#include "pages/macro/MacroPageView.h"

namespace {

// Stands in when the page is built without a hook (tests of the library commands).
class NoKeyHook : public KeyHook {
public:
    bool Install(std::function<void()>) override { return false; }
    void Remove() override {}
};

KeyHook& HookOrNone(KeyHook* hook) {
    static NoKeyHook none;
    return hook != nullptr ? *hook : none;
}

}  // namespace

MacroPageCore::MacroPageCore(MacroPageView& view, MacroPageDeps deps)
    : view_(view),
      deps_(std::move(deps)),
      recorder_(buffer_, *this, HookOrNone(deps_.hook), deps_.tick, deps_.deviceCode) {}

MacroPageCore::~MacroPageCore() = default;

MacroLibrary* MacroPageCore::Library() const {
    return deps_.library ? deps_.library() : nullptr;
}

bool MacroPageCore::StillInLibrary(const tagElement* record) const {
    MacroLibrary* library = Library();
    if (library == nullptr || record == nullptr) {
        return false;
    }
    for (std::size_t i = 0; i < library->Size(); ++i) {
        if (library->RecordAt(i) == record) {
            return true;
        }
    }
    return false;
}

void MacroPageCore::SelectMacro(int index) {
    MacroLibrary* library = Library();
    selected_ =
        (library != nullptr && index >= 0) ? library->RecordAt(std::size_t(index)) : nullptr;
    selectedIndex_ = selected_ != nullptr ? index : -1;
    buffer_.Clear();
    if (selected_ != nullptr) {
        std::copy(std::begin(selected_->events), std::end(selected_->events), buffer_.events);
        buffer_.eventCount = MacroEventCount(*selected_);
    }
    buffer_.Recount();
    // An edit that was open belongs to the macro shown before.
    editMacro_ = nullptr;
    ShowRows(buffer_.eventCount - 1);
    view_.ShowMacroName(selected_ != nullptr ? ReadFixedText(selected_->name) : u"");
}

bool MacroPageCore::NewMacro() {
    MacroLibrary* library = Library();
    if (library == nullptr || library->NewMacro() == nullptr) {
        return false;
    }
    SelectMacro(static_cast<int>(library->Size()) - 1);
    return true;
}

void MacroPageCore::DeleteMacro() {
    MacroLibrary* library = Library();
    if (library == nullptr || selectedIndex_ < 0) {
        return;
    }
    recorder_.StopRecording();
    library->RemoveMacroAt(std::size_t(selectedIndex_));
    library->SaveMacroLibrary();
    const int last = static_cast<int>(library->Size()) - 1;
    SelectMacro(std::min(selectedIndex_, last));
    // Buttons bound to the deleted macro fall back to their default function.
    if (deps_.working != nullptr && library->RefreshEmbeddedMacros(*deps_.working) == 1 &&
        deps_.editNotice) {
        deps_.editNotice(kEditNoticeMacro);
    }
    library->SaveMacroLibrary();
}

void MacroPageCore::CopyMacro() {
    MacroLibrary* library = Library();
    if (library == nullptr || selected_ == nullptr) {
        return;
    }
    const std::u16string wanted = ReadFixedText(selected_->name) + u"_Copy";
    tagElement copy = *selected_;
    WriteFixedText(copy.name, library->UniqueName(wanted, wanted));
    library->AppendMacro(copy);
    library->SaveMacroLibrary();
    SelectMacro(static_cast<int>(library->Size()) - 1);
}

void MacroPageCore::AdoptImported(tagElement* record) {
    MacroLibrary* library = Library();
    if (library == nullptr || record == nullptr) {
        return;
    }
    SelectMacro(static_cast<int>(library->Size()) - 1);
    library->SaveMacroLibrary();
}

bool MacroPageCore::OnListChoice(std::uintptr_t index, std::intptr_t mode) {
    MacroLibrary* library = Library();
    if (mode != kMacroListMode || library == nullptr || index >= library->Size()) {
        return false;
    }
    SelectMacro(static_cast<int>(index));
    return true;
}

MacroPageCore::RenameResult MacroPageCore::CommitRename(const std::u16string& editorText) {
    RenameResult result;
    MacroLibrary* library = Library();
    if (selected_ == nullptr || library == nullptr) {
        return result;
    }
    const std::u16string wanted(TrimWhiteSpace(editorText));
    const std::u16string current = ReadFixedText(selected_->name);
    // An empty name could never be assigned to a button; it counts as taken.
    if (!NameMatches(current, wanted) && !wanted.empty() && !library->FindMacro(wanted)) {
        WriteFixedText(selected_->name, wanted);
        library->SaveMacroLibrary();
        result.renamed = true;
    }
    result.name = ReadFixedText(selected_->name);
    return result;
}

void MacroPageCore::SetDelayMode(int mode) {
    if (mode >= 0 && mode <= 2) {
        recorder_.SetDelayMode(mode);
    }
}

void MacroPageCore::ToggleRecord() {
    recorder_.ToggleRecording();
}

int MacroPageCore::EventOfRow(int row) const {
    if (row < 0 || row >= static_cast<int>(rows_.size())) {
        return -1;
    }
    const int event = EventOfRowValue(rows_[row].value);
    return (event >= 0 && event < buffer_.eventCount) ? event : -1;
}

void MacroPageCore::ShowRows(int selectRow) {
    rows_ = BuildEventRows(buffer_, deps_.codeName);
    if (selectRow >= static_cast<int>(rows_.size())) {
        selectRow = static_cast<int>(rows_.size()) - 1;
    }
    view_.ShowRows(rows_, selectRow);
    const MacroFit fit = MeasureMacroFit({buffer_.events, std::size_t(buffer_.eventCount)});
    std::u16string lastText;
    int lastRow = -1;
    if (!fit.fits && fit.lastEventSent >= 0) {
        lastRow = RowOfEvent(rows_, fit.lastEventSent);
        if (lastRow >= 0) {
            lastText = rows_[lastRow].text;
        }
    }
    view_.ShowCapacity(fit, lastRow, lastText);
}

void MacroPageCore::RebuildEventList(int selectEvent) {
    buffer_.Recount();
    rows_ = BuildEventRows(buffer_, deps_.codeName);
    ShowRows(selectEvent < 0 ? -1 : RowOfEvent(rows_, selectEvent));
}

void MacroPageCore::Save() {
    MacroLibrary* library = Library();
    if (selected_ == nullptr || library == nullptr) {
        return;
    }
    std::copy(std::begin(buffer_.events), std::end(buffer_.events), selected_->events);
    selected_->eventCount = buffer_.eventCount;
    if (deps_.working != nullptr && library->RefreshEmbeddedMacros(*deps_.working) == 1 &&
        deps_.editNotice) {
        deps_.editNotice(kEditNoticeMacro);
    }
    library->SaveMacroLibrary();
}

void MacroPageCore::DeleteEventAt(int row) {
    const int event = EventOfRow(row);
    if (event < 0) {
        return;
    }
    DeleteEvent(buffer_, event, rows_.size() == 1);
    Save();
    ShowRows(row);
}

void MacroPageCore::MoveUp(int row) {
    const int event = EventOfRow(row);
    const int above = EventOfRow(row - 1);
    if (event < 0 || above < 0 || !SwapRowEvents(buffer_, above, event)) {
        return;
    }
    ShowRows(row - 1);
    Save();
}

void MacroPageCore::MoveDown(int row) {
    const int event = EventOfRow(row);
    const int below = EventOfRow(row + 1);
    if (event < 0 || below < 0 || !SwapRowEvents(buffer_, event, below)) {
        return;
    }
    ShowRows(row + 1);
    Save();
}

MacroPageCore::ModifyStart MacroPageCore::BeginModify(int row) {
    const int event = EventOfRow(row);
    if (event < 0 || selected_ == nullptr) {
        return {};
    }
    editMacro_ = selected_;
    editEvent_ = event;
    const bool action = IsActionEvent(buffer_.events[event]);
    if (action) {
        pendingCode_ = buffer_.events[event].code;
    }
    Save();
    return {true, action};
}

bool MacroPageCore::ModifyingAction() const {
    return editMacro_ != nullptr && editEvent_ >= 0 && editEvent_ < buffer_.eventCount &&
           IsActionEvent(buffer_.events[editEvent_]);
}

void MacroPageCore::FinishModify(const std::u16string& editedText) {
    const tagElement* edited = editMacro_;
    editMacro_ = nullptr;
    if (edited == nullptr || edited != selected_ || !StillInLibrary(edited)) {
        return;
    }
    ::FinishModify(buffer_, editEvent_, pendingCode_, editedText);
    rows_ = BuildEventRows(buffer_, deps_.codeName);
    ShowRows(RowOfEvent(rows_, editEvent_));
    Save();
}

bool MacroPageCore::OpenInsert(int row) {
    if (insertOpen_ || EventOfRow(row) < 0) {
        return false;
    }
    insertOpen_ = true;
    backup_ = buffer_;
    view_.SetInsertOpen(true, recorder_.DelayMode());
    return true;
}

void MacroPageCore::CloseInsert() {
    insertOpen_ = false;
    view_.SetInsertOpen(false, recorder_.DelayMode());
}

void MacroPageCore::InsertDelayResult(std::uintptr_t place, std::intptr_t delay, int row) {
    if (!insertOpen_) {
        return;
    }
    recorder_.StopRecording();
    const auto ms = static_cast<std::uint16_t>(std::clamp<std::intptr_t>(delay, 0, 65535));
    const int at =
        ::InsertDelay(buffer_, rows_, row, place == 0 ? DelayPlace::Before : DelayPlace::After, ms);
    if (at >= 0) {
        rows_ = BuildEventRows(buffer_, deps_.codeName);
        ShowRows(RowOfEvent(rows_, at));
    }
    Save();
    CloseInsert();
}

void MacroPageCore::InsertRecordStart(std::uintptr_t mode, std::intptr_t delay, int row) {
    if (!insertOpen_) {
        return;
    }
    recorder_.StartInsertRecording(mode, delay, EventOfRow(row));
}

void MacroPageCore::InsertRecordStop() {
    if (recorder_.InsertRecording()) {
        recorder_.StopRecording();
    }
}

void MacroPageCore::InsertDone() {
    if (!insertOpen_) {
        return;
    }
    // A recording still running ends here, and gives the keyboard back.
    recorder_.StopRecording();
    CloseInsert();
    Save();
}

void MacroPageCore::InsertCancel() {
    if (!insertOpen_) {
        return;
    }
    recorder_.StopRecording();
    CloseInsert();
    buffer_ = backup_;
    buffer_.Recount();
    // The library record never took the inserted events: only the list goes back.
    ShowRows(buffer_.eventCount - 1);
}

bool MacroPageCore::EnsureMacroSelected() {
    if (selected_ == nullptr) {
        NewMacro();
    }
    return selected_ != nullptr;
}

void MacroPageCore::SetRecordButtonCaption(int stringNumber) {
    view_.SetRecordCaption(stringNumber);
}

void MacroPageCore::ClearRecordButtonCheck() {
    view_.ClearRecordCheck();
}

std::u16string MacroPageCore::DelayBoxText() {
    return view_.DelayBoxText();
}

void MacroPageCore::FocusPage() {
    view_.FocusPage();
}

void MacroPageCore::ResetInsertRecordingPage() {
    view_.ResetInsertRecordingPage();
}

void MacroPageCore::EnableEventList() {
    view_.EnableEventList();
}
