// What the main window knows of a page: it is made from the page's skin on the page area,
// refreshes from the current profile, and is shown or hidden. The sensitivity page also
// shows device-side level and rate changes.
#pragma once

#include <QWidget>
#include <filesystem>
#include <functional>

class KeyboardLayout;
class MacroLibrary;
class ProfileList;
class StringTable;
struct tagSTATEBLOCK;

// What a page may use instead of reading globals.
struct PageContext {
    std::filesystem::path skinFolder;  // ends with a separator
    const StringTable* strings = nullptr;
    tagSTATEBLOCK* working = nullptr;  // the page edits working->Current() in place
    ProfileList* profiles = nullptr;
    // Made after the pages exist, so reached through a call.
    std::function<MacroLibrary*()> macros;
    const KeyboardLayout* keyboardLayout = nullptr;
    // Edit notice 1230 to the main window with this kind.
    std::function<void(int kind)> editNotice;
    // A click on the page's background (1129): the main window closes its popups. The
    // page's SkinWindow drags the main window by itself.
    std::function<void()> backgroundClicked;
};

class Page : public QWidget {
    Q_OBJECT
public:
    Page(QWidget* parent, PageContext context) : QWidget(parent), context_(std::move(context)) {}

    // Shows the current profile of the working state.
    virtual void RefreshFromProfile() = 0;
    // Device-side changes (sensitivity page only).
    virtual void SelectLevel() {}
    virtual void ShowReportRate() {}
    // Closes the page's drop-downs and menus: before every main-window command and when the
    // window hides.
    virtual void ClosePopups() {}

protected:
    const PageContext& Context() const { return context_; }

private:
    PageContext context_;
};
