#include "pages/sensitivity/CSensitivityDlg.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "common/StringTable.h"
#include "data/ProfileRecord.h"
#include "pages/sensitivity/SensitivityEdits.h"
#include "pages/sensitivity/SensitivityTables.h"
#include "pages/sensitivity/SensitivityTexts.h"
#include "platform/QtText.h"
#include "platform/Trace.h"
#include "skin/KeyFilter.h"
#include "skin/CBitmapBtn.h"
#include "skin/CClickHSlider.h"
#include "skin/CExMenu.h"
#include "skin/QtRect.h"
#include "skin/SkinText.h"
#include "skin/SkinWindow.h"

CSensitivityDlg::CSensitivityDlg(QWidget* parent, PageContext context)
    : Page(parent, std::move(context)), skin_(std::make_unique<SkinWindow>(*this)) {
    skin_->Load(Context().skinFolder, "skin_sensitivity.ini", QSize(900, 520));
    BuildControls();
    skin_->SetTextPainter([this](QPainter& p) { PaintTexts(p); });
    skin_->Finish();
    for (CClickHSlider* s : {x_, y_}) {
        s->SetRange(sens::kLevelMin, sens::kLevelMax, true);
    }
    for (CClickHSlider* s : {speed_, accel_}) {
        s->SetRange(sens::kPointerMin, sens::kPointerMax, true);
    }
    // Escape, Enter and Space neither close the page nor press the focused control.
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>()) {
        w->installEventFilter(this);
    }
}

CSensitivityDlg::~CSensitivityDlg() = default;

void CSensitivityDlg::BuildControls() {
    auto button = [this](int key) {
        CBitmapBtn* b = skin_->CreateButton(key);
        b->SetTooltip(skin_->Entry(key).text, true);
        return b;
    };
    // The decorative pair has a look and a tooltip, and no function.
    levelLight_ = button(sens::kKeyLevelLight);
    levelLight_->SetCheckBoxMode(true);
    sensor_ = button(sens::kKeySensor);

    ButtonColours levelColours;
    levelColours.normal = 0xFFFFFF;
    levelColours.hover = 0xFFFFFF;
    levelColours.pressedOrOn = 0x000000;
    levelColours.disabled = 0x6E6E6E;
    for (int i = 0; i < kLevelCount; ++i) {
        CBitmapBtn* b = button(sens::kKeyFirstLevel + i);
        b->SetTwoTexts(u"", ToQRect(sens::kLevelTextA), u"", ToQRect(sens::kLevelTextB));
        b->SetFontHeight(sens::kLevelFontHeight);
        b->SetTextColours(levelColours);
        b->setCheckable(true);
        connect(b, &QAbstractButton::clicked, this,
                [this, i] { Show(SensitivityEdits(Profile()).ClickLevel(i)); });
        levels_[i] = b;
    }

    rate_ = button(sens::kKeyReportRate);
    rate_->SetCaptionLayout(sens::kRateCaptionLayout);
    connect(rate_, &QAbstractButton::clicked, this, [this] { ShowRateMenu(); });

    x_ = CreateSlider(sens::kKeySliderX, sens::kSliderX, "slider_arrow_down.bmp");
    y_ = CreateSlider(sens::kKeySliderY, sens::kSliderY, "slider_arrow_up.bmp");
    speed_ = CreateSlider(sens::kKeySpeed, sens::kSliderSpeed, "slider_arrow_rect.bmp");
    accel_ = CreateSlider(sens::kKeyAccel, sens::kSliderAccel, "slider_arrow_rect.bmp");

    link_ = button(sens::kKeyLink);
    link_->SetCheckBoxMode(true);
    link_->SetCaption(Context().strings->Get(sens::kLinkStringId));
    link_->SetFontHeight(sens::kLinkFontHeight);
    link_->SetCaptionLayout(sens::kLinkCaptionLayout);
    // The button has switched itself before it reports the click.
    connect(link_, &QAbstractButton::clicked, this,
            [this] { Show(SensitivityEdits(Profile()).SetSeparate(link_->isChecked())); });
}

CClickHSlider* CSensitivityDlg::CreateSlider(int key, int id, const char* thumb) {
    auto* s = new CClickHSlider(this);
    const SkinEntry entry = skin_->Entry(key);
    // Without its thumb picture the slider stays hidden and only keeps its values.
    if (s->Create(Context().skinFolder / thumb, this, id, SkinWindow::RectOf(entry))) {
        s->SetBackgroundFrom(skin_->Background());
    }
    s->setAccessibleName(ToQString(entry.text));
    s->setObjectName(ToQString(entry.text));
    connect(s, &CClickHSlider::changing, this,
            [this, id](int v) { Show(SensitivityEdits(Profile()).SliderMoved(id, v)); });
    connect(s, &CClickHSlider::settled, this,
            [this, id](int v) { Show(SensitivityEdits(Profile()).SliderSettled(id, v)); });
    return s;
}

CClickHSlider* CSensitivityDlg::Slider(int id) const {
    switch (id) {
        case sens::kSliderX:
            return x_;
        case sens::kSliderY:
            return y_;
        case sens::kSliderSpeed:
            return speed_;
        case sens::kSliderAccel:
            return accel_;
        default:
            return nullptr;
    }
}

tagPROFILE& CSensitivityDlg::Profile() const {
    return Context().working->Current();
}

void CSensitivityDlg::RefreshFromProfile() {
    const SensitivityView v = SensitivityEdits(Profile()).View();
    for (int i = 0; i < kLevelCount; ++i) {
        WriteLevelText(i);
    }
    MarkLevel(v.level);
    LoadLevelSliders();
    speed_->SetValue(v.speedPosition);
    accel_->SetValue(v.accelPosition);
    ShowRate();
    if (link_->isChecked() != v.separate) {
        link_->setChecked(v.separate);
    }
}

void CSensitivityDlg::SelectLevel() {
    const int level = SensitivityEdits(Profile()).ActiveLevel();
    MarkLevel(level);
    LoadLevelSliders();
    qCDebug(lcApp) << "sensitivity level shown" << level + 1;
}

void CSensitivityDlg::ShowReportRate() {
    ShowRate();
    qCDebug(lcApp) << "report rate shown" << rate_->accessibleName();
}

void CSensitivityDlg::ClosePopups() {
    if (rateMenu_) {
        rateMenu_->close();
    }
}

void CSensitivityDlg::Show(const SensitivityUpdate& u) {
    const int level = SensitivityEdits(Profile()).ActiveLevel();
    if (u.selectLevel) {
        MarkLevel(level);
        LoadLevelSliders();
    }
    if (u.setX) {
        x_->SetValue(*u.setX);
    }
    if (u.setY) {
        y_->SetValue(*u.setY);
    }
    if (u.levelText) {
        WriteLevelText(level);
    }
    if (u.rateCaption) {
        ShowRate();
    }
    if (u.notice != 0 && Context().editNotice) {
        Context().editNotice(u.notice);
    }
}

// Only the buttons whose mark changes are redrawn.
void CSensitivityDlg::MarkLevel(int level) {
    for (int i = 0; i < kLevelCount; ++i) {
        const bool want = i == level;
        if (levels_[i]->isChecked() != want) {
            levels_[i]->setChecked(want);
        }
    }
}

void CSensitivityDlg::LoadLevelSliders() {
    const SensitivityView v = SensitivityEdits(Profile()).View();
    x_->SetValue(v.sliderX);
    y_->SetValue(v.sliderY);
}

void CSensitivityDlg::WriteLevelText(int level) {
    const tagPROFILE& p = Profile();
    const std::u16string a = LevelText(p.levelX[level]);
    const std::u16string b = LevelText(p.levelY[level]);
    CBitmapBtn* button = levels_[level];
    button->SetTwoTexts(a, ToQRect(sens::kLevelTextA), b, ToQRect(sens::kLevelTextB));
    button->setAccessibleDescription(QStringLiteral("X %1, Y %2").arg(ToQString(a), ToQString(b)));
    button->repaint();
}

void CSensitivityDlg::ShowRate() {
    rate_->SetCaption(Context().strings->Get(RateStringId(Profile().reportRate)));
    rate_->repaint();
}

void CSensitivityDlg::OnRateCommand(int command) {
    Show(SensitivityEdits(Profile()).ChooseRate(command));
}

void CSensitivityDlg::ShowRateMenu() {
    if (rateMenu_) {
        return;
    }
    auto* menu = new CExMenu(Context().skinFolder, this);
    rateMenu_ = menu;
    for (const sens::RateEntry& e : sens::kRateEntries) {
        menu->AppendItem(e.command, Context().strings->Get(e.stringId));
    }
    menu->FitItemWidth(sens::kRateMenuItemWidth);
    menu->Track(rate_->mapToGlobal(QPoint(0, rate_->height())), this,
                [this](int id) { OnRateCommand(id); });
    delete menu;
    // The menu held the mouse, so the button never saw it leave.
    rate_->SetHover(false);
    rate_->repaint();
}

void CSensitivityDlg::PaintTexts(QPainter& painter) const {
    for (const sens::PaintedText& t : sens::kPaintedTexts) {
        DrawSkinText(PaintedTextStyle(t, Context().strings->Get(t.stringId)), painter, t.size);
    }
}

void CSensitivityDlg::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && Context().backgroundClicked) {
        Context().backgroundClicked();
    }
}

bool CSensitivityDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && IsSwallowedKey(static_cast<QKeyEvent*>(event)->key())) {
        return true;
    }
    return Page::eventFilter(watched, event);
}
