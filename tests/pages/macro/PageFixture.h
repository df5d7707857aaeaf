// The macro page's logic over a real library in a temporary folder, with a view that
// records what the window would show and a hook that records the capture.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <vector>

#include "data/FixedText.h"
#include "data/MacroLibrary.h"
#include "data/ProfileDefaults.h"
#include "pages/macro/InsertDialogState.h"
#include "pages/macro/MacroPageCore.h"
#include "pages/macro/MacroPageView.h"
#include "support/TempDir.h"

inline bool operator==(const MacroEvent& x, const MacroEvent& y) {
    return x.code == y.code && x.action == y.action && x.delay == y.delay;
}

namespace macro_test {

inline MacroEvent Press(std::uint8_t code) {
    return {code, 1, 0};
}
inline MacroEvent Release(std::uint8_t code) {
    return {code, 2, 0};
}
inline MacroEvent Delay(std::uint16_t ms) {
    return {kMacroDelayCode, 0, ms};
}

struct FakeView : MacroPageView {
    void ShowRows(const std::vector<EventRow>& r, int select) override {
        rows = r;
        selectedRow = select;
    }
    void ShowMacroName(const std::u16string& n) override { name = n; }
    void ShowCapacity(const MacroFit& f, int row, const std::u16string& last) override {
        fit = f;
        lastRow = row;
        lastSent = last;
    }
    void SetRecordCaption(int s) override { recordCaption = s; }
    void ClearRecordCheck() override { recordChecked = false; }
    std::u16string DelayBoxText() override { return delayBox; }
    void FocusPage() override {}
    void ResetInsertRecordingPage() override {
        if (dialog != nullptr) {
            dialog->ResetRecording();
        }
    }
    void EnableEventList() override {}
    void SetInsertOpen(bool open, int) override { insertShown = open; }

    std::vector<EventRow> rows;
    int selectedRow = -2;
    std::u16string name;
    MacroFit fit;
    int lastRow = -1;
    std::u16string lastSent;
    int recordCaption = 16;
    bool recordChecked = false;
    std::u16string delayBox = u"50";
    bool insertShown = false;
    InsertDialogState* dialog = nullptr;
};

struct FakeHook : KeyHook {
    bool Install(std::function<void()>) override {
        held = true;
        return true;
    }
    void Remove() override { held = false; }
    bool held = false;
};

class PageTest : public ::testing::Test {
protected:
    PageTest() : working(std::make_unique<tagSTATEBLOCK>()) {
        ResetStateDefaults(*working, u"Profile ");
    }

    MacroPageDeps Deps() {
        MacroPageDeps d;
        d.library = [this] { return &lib; };
        d.working = working.get();
        d.editNotice = [this](int kind) { notices.push_back(kind); };
        d.codeName = [](std::uint8_t c) { return std::u16string(1, char16_t(u'a' + c - 4)); };
        d.hook = &hook;
        d.tick = [this] { return now; };
        d.deviceCode = [](std::uint32_t vk) { return std::uint8_t(vk - 'A' + 4); };
        return d;
    }

    tagElement& AddMacro(const std::u16string& name, std::initializer_list<MacroEvent> events) {
        tagElement m{};
        WriteFixedText(m.name, name);
        for (const MacroEvent& e : events) {
            m.events[m.eventCount++] = e;
        }
        return lib.AppendMacro(m);
    }

    std::u16string NameAt(std::size_t i) const { return ReadFixedText(lib.RecordAt(i)->name); }

    std::vector<MacroEvent> Stored(std::size_t i) const {
        const tagElement* r = lib.RecordAt(i);
        return {r->events, r->events + r->eventCount};
    }
    std::vector<MacroEvent> Working() const {
        const auto& b = page.Buffer();
        return {b.events, b.events + b.eventCount};
    }

    void Key(char letter) {
        page.Recorder().OnHookKey(std::uint32_t(letter), 0);
        page.Recorder().OnHookKey(std::uint32_t(letter), 0x80);
    }

    TempDir dir;
    MacroLibrary lib{[this] { return dir.Path() / ""; }, u"Macro "};
    std::unique_ptr<tagSTATEBLOCK> working;
    std::vector<int> notices;
    FakeView view;
    FakeHook hook;
    std::uint32_t now = 1000;
    MacroPageCore page{view, Deps()};
};

}  // namespace macro_test
