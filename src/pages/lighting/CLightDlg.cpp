#include "pages/lighting/CLightDlg.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "common/Messages.h"
#include "common/StringIds.h"
#include "common/StringTable.h"
#include "data/ProfileRecord.h"
#include "pages/lighting/ColourConversion.h"
#include "pages/lighting/GTColorSelectorWnd.h"
#include "pages/lighting/GTColorSliderWnd.h"
#include "pages/lighting/GTColorWellWnd.h"
#include "pages/lighting/LightEffects.h"
#include "pages/lighting/LightPreviewView.h"
#include "platform/MessageEvent.h"
#include "platform/QtText.h"
#include "skin/CBitmapBtn.h"
#include "skin/CBmpEdit.h"
#include "skin/CClickHSlider.h"
#include "skin/CExMenu.h"
#include "skin/CSpinWnd.h"
#include "skin/KeyFilter.h"
#include "skin/QtRect.h"
#include "skin/SkinImage.h"
#include "skin/SkinText.h"
#include "skin/SkinWindow.h"

namespace {

constexpr int kSelectorId = 100;
constexpr int kColourBarId = 101;
constexpr int kWellId = 102;
constexpr int kTextHeight = 14;
constexpr int kValueBoxTextHeight = 13;
constexpr std::uint32_t kWhite = 0xFFFFFF;
const char* const kThumbPicture = "slider_arrow_rect.bmp";
// The strip under the further-value slider that the moving value box repaints.
const QRect kValueBoxStrip(QPoint(13, 430), QPoint(388, 457));

struct PaintedText {
    int string;
    SkinRect rect;
    std::uint32_t format;
    bool shrink;
    bool centre;
};
constexpr PaintedText kTexts[] = {
    {str::kLightBrightnessLabel, {435, 370, 635, 390}, 0x24, false, false},
    {str::kLightSpeedLabel, {435, 444, 635, 464}, 0x24, false, false},
    {str::kLightRgbLabel, {695, 137, 795, 154}, 0x26, true, false},
    {str::kLightEffectLabel, {430, 335, 480, 355}, 0x26, true, false},
    {str::kLightTimingLabel, {30, 390, 380, 420}, 0x14, false, true},
    {str::kLightTimingHint, {30, 416, 380, 436}, 0x14, false, true},
};

QColor ToQColor(std::uint32_t c) {
    return QColor(colour::Red(c), colour::Green(c), colour::Blue(c));
}

}  // namespace

CLightDlg::CLightDlg(QWidget* parent, PageContext context) : Page(parent, std::move(context)) {
    skin_ = new SkinWindow(*this);
    skin_->Load(Context().skinFolder, "skin_light.ini", QSize(900, 520));
    skin_->SetTextPainter([this](QPainter& p) { PaintPage(p); });
    const std::filesystem::path& folder = Context().skinFolder;
    LoadSkinImage(folder / "light_dis.jpg", colourCover_);
    zones_.Load(folder, devicePixelRatioF());
    CreateControls();
    skin_->Finish();
    InitControls();
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &CLightDlg::TickPreview);
    setAccessibleName(QStringLiteral("Lighting page"));
}

CLightDlg::~CLightDlg() {
    if (watchedWindow_ != nullptr) {
        watchedWindow_->removeEventFilter(this);
    }
    if (watchedHandle_ != nullptr) {
        watchedHandle_->removeEventFilter(this);
    }
}

tagPROFILE& CLightDlg::Profile() const {
    return Context().working->Current();
}

LightingEdits& CLightDlg::Edits() {
    edits_.SetProfile(&Profile());
    return edits_;
}

void CLightDlg::CreateControls() {
    const auto name = [this](QWidget* w, int key) {
        const std::u16string text = skin_->Entry(key).text;
        w->setAccessibleName(ToQString(text));
        w->setToolTip(ToQString(text));
        SwallowKeysOf(w);
    };
    const StringTable* strings = Context().strings;
    const auto text = [strings](int id) {
        return strings != nullptr ? strings->Get(id) : std::u16string();
    };
    const std::filesystem::path thumb = Context().skinFolder / kThumbPicture;

    selector_ = skin_->CreateControl<GTColorSelectorWnd>(1, kSelectorId);
    name(selector_, 1);
    bar_ = skin_->CreateControl<GTColorSliderWnd>(2, kColourBarId);
    name(bar_, 2);
    well_ = skin_->CreateControl<GTColorWellWnd>(3, colour::Rgb(128, 255, 0));
    well_->setProperty("controlId", kWellId);
    name(well_, 3);
    for (int i = 0; i < 3; ++i) {
        CSpinWnd* s = skin_->CreateControl<CSpinWnd>(4 + i);
        s->SetSkinPictures(skin_->Screen(0), skin_->Screen(1), skin_->Screen(2), skin_->Screen(3),
                           SkinWindow::RectOf(skin_->Entry(4 + i)));
        s->SetOwner(this);
        s->SetTag(kRedSpinId + i);
        name(s, 4 + i);
        // The number box and its two buttons are controls of their own for a screen reader.
        const std::u16string what = skin_->Entry(4 + i).text;
        s->NumberBox()->setAccessibleName(ToQString(what));
        s->UpButton()->SetTooltip(what + u", up", false);
        s->DownButton()->SetTooltip(what + u", down", false);
        SwallowKeysOf(s->NumberBox());
        spins_[static_cast<std::size_t>(i)] = s;
    }
    effect_ = skin_->CreateButton(7);
    effect_->SetCaptionLayout(1);
    effect_->SetTooltip(skin_->Entry(7).text, false);
    SwallowKeysOf(effect_);
    connect(effect_, &CBitmapBtn::clicked, this, &CLightDlg::ShowEffectMenu);

    const auto slider = [&](int key, int id) {
        auto* s = new CClickHSlider(this);
        if (s->Create(thumb, this, id, SkinWindow::RectOf(skin_->Entry(key)))) {
            s->SetBackgroundFrom(skin_->Background());
        }
        name(s, key);
        connect(s, &CClickHSlider::changing, this,
                [this, id](int v) { Edits().SliderChanging(id, v); });
        connect(s, &CClickHSlider::settled, this, [this, id](int v) { OnSliderSettled(id, v); });
        return s;
    };
    brightness_ = slider(8, kBrightnessSliderId);
    speed_ = slider(9, kSpeedSliderId);

    for (int i = 0; i < 2; ++i) {
        CBitmapBtn* b = skin_->CreateButton(10 + i);
        b->SetFontHeight(12);
        b->SetCaptionLayout(8);
        // The selected source shows on the skin's blue: its caption stays white there.
        b->SetTextColours({0xFFFFFF, 0x8E5101, 0xFFFFFF, 0x6E6E6E});
        b->SetCaption(text(i == 0 ? str::kLightSourcePicker : str::kLightSourcePresets));
        b->setCheckable(true);
        b->SetTooltip(skin_->Entry(10 + i).text, false);
        SwallowKeysOf(b);
        connect(b, &CBitmapBtn::clicked, this, [this, i] {
            Edits().ChooseSource(i);
            SelectSource(i);
        });
        sources_[static_cast<std::size_t>(i)] = b;
    }
    for (int k = 0; k < 16; ++k) {
        CBitmapBtn* b = skin_->CreateButton(12 + k);
        b->SetTooltip(skin_->Entry(12 + k).text, true);
        SwallowKeysOf(b);
        connect(b, &CBitmapBtn::clicked, this, [this, k] { OnSwatch(k); });
        swatches_[static_cast<std::size_t>(k)] = b;
    }
    param_ = slider(28, kParamSliderId);
    connect(param_, &CClickHSlider::thumbMoved, this, &CLightDlg::OnParamThumb);
    const SkinEntry paramEntry = skin_->Entry(28);
    valueBox_ = QRect(paramEntry.left - 6, paramEntry.top - 20, 25, 15);

    const SkinEntry previewEntry = skin_->Entry(29);
    const QRect preview = previewEntry.Width() > 0 && previewEntry.Height() > 0
                              ? SkinWindow::RectOf(previewEntry)
                              : ToQRect(kDefaultPreview);
    QImage mouse;
    // The mouse at the zones' ratio, so both stay sharp together.
    LoadSkinImage(Context().skinFolder / "Mouse.png", mouse, zones_.Ratio());
    previewView_ = new LightPreviewView(this, &skin_->Background(), &zones_, preview, mouse);
    previewView_->show();
}

void CLightDlg::InitControls() {
    for (CSpinWnd* s : spins_) {
        s->SetMinimum(0);
        s->SetMaximum(255);
        s->SetTextLimit(3);
    }
    selector_->Link(bar_, well_);
    selector_->SetModel(kHsvModel, 1000, 1000);
    bar_->SetModel(kHsvModel | ColourBar::kReversed);
    // Reserving both sides for the arrows needs 2 x 7 pixels beside the bar; a narrow bar
    // keeps its width for the colours and draws the arrows inside.
    if (bar_->width() < 2 * (ColourBar::kMarkerSize + 1) + 16) {
        bar_->SetStyle(ColourBar::kFlipGradient);
    }
    selector_->SetColour(edits_.Current());
    brightness_->SetRange(1, 8, true);
    speed_->SetRange(1, 8, true);
    param_->SetRange(1, 30, true);
}

void CLightDlg::SwallowKeysOf(QObject* child) {
    if (child != nullptr) {
        child->installEventFilter(this);
    }
}

bool CLightDlg::eventFilter(QObject* watched, QEvent* e) {
    if (watched == watchedHandle_ && watchedHandle_ != nullptr) {
        if (e->type() == QEvent::Expose) {
            // After the window has handled it, so isExposed() tells the new state.
            QMetaObject::invokeMethod(this, &CLightDlg::UpdateTimer, Qt::QueuedConnection);
        }
        return false;
    }
    if (watched == watchedWindow_) {
        if (e->type() == QEvent::WindowStateChange || e->type() == QEvent::Show ||
            e->type() == QEvent::Hide) {
            UpdateTimer();
        }
        return false;
    }
    if (e->type() == QEvent::KeyPress) {
        // Escape, Enter and Space never reach a control of the page.
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (IsSwallowedKey(key)) {
            return true;
        }
    }
    return false;
}

void CLightDlg::RefreshFromProfile() {
    const tagPROFILE& p = Profile();
    SelectSource(p.lightColorSource);
    brightness_->SetValue(p.lightBrightness);
    speed_->SetValue(p.lightSpeed);
    param_->SetValue(p.lightParam);
    ShowCaption(p.lightMode);
    selector_->SetColour(p.lightColor);
    ShowControlsFor(p.lightMode);
    preview_.SetColour(p.lightColor);
    RestartPreview();
}

void CLightDlg::ClosePopups() {
    if (menu_) {
        menu_->close();
    }
}

void CLightDlg::SelectSource(int source) {
    const bool picker = source == 0;
    sources_[0]->setChecked(picker);
    sources_[1]->setChecked(!picker);
    selector_->setEnabled(picker);
    well_->setEnabled(picker);
    bar_->setEnabled(picker);
    for (CSpinWnd* s : spins_) {
        s->setEnabled(picker);
    }
    for (CBitmapBtn* b : swatches_) {
        b->setEnabled(!picker);
    }
}

void CLightDlg::ShowCaption(int mode) {
    const StringTable* strings = Context().strings;
    effect_->SetCaption(strings != nullptr ? strings->Get(CaptionStringOf(mode)) : u"");
    effect_->repaint();
}

void CLightDlg::ShowControlsFor(int mode) {
    const ModeControls c = ControlsOf(mode);
    const auto place = [](CClickHSlider* s, bool on) {
        s->setEnabled(on);
        // A slider without its thumb picture was never created and stays hidden.
        s->setVisible(on && s->Thumb() != nullptr);
    };
    place(brightness_, c.brightness);
    place(speed_, c.speed);
    for (QWidget* w : std::initializer_list<QWidget*>{selector_, bar_, well_, spins_[0], spins_[1],
                                                      spins_[2], sources_[0], sources_[1]}) {
        w->setVisible(c.colour);
    }
    for (CBitmapBtn* b : swatches_) {
        b->setVisible(c.colour);
    }
    update(QRect(QPoint(430, 370), QPoint(709, 503)));
    update(QRect(QPoint(430, 114), QPoint(874, 313)));
}

void CLightDlg::ChooseEffect(int command) {
    if (command < kFirstEffectCommand || command > kLastEffectCommand) {
        return;
    }
    const int mode = Edits().ChooseEffect(command);
    ShowControlsFor(mode);
    RestartPreview();
    ShowCaption(mode);
    update();  // the dark panel and the colour cover follow the mode
}

void CLightDlg::ShowEffectMenu() {
    const StringTable* strings = Context().strings;
    CExMenu menu(Context().skinFolder, this);
    for (const LightEffect& e : kEffectMenu) {
        menu.AppendItem(e.command, strings != nullptr ? strings->Get(e.nameString) : u"");
    }
    menu.SetItemWidth(kEffectMenuItemWidth);
    menu.setAccessibleName(QStringLiteral("Light effects"));
    const QPoint at = effect_->mapToGlobal(QPoint(4, effect_->height() - 2));
    menu_ = &menu;
    menu.Track(at, this, [this](int id) { ChooseEffect(id); });
    menu_ = nullptr;
    effect_->SetHover(false);
    effect_->repaint();
}

void CLightDlg::RestartPreview() {
    const tagPROFILE& p = Profile();
    if (std::optional<PreviewFrame> frame =
            preview_.Restart(p.lightMode, p.lightSpeed, p.lightBrightness)) {
        PaintZones(*frame);
    }
    UpdateTimer();
}

void CLightDlg::PaintZones(const PreviewFrame& frame) {
    if (zones_.Apply(frame)) {
        previewView_->UpdateZones();
    }
}

bool CLightDlg::Seen() const {
    const QWidget* top = window();
    // A minimised or unmapped window is not exposed, whatever its widgets say.
    const QWindow* handle = top->windowHandle();
    return isVisible() && !top->isMinimized() && handle != nullptr && handle->isExposed();
}

void CLightDlg::UpdateTimer() {
    if (watchedWindow_ == nullptr && window() != this) {
        watchedWindow_ = window();
        watchedWindow_->installEventFilter(this);
    }
    if (QWindow* handle = window()->windowHandle(); handle != nullptr && handle != watchedHandle_) {
        if (watchedHandle_ != nullptr) {
            watchedHandle_->removeEventFilter(this);
        }
        watchedHandle_ = handle;
        handle->installEventFilter(this);
    }
    const std::optional<PreviewTimer> t = preview_.Timer();
    if (!t || !Seen()) {
        timer_.stop();  // the animation stands where it is until the page is seen again
        return;
    }
    if (!timer_.isActive() || timer_.interval() != t->periodMs) {
        timer_.start(t->periodMs);
    }
}

void CLightDlg::TickPreview() {
    if (const std::optional<PreviewTimer> t = preview_.Timer()) {
        if (std::optional<PreviewFrame> frame = preview_.Tick(t->id)) {
            PaintZones(*frame);
        }
    }
}

void CLightDlg::showEvent(QShowEvent* e) {
    Page::showEvent(e);
    UpdateTimer();
}

void CLightDlg::hideEvent(QHideEvent* e) {
    Page::hideEvent(e);
    UpdateTimer();
}

void CLightDlg::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && Context().backgroundClicked) {
        Context().backgroundClicked();
    }
}

bool CLightDlg::event(QEvent* e) {
    switch (static_cast<std::uint32_t>(e->type())) {
        case msg::kColourChanged:
            OnPickerColour();
            return true;
        case msg::kSpinValue: {
            auto* m = static_cast<MessageEvent*>(e);
            OnComponent(static_cast<int>(m->LParam()), m->WParam());
            return true;
        }
        case msg::kColourDragEnded:
        case msg::kColourInternal:
            return true;
        default:
            break;
    }
    if (e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (IsSwallowedKey(key)) {
            return true;
        }
    }
    return Page::event(e);
}

void CLightDlg::OnPickerColour() {
    const std::uint32_t c = well_->Colour();
    const bool restart = Edits().PickerColourChanged(c);
    spins_[0]->SetValue(colour::Red(c));
    spins_[1]->SetValue(colour::Green(c));
    spins_[2]->SetValue(colour::Blue(c));
    preview_.SetColour(Profile().lightColor);
    if (restart) {
        RestartPreview();
    }
}

void CLightDlg::OnComponent(int id, std::uintptr_t value) {
    // Setting the boxes from the well posts 1114 too, and the box may have been set again
    // since: its value now counts, not the one posted, or stale posts would set the colour
    // back and forth for ever. A component that is already the current one changes nothing.
    const int box = id - kRedSpinId;
    if (box >= 0 && box < 3) {
        value = static_cast<std::uintptr_t>(spins_[static_cast<std::size_t>(box)]->Value());
        const std::uint32_t current = Edits().Current();
        if (((current >> (8 * box)) & 0xFF) == (value & 0xFF)) {
            return;
        }
    }
    bool restart = false;
    const std::uint32_t c = Edits().ComponentChanged(id, value, restart);
    selector_->SetColour(c);
    preview_.SetColour(Profile().lightColor);
    if (restart) {
        RestartPreview();
    }
}

void CLightDlg::OnSwatch(int k) {
    const bool restart = Edits().Swatch(k);
    const std::uint32_t c = Profile().lightColor;
    preview_.SetColour(c);
    selector_->SetColour(c);
    if (restart) {
        RestartPreview();
    }
}

void CLightDlg::OnSliderSettled(int id, int value) {
    if (Edits().SliderSettled(id, value)) {
        RestartPreview();
    }
    if (Context().editNotice) {
        Context().editNotice(2);
    }
    update();
}

void CLightDlg::OnParamThumb(int x) {
    valueBox_.moveLeft(x + 22);
    valueBox_.setWidth(25);
    update(kValueBoxStrip);
}

void CLightDlg::PaintPage(QPainter& p) {
    const StringTable* strings = Context().strings;
    for (const PaintedText& t : kTexts) {
        TextStyle s;
        s.text = strings != nullptr ? strings->Get(t.string) : u"";
        s.colour = kWhite;
        s.format = t.format;
        s.shrinkToFit = t.shrink;
        s.centreVertically = t.centre;
        s.rect = t.rect;
        DrawSkinText(s, p, kTextHeight);
    }
    const int mode = Profile().lightMode;
    p.fillRect(ToQRect(DarkPanelOf(mode)), ToQColor(kDarkPanelColour));
    if (CoversColourControls(mode) && !colourCover_.isNull()) {
        p.drawImage(ToQRect(kColourCover), colourCover_);
    }
    p.fillRect(valueBox_, QColor(1, 81, 142));
    TextStyle v;
    v.text = ToU16(QString::fromStdString(ParamText(Profile().lightParam)));
    v.colour = 0x000000;
    v.format = 0x25;
    v.rect = ToSkinRect(valueBox_);
    DrawSkinText(v, p, kValueBoxTextHeight);
}
