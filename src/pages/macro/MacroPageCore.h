// The macro page without its window: the selected macro and its working copy, the library
// commands, the edits of the event list, recording and the insert dialog's results. Every
// change is saved at once into the library, the buttons that play the macro and macro.data.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "macro/MacroEventBuffer.h"
#include "macro/MacroRecorder.h"
#include "macro/RecorderUi.h"
#include "pages/macro/MacroEditing.h"

class MacroLibrary;
class MacroPageView;
struct tagElement;
struct tagSTATEBLOCK;

struct MacroPageDeps {
    std::function<MacroLibrary*()> library;
    tagSTATEBLOCK* working = nullptr;
    std::function<void(int kind)> editNotice;  // 1230
    CodeNameFn codeName;
    KeyHook* hook = nullptr;
    TickSource tick;
    MacroRecorder::DeviceCodeFn deviceCode;
};

class MacroPageCore : public RecorderUi {
public:
    static constexpr int kEditNoticeMacro = 4;
    static constexpr int kMacroListMode = 3;
    static constexpr int kNameEditorLimit = 20;
    static constexpr int kDelayBoxLimit = 5;

    MacroPageCore(MacroPageView& view, MacroPageDeps deps);
    ~MacroPageCore() override;

    // Library and selection.
    void SelectMacro(int index);
    int SelectedIndex() const { return selectedIndex_; }
    const tagElement* SelectedMacro() const { return selected_; }
    bool NewMacro();
    // After the user confirmed.
    void DeleteMacro();
    void CopyMacro();
    // A record ImportMacro appended: selected and stored.
    void AdoptImported(tagElement* record);
    // 1259 from the drop-down; another list's or a stale pick is ignored.
    bool OnListChoice(std::uintptr_t index, std::intptr_t mode);

    struct RenameResult {
        bool renamed = false;
        std::u16string name;  // what the label and the editor show now
    };
    RenameResult CommitRename(const std::u16string& editorText);

    // Recording.
    void SetDelayMode(int mode);
    int DelayMode() const { return recorder_.DelayMode(); }
    void ToggleRecord();
    MacroRecorder& Recorder() { return recorder_; }
    const MacroRecorder& Recorder() const { return recorder_; }
    // The page goes out of sight: a recording must not keep the keyboard.
    void StopRecordingIfAny() { recorder_.StopRecording(); }

    // The event list; rows are the list's rows, their values its item values.
    const std::vector<EventRow>& Rows() const { return rows_; }
    const MacroEventBuffer& Buffer() const { return buffer_; }
    void DeleteEventAt(int row);
    void MoveUp(int row);
    void MoveDown(int row);

    // Modify: the edit starts on a row and ends with the editor's text.
    struct ModifyStart {
        bool started = false;
        bool anyText = false;  // a key row takes a key name, a delay row digits
    };
    ModifyStart BeginModify(int row);
    bool Modifying() const { return editMacro_ != nullptr; }
    bool ModifyingAction() const;
    void SetPendingCode(std::uint8_t code) { pendingCode_ = code; }
    std::uint8_t PendingCode() const { return pendingCode_; }
    // Ignored when the edited macro is no longer the selected one or has gone.
    void FinishModify(const std::u16string& editedText);

    // The insert dialog.
    bool OpenInsert(int row);
    bool InsertOpen() const { return insertOpen_; }
    void InsertDelayResult(std::uintptr_t place, std::intptr_t delay, int row);
    void InsertRecordStart(std::uintptr_t mode, std::intptr_t delay, int row);
    void InsertRecordStop();
    void InsertDone();
    void InsertCancel();

    void Save();

    // RecorderUi
    bool EnsureMacroSelected() override;
    void RebuildEventList(int selectEvent) override;
    void SetRecordButtonCaption(int stringNumber) override;
    void ClearRecordButtonCheck() override;
    std::u16string DelayBoxText() override;
    void FocusPage() override;
    void ResetInsertRecordingPage() override;
    void EnableEventList() override;
    void SaveMacro() override { Save(); }

private:
    MacroLibrary* Library() const;
    bool StillInLibrary(const tagElement* record) const;
    int EventOfRow(int row) const;
    void ShowRows(int selectRow);
    void CloseInsert();

    MacroPageView& view_;
    MacroPageDeps deps_;
    MacroEventBuffer buffer_;
    MacroRecorder recorder_;
    std::vector<EventRow> rows_;
    int selectedIndex_ = -1;
    tagElement* selected_ = nullptr;

    const tagElement* editMacro_ = nullptr;
    int editEvent_ = -1;
    std::uint8_t pendingCode_ = 0;

    bool insertOpen_ = false;
    MacroEventBuffer backup_;
};
