#include "skin/SkinWindow.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <QWindow>

#include "platform/QtText.h"
#include "skin/CBitmapBtn.h"
#include "skin/QtRect.h"
#include "skin/SkinImage.h"

SkinWindow::SkinWindow(QWidget& host) : QObject(&host), host_(host) {
    // The whole window is painted every time; an erased background would only flicker.
    host_.setAttribute(Qt::WA_OpaquePaintEvent);
    host_.installEventFilter(this);
}

SkinWindow::~SkinWindow() = default;

std::optional<std::filesystem::path> SkinScreenPath(const std::filesystem::path& skinFolder,
                                                    const SkinIni& layout, const char16_t* key) {
    QString relative = ToQString(layout.Value(u"SCREEN", key));
    if (relative.isEmpty()) {
        return std::nullopt;
    }
    // Layout files name sub-folders with either separator.
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return skinFolder / ToPath(relative);
}

bool SkinWindow::Load(const std::filesystem::path& skinFolder, const std::string& layoutFile,
                      QSize fallbackSize) {
    layout_.Load(skinFolder / layoutFile);
    auto picture = [&](const char16_t* key) {
        return SkinScreenPath(skinFolder, layout_, key).value_or(skinFolder);
    };
    // Screens come at the screen's ratio, so controls cut from them are sharp; the mask stays
    // 1x, as the window's shape is in logical pixels.
    const qreal ratio = host_.devicePixelRatioF();
    auto load = [&](const char16_t* key, QImage& target, qreal at) {
        // An empty value would name the folder itself; that is no picture either.
        if (layout_.Value(u"SCREEN", key).empty()) {
            target = QImage();
            return;
        }
        LoadSkinImage(picture(key), target, at);
    };
    if (layout_.Value(u"SCREEN", u"Mask").empty()) {
        mask_.Clear();
    } else {
        mask_.Load(picture(u"Mask"), 1.0);
    }
    load(u"Normal", background_, ratio);
    const char16_t* const kStates[3] = {u"Over", u"Down", u"Disable"};
    for (int i = 0; i < 3; ++i) {
        if (layout_.Value(u"SCREEN", kStates[i]).empty()) {
            states_[i].Clear();
        } else {
            states_[i].Load(picture(kStates[i]), ratio);
        }
    }

    QSize size = LogicalSize(background_);
    bool any = !background_.isNull();
    for (const SkinScreen& state : states_) {
        if (!state.IsNull()) {
            if (size.isEmpty()) {
                size = state.LogicalSize();
            }
            any = true;
        }
    }
    if (!mask_.IsNull()) {
        if (size.isEmpty()) {
            size = mask_.LogicalSize();
        }
        any = true;
    }
    if (size.isEmpty()) {
        size = fallbackSize;
    }
    if (host_.isWindow()) {
        // A top-level window is not moved here, so it opens centred over its owner.
        host_.setFixedSize(size);
    } else {
        host_.setGeometry(0, 0, size.width(), size.height());
    }
    host_.update();
    return any;
}

SkinEntry SkinWindow::Entry(int key) const {
    return ParseSkinEntry(layout_.Value(u"BUTTONPOS", ToU16(QString::number(key))));
}

QRect SkinWindow::RectOf(const SkinEntry& entry) {
    // Geometry never takes a negative size; an inverted entry gives an empty control.
    return ToQRect({entry.left, entry.top, std::max(entry.left, entry.right),
                    std::max(entry.top, entry.bottom)});
}

CBitmapBtn* SkinWindow::CreateButton(int key) {
    auto* button = new CBitmapBtn(&host_);
    const QRect r = RectOf(Entry(key));
    button->setGeometry(r);
    // Cut here, so a state screen decodes only the rows its controls cover.
    QImage normal;
    CutSkinImage(normal, background_, ToSkinRect(r));
    const QRect own(QPoint(0, 0), r.size());
    button->SetSkinPictures(normal, states_[0].Cut(r), states_[1].Cut(r), states_[2].Cut(r), own);
    button->show();
    return button;
}

void SkinWindow::Finish() {
    for (SkinScreen& state : states_) {
        state.Clear();
    }
    const std::optional<QRegion> region = RegionFromMask(mask_);
    mask_.Clear();
    // An all-white mask would leave nothing to see or click: such a window keeps its
    // rectangle, like one without a mask.
    if (region && !region->isEmpty()) {
        host_.setMask(*region);
    } else {
        host_.clearMask();
    }
}

void SkinWindow::Paint() const {
    // Straight into the window's backing store, which is the off-screen picture that reaches
    // the screen in one transfer; painting is clipped to what needs it.
    QPainter p(&host_);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // The theme's dark ground shows where the background picture is missing or short.
    p.fillRect(host_.rect(), QColor(18, 20, 24));
    p.drawImage(0, 0, background_);
    if (drawTexts_) {
        drawTexts_(p);
    }
}

bool SkinWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &host_) {
        return false;
    }
    if (event->type() == QEvent::Paint) {
        Paint();
        return true;
    }
    if (!dragEnabled_) {
        return false;
    }
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* e = static_cast<QMouseEvent*>(event);
            if (e->button() != Qt::LeftButton) {
                return false;
            }
            QWidget* top = host_.window();
            // The window manager moves the window where it can; otherwise we follow the mouse.
            if (QWindow* handle = top->windowHandle(); handle && handle->startSystemMove()) {
                return false;
            }
            dragging_ = true;
            dragOffset_ = e->globalPosition().toPoint() - top->pos();
            return false;
        }
        case QEvent::MouseMove: {
            auto* e = static_cast<QMouseEvent*>(event);
            if (dragging_ && (e->buttons() & Qt::LeftButton)) {
                host_.window()->move(e->globalPosition().toPoint() - dragOffset_);
            }
            return false;
        }
        case QEvent::MouseButtonRelease:
            dragging_ = false;
            return false;
        default:
            return false;
    }
}

const QImage& SkinWindow::Screen(int index) const {
    static const QImage kNone;
    if (index == 0) {
        return background_;
    }
    return index >= 1 && index <= 3 ? states_[index - 1].Whole() : kNone;
}
