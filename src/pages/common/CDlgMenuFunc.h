// The drop-down list under a skinned field: the names of the profile list or of the macro
// library, one entry preselected, and the entry the user picks reported to the opener.
// It never closes by itself; its opener destroys it after a pick, before opening another
// and whenever it closes its popups.
#pragma once

#include <QImage>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class CListBoxEx;
class MacroLibrary;
class ProfileList;

class CDlgMenuFunc : public QWidget {
    Q_OBJECT
public:
    static constexpr int kModeMacros = 3;
    static constexpr int kModeProfiles = 4;
    static constexpr int kRowHeight = 25;
    static constexpr int kMaxRows = 10;
    static constexpr int kListId = 4113;

    // Visible rows for a list of `count` entries.
    static int RowsFor(int count) { return count < kMaxRows ? count : kMaxRows; }

    explicit CDlgMenuFunc(QWidget* owner);
    ~CDlgMenuFunc() override;

    // Set by the opener before Create.
    int screenX = 0;  // top left corner on the screen
    int screenY = 0;
    int listWidth = 0;
    int rows = 0;
    int itemCount = 0;
    int selection = -1;
    int mode = 0;

    // Places the window, builds the list from the names and preselects `selection`.
    void Create(const std::filesystem::path& skinFolder, const std::vector<std::u16string>& names);

    QWidget* Owner() const { return owner_; }
    CListBoxEx* List() const { return list_; }

signals:
    // Also posted to the owner as message 1259 (wParam index, lParam mode); an owner
    // listens to one of the two.
    void chosen(int index, int mode);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void Pick(int row);

    QPointer<QWidget> owner_;
    CListBoxEx* list_ = nullptr;
    QImage picture_;  // mode 3 only
    int lastPicked_ = -1;
};

// What an opener asks for; `anchor` is the field's rectangle in screen coordinates.
struct DropDownRequest {
    int mode = CDlgMenuFunc::kModeProfiles;
    QRect anchor;
    int width = 0;
    int selection = -1;
    std::vector<std::u16string> names;
};

// The opening steps of every opener: the earlier pop-up of `slot` goes first, an empty list
// opens nothing, then the pop-up is made, shown and kept in `slot`.
CDlgMenuFunc* OpenDropDown(QPointer<CDlgMenuFunc>& slot, QWidget* owner,
                           const std::filesystem::path& skinFolder, const DropDownRequest& request);
// Hides and destroys the pop-up of `slot`, if any; safe from inside its own notices.
void CloseDropDown(QPointer<CDlgMenuFunc>& slot);

std::vector<std::u16string> MacroNames(const MacroLibrary& library);
std::vector<std::u16string> ProfileNames(const ProfileList& list);

// The entry a 1259 names, or nothing when the list has changed under the pop-up.
inline std::optional<std::size_t> ChosenEntry(std::uintptr_t index, std::size_t size) {
    if (index >= size) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(index);
}
