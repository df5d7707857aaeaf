// The lighting page: effect, colour, brightness, speed and the further value of the current
// profile, with the live preview. The rules live in LightingEdits and LightingPreview; this
// window builds the controls from skin_light.ini, turns their notices into those calls and
// paints. The preview's timer runs only while the page can be seen.
#pragma once

#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <QWindow>
#include <array>
#include <memory>

#include "pages/Page.h"
#include "pages/lighting/LightingEdits.h"
#include "pages/lighting/LightingPreview.h"
#include "pages/lighting/ZonePictures.h"

class CBitmapBtn;
class CClickHSlider;
class CSpinWnd;
class GTColorSelectorWnd;
class GTColorSliderWnd;
class GTColorWellWnd;
class LightPreviewView;
class SkinWindow;
struct tagPROFILE;

class CLightDlg : public Page {
    Q_OBJECT
public:
    CLightDlg(QWidget* parent, PageContext context);
    ~CLightDlg() override;

    void RefreshFromProfile() override;
    void ClosePopups() override;

    // For tests and the benchmark.
    GTColorSelectorWnd* Selector() const { return selector_; }
    GTColorSliderWnd* ColourBarWnd() const { return bar_; }
    GTColorWellWnd* Well() const { return well_; }
    CSpinWnd* Spin(int i) const { return spins_[static_cast<std::size_t>(i)]; }
    CBitmapBtn* EffectButton() const { return effect_; }
    CBitmapBtn* SourceButton(int i) const { return sources_[static_cast<std::size_t>(i)]; }
    CBitmapBtn* Swatch(int k) const { return swatches_[static_cast<std::size_t>(k)]; }
    CClickHSlider* Brightness() const { return brightness_; }
    CClickHSlider* Speed() const { return speed_; }
    CClickHSlider* Param() const { return param_; }
    LightPreviewView* PreviewView() const { return previewView_; }
    const LightingPreview& Preview() const { return preview_; }
    const ZonePictures& Zones() const { return zones_; }
    bool PreviewTimerRunning() const { return timer_.isActive(); }
    int PreviewTimerInterval() const { return timer_.interval(); }
    QRect ValueBox() const { return valueBox_; }
    bool HasColourCover() const { return !colourCover_.isNull(); }
    // Effect menu command, as chosen from the menu.
    void ChooseEffect(int command);
    // One firing of the running preview timer.
    void TickPreview();

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    tagPROFILE& Profile() const;
    LightingEdits& Edits();
    void CreateControls();
    void InitControls();
    void PaintPage(QPainter& p);
    void SelectSource(int source);
    void ShowCaption(int mode);
    void ShowControlsFor(int mode);
    void RestartPreview();
    void PaintZones(const PreviewFrame& frame);
    void UpdateTimer();
    bool Seen() const;
    void ShowEffectMenu();
    void OnPickerColour();
    void OnComponent(int id, std::uintptr_t value);
    void OnSwatch(int k);
    void OnSliderSettled(int id, int value);
    void OnParamThumb(int x);
    void SwallowKeysOf(QObject* child);

    SkinWindow* skin_ = nullptr;
    GTColorSelectorWnd* selector_ = nullptr;
    GTColorSliderWnd* bar_ = nullptr;
    GTColorWellWnd* well_ = nullptr;
    std::array<CSpinWnd*, 3> spins_{};
    CBitmapBtn* effect_ = nullptr;
    CClickHSlider* brightness_ = nullptr;
    CClickHSlider* speed_ = nullptr;
    CClickHSlider* param_ = nullptr;
    std::array<CBitmapBtn*, 2> sources_{};
    std::array<CBitmapBtn*, 16> swatches_{};
    LightPreviewView* previewView_ = nullptr;

    QImage colourCover_;  // light_dis.jpg
    ZonePictures zones_;
    QRect valueBox_;
    LightingEdits edits_;
    LightingPreview preview_;
    QTimer timer_;
    QPointer<QMenu> menu_;  // the effect menu while it is open
    QPointer<QObject> watchedWindow_;
    QPointer<QWindow> watchedHandle_;
};
