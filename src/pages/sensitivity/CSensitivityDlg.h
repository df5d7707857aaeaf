// The sensitivity page: five level buttons, the X and Y sliders of the active level with
// their link button, the report-rate button and its menu, and the two pointer sliders. What
// each control does to the profile is SensitivityEdits'; this widget turns Qt events into
// those calls and shows the result.
#pragma once

#include <QPointer>
#include <array>
#include <cstdint>
#include <memory>

#include "pages/Page.h"
#include "skin/CExMenu.h"

class CBitmapBtn;
class CClickHSlider;
class SkinWindow;
struct SensitivityUpdate;
struct tagPROFILE;

class CSensitivityDlg : public Page {
    Q_OBJECT
public:
    CSensitivityDlg(QWidget* parent, PageContext context);
    ~CSensitivityDlg() override;

    void RefreshFromProfile() override;
    // The mouse changed its level or rate; the link has stored it already.
    void SelectLevel() override;
    void ShowReportRate() override;
    void ClosePopups() override;

    // A command of the report-rate menu, as the menu delivers it.
    void OnRateCommand(int command);

    CBitmapBtn* LevelButton(int level) const { return levels_[level]; }
    CBitmapBtn* RateButton() const { return rate_; }
    CBitmapBtn* LinkButton() const { return link_; }
    // By slider id (101 X, 102 speed, 103 acceleration, 104 Y); null for another id.
    CClickHSlider* Slider(int id) const;
    CExMenu* OpenRateMenu() const { return rateMenu_; }

protected:
    void mousePressEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    CClickHSlider* CreateSlider(int key, int id, const char* thumb);
    tagPROFILE& Profile() const;
    void Show(const SensitivityUpdate& update);
    void MarkLevel(int level);
    void LoadLevelSliders();
    void WriteLevelText(int level);
    void ShowRate();
    void ShowRateMenu();
    void PaintTexts(QPainter& painter) const;

    std::unique_ptr<SkinWindow> skin_;
    CBitmapBtn* levelLight_ = nullptr;
    CBitmapBtn* sensor_ = nullptr;
    std::array<CBitmapBtn*, 5> levels_{};
    CBitmapBtn* rate_ = nullptr;
    CBitmapBtn* link_ = nullptr;
    CClickHSlider* x_ = nullptr;
    CClickHSlider* y_ = nullptr;
    CClickHSlider* speed_ = nullptr;
    CClickHSlider* accel_ = nullptr;
    QPointer<CExMenu> rateMenu_;
};
