#include "pages/lighting/LightPreviewView.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <memory>

#include "pages/lighting/LightEffects.h"
#include "pages/lighting/ZonePictures.h"
#include "platform/Trace.h"
#include "platform/WindowBlit.h"
#include "skin/QtRect.h"

namespace {

QRect ZoneRect(int z) {
    return ToQRect(kZoneRects[static_cast<std::size_t>(z)]);
}

// Source over destination, both premultiplied.
inline std::uint32_t Over(std::uint32_t s, std::uint32_t d) {
    const std::uint32_t inv = 255 - (s >> 24);
    if (inv == 255) {
        return d;
    }
    if (inv == 0) {
        return s;
    }
    std::uint32_t rb = (d & 0x00FF00FFu) * inv;
    std::uint32_t ag = ((d >> 8) & 0x00FF00FFu) * inv;
    rb = ((rb + ((rb >> 8) & 0x00FF00FFu) + 0x00800080u) >> 8) & 0x00FF00FFu;
    ag = (ag + ((ag >> 8) & 0x00FF00FFu) + 0x00800080u) & 0xFF00FF00u;
    return s + rb + ag;
}

// A rectangle in logical pixels as a source rectangle of a picture of any ratio: a 2x
// background holds twice the pixels.
QRectF InPixelsOf(const QImage& picture, const QRect& logical) {
    const qreal r = picture.devicePixelRatio();
    return QRectF(logical.x() * r, logical.y() * r, logical.width() * r, logical.height() * r);
}

QImage Premultiplied(const QImage& image, QSize size, int ratio) {
    if (image.isNull()) {
        return QImage();
    }
    const QSize pixels = size * ratio;
    QImage out = image.size() == pixels ? image : image.scaled(pixels);
    out = out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    out.setDevicePixelRatio(ratio);
    return out;
}

QImage Layer(QSize pixels, int ratio, QColor fill) {
    QImage layer(pixels, QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(ratio);
    layer.fill(fill);
    return layer;
}

// The painter hands blends of more than about 64 spans to its thread pool, which costs far
// more in wake-ups than the blend itself at 100 frames a second: paint in bands low enough
// to stay on this thread.
template <typename DrawFn>
void PaintInBands(QPainter& p, const QRect& dirty, DrawFn draw) {
    constexpr int kBand = 24;
    for (int top = dirty.top(); top <= dirty.bottom(); top += kBand) {
        p.save();
        p.setClipRect(QRect(dirty.left(), top, dirty.width(), kBand), Qt::IntersectClip);
        draw();
        p.restore();
    }
}

}  // namespace

// The zones' part of the preview, the only part that changes. Where the session allows it,
// a native window that takes the composed picture straight from here; otherwise an ordinary
// child painted through the backing store.
class ZoneSurface : public QWidget {
public:
    ZoneSurface(QWidget* parent, const QImage* picture, bool direct)
        : QWidget(parent), picture_(picture), direct_(direct) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAccessibleName(QStringLiteral("Light zones"));
        if (direct_) {
            setAttribute(Qt::WA_DontCreateNativeAncestors);
            setAttribute(Qt::WA_NativeWindow);
            setAttribute(Qt::WA_PaintOnScreen);
        }
    }

    // Shows the picture now, in the same wake-up as the tick.
    void Present() {
        if (!isVisible()) {
            return;  // shown again, it paints on its first expose
        }
        if (direct_ && Blit()) {
            return;
        }
        repaint();
    }

protected:
    QPaintEngine* paintEngine() const override {
        return direct_ ? nullptr : QWidget::paintEngine();
    }

    void paintEvent(QPaintEvent* e) override {
        if (direct_) {
            if (Blit()) {
                return;
            }
            update();  // now through the backing store
            return;
        }
        QPainter p(this);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        PaintInBands(p, e->rect(), [&] { p.drawImage(QPoint(0, 0), *picture_); });
    }

private:
    bool Blit() {
        const WId id = winId();
        if (!blit_ || blitFor_ != id) {
            blit_ = platform::WindowBlit::For(id);
            blitFor_ = id;
        }
        if (!blit_) {
            // The window's pixels are not the picture's: paint as every other widget does.
            qCDebug(lcApp) << "lighting preview: painting through the backing store";
            direct_ = false;
            setAttribute(Qt::WA_PaintOnScreen, false);
            return false;
        }
        blit_->Put(*picture_);
        return true;
    }

    const QImage* picture_;
    bool direct_;
    WId blitFor_ = 0;
    std::unique_ptr<platform::WindowBlit> blit_;
};

LightPreviewView::LightPreviewView(QWidget* page, const QImage* background,
                                   const ZonePictures* zones, QRect preview, QImage mouse)
    : QWidget(page),
      background_(background),
      zones_(zones),
      preview_(preview),
      ratio_(zones->Ratio()),
      mouse_(Premultiplied(mouse, preview.size(), ratio_)) {
    QRect area = preview_;
    for (int z = 0; z < kZoneCount; ++z) {
        area |= ZoneRect(z);
        zoneBounds_ |= ZoneRect(z);
    }
    setGeometry(area);
    BuildLayers();
    Compose();

    // Straight to the screen only when the picture's pixels are the window's.
    const bool direct = qEnvironmentVariableIsEmpty("CORVANE_PREVIEW_VIA_BACKING_STORE") &&
                        qFuzzyCompare(page->devicePixelRatioF(), qreal(ratio_)) &&
                        platform::WindowBlit::Supported();
    surface_ = new ZoneSurface(this, &composed_, direct);
    surface_->setGeometry(zoneBounds_.translated(-area.topLeft()));
    qCDebug(lcApp) << "lighting preview: zones at ratio" << ratio_ << "with" << changing_.size()
                   << "changing pixels,"
                   << (direct ? "painted straight to the screen"
                              : "painted through the backing store");

    // Every pixel is painted here, so nothing under it needs repainting.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Preview"));
    // Clicks fall through to the page, which drags the window like its background.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

LightPreviewView::~LightPreviewView() = default;

void LightPreviewView::BuildLayers() {
    const QSize pixels = zoneBounds_.size() * ratio_;
    const QPoint origin = zoneBounds_.topLeft();
    // Background under, mouse over: the layers that never change, cut once.
    QImage under = Layer(pixels, ratio_, QColor(18, 20, 24));
    if (background_ != nullptr && !background_->isNull()) {
        QPainter p(&under);
        p.drawImage(QRectF(QPointF(0, 0), zoneBounds_.size()), *background_,
                    InPixelsOf(*background_, zoneBounds_));
    }
    QImage over = Layer(pixels, ratio_, Qt::transparent);
    if (!mouse_.isNull()) {
        QPainter p(&over);
        p.drawImage(preview_.topLeft() - origin, mouse_);
    }
    // Each zone's source alpha under every pixel, 0 outside the zone.
    std::vector<std::array<std::uint8_t, kZoneCount>> alpha(
        static_cast<std::size_t>(pixels.width() * pixels.height()));
    for (int z = 0; z < kZoneCount; ++z) {
        const QImage& zone = zones_->Original(z);
        const QPoint at = (ZoneRect(z).topLeft() - origin) * ratio_;
        const QRect r = QRect(at, ZoneRect(z).size() * ratio_) & QRect(at, zone.size()) &
                        QRect(QPoint(0, 0), pixels);
        for (int y = r.top(); y <= r.bottom() && !zone.isNull(); ++y) {
            const auto* s = reinterpret_cast<const std::uint32_t*>(zone.constScanLine(y - at.y()));
            for (int x = r.left(); x <= r.right(); ++x) {
                alpha[static_cast<std::size_t>(y * pixels.width() + x)]
                     [static_cast<std::size_t>(z)] = static_cast<std::uint8_t>(s[x - at.x()] >> 24);
            }
        }
    }
    composed_ = QImage(pixels, QImage::Format_RGB32);
    composed_.setDevicePixelRatio(ratio_);
    changing_.clear();
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* u = reinterpret_cast<const std::uint32_t*>(under.constScanLine(y));
        const auto* o = reinterpret_cast<const std::uint32_t*>(over.constScanLine(y));
        auto* c = reinterpret_cast<std::uint32_t*>(composed_.scanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            // The background is opaque, so the result is too.
            c[x] = Over(o[x], u[x]) | 0xFF000000u;
            const auto at = static_cast<std::uint32_t>(y * pixels.width() + x);
            const std::array<std::uint8_t, kZoneCount>& a = alpha[at];
            const bool lit = std::any_of(a.begin(), a.end(), [](std::uint8_t v) { return v != 0; });
            // Where the mouse is opaque it hides whatever lies under it.
            if (lit && o[x] >> 24 != 255) {
                changing_.push_back(Pixel{at, u[x], o[x], a});
            }
        }
    }
}

void LightPreviewView::Compose() {
    std::array<const ZonePictures::Table*, kZoneCount> tables{};
    for (int z = 0; z < kZoneCount; ++z) {
        tables[static_cast<std::size_t>(z)] = &zones_->Colours(z);
    }
    auto* out = reinterpret_cast<std::uint32_t*>(composed_.bits());
    // Background, the zones in their order, then the mouse over them.
    for (const Pixel& px : changing_) {
        std::uint32_t d = px.under;
        for (std::size_t z = 0; z < kZoneCount; ++z) {
            if (px.alpha[z] != 0) {
                d = Over((*tables[z])[px.alpha[z]], d);
            }
        }
        out[px.at] = Over(px.over, d) | 0xFF000000u;
    }
}

void LightPreviewView::UpdateZones() {
    Compose();
    surface_->Present();
}

void LightPreviewView::Draw(QPainter& p) const {
    const QRect area = geometry();
    p.translate(-area.topLeft());
    p.fillRect(area, QColor(18, 20, 24));
    if (background_ != nullptr && !background_->isNull()) {
        p.drawImage(QRectF(area), *background_, InPixelsOf(*background_, area));
    }
    if (!mouse_.isNull()) {
        p.drawImage(preview_.topLeft(), mouse_);
    }
}

QImage LightPreviewView::Render() const {
    QImage out(size() * ratio_, QImage::Format_ARGB32_Premultiplied);
    out.setDevicePixelRatio(ratio_);
    QPainter p(&out);
    Draw(p);
    p.resetTransform();
    p.drawImage(zoneBounds_.topLeft() - pos(), composed_);
    return out;
}

void LightPreviewView::paintEvent(QPaintEvent* e) {
    // Beyond the zones: the background, then the mouse picture; the zones are the child's.
    QPainter p(this);
    PaintInBands(p, e->rect(), [&] { Draw(p); });
}
