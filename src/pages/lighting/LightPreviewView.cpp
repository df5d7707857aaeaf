#include "pages/lighting/LightPreviewView.h"

#include <QPaintEvent>
#include <QPainter>
#include <cstring>

#include "pages/lighting/LightEffects.h"
#include "pages/lighting/ZonePictures.h"
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

// Blends the part `from` of a premultiplied picture over the target at `at`, clipped to
// the target.
void BlendOver(QImage& target, const QImage& source, QRect from, QPoint at) {
    from &= source.rect();
    const QRect area = QRect(at, from.size()) & target.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* d = reinterpret_cast<std::uint32_t*>(target.scanLine(y)) + area.left();
        const auto* s =
            reinterpret_cast<const std::uint32_t*>(source.constScanLine(from.top() + y - at.y())) +
            (from.left() + area.left() - at.x());
        for (int x = 0; x < area.width(); ++x) {
            d[x] = Over(s[x], d[x]);
        }
    }
}

// A rectangle in logical pixels as a source rectangle of a picture of any ratio: a 2x
// background holds twice the pixels.
QRectF InPixelsOf(const QImage& picture, const QRect& logical) {
    const qreal r = picture.devicePixelRatio();
    return QRectF(logical.x() * r, logical.y() * r, logical.width() * r, logical.height() * r);
}

QImage Premultiplied(const QImage& image, QSize size) {
    if (image.isNull()) {
        return QImage();
    }
    QImage out = image.size() == size ? image : image.scaled(size);
    return out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

LightPreviewView::LightPreviewView(QWidget* page, const QImage* background,
                                   const ZonePictures* zones, QRect preview, QImage mouse)
    : QWidget(page),
      background_(background),
      zones_(zones),
      preview_(preview),
      mouse_(Premultiplied(mouse, preview.size())) {
    QRect area = preview_;
    for (int z = 0; z < kZoneCount; ++z) {
        area |= ZoneRect(z);
        zoneBounds_ |= ZoneRect(z);
        zoneArea_ += ZoneRect(z);
    }
    setGeometry(area);
    // The layers that never change, cut once for the zones' part.
    under_ = QImage(zoneBounds_.size(), QImage::Format_ARGB32_Premultiplied);
    under_.fill(QColor(18, 20, 24));
    if (background_ != nullptr && !background_->isNull()) {
        QPainter p(&under_);
        p.drawImage(QRectF(QPointF(0, 0), zoneBounds_.size()), *background_,
                    InPixelsOf(*background_, zoneBounds_));
    }
    over_ = QImage(zoneBounds_.size(), QImage::Format_ARGB32_Premultiplied);
    over_.fill(Qt::transparent);
    if (!mouse_.isNull()) {
        QPainter p(&over_);
        p.drawImage(preview_.topLeft() - zoneBounds_.topLeft(), mouse_);
    }
    Compose();
    // Every pixel is painted here, so nothing under it needs repainting.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Preview"));
    // Clicks fall through to the page, which drags the window like its background.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LightPreviewView::Compose() {
    if (composed_.size() != under_.size()) {
        // Between the zones the picture never changes: background and mouse, once.
        composed_ = under_.copy();
        BlendOver(composed_, over_, over_.rect(), QPoint(0, 0));
    }
    // Only inside the zones does anything change: background, zones, then the mouse over
    // them. The region's rectangles do not overlap, so nothing is blended twice.
    const QRegion zones = zoneArea_.translated(-zoneBounds_.topLeft()) & composed_.rect();
    for (const QRect& r : zones) {
        for (int y = r.top(); y <= r.bottom(); ++y) {
            std::memcpy(composed_.scanLine(y) + r.left() * 4,
                        under_.constScanLine(y) + r.left() * 4,
                        static_cast<std::size_t>(r.width()) * 4);
        }
    }
    for (int z = 0; z < kZoneCount; ++z) {
        const QImage& zone = zones_->Drawn(z);
        if (!zone.isNull()) {
            const QPoint at = ZoneRect(z).topLeft() - zoneBounds_.topLeft();
            BlendOver(composed_, zone, zone.rect(), at);
        }
    }
    for (const QRect& r : zones) {
        BlendOver(composed_, over_, r, r.topLeft());
    }
}

void LightPreviewView::UpdateZones() {
    Compose();
    // One rectangle: one transfer to the screen.
    // Painted at once, in the same wake-up as the tick.
    repaint(zoneBounds_.translated(-pos()));
}

void LightPreviewView::Draw(QPainter& p, bool zonesOnly) const {
    const QRect area = geometry();
    p.translate(-area.topLeft());
    if (!zonesOnly) {
        // Beyond the zones: the background, then the mouse picture.
        p.fillRect(area, QColor(18, 20, 24));
        if (background_ != nullptr && !background_->isNull()) {
            p.drawImage(QRectF(area), *background_, InPixelsOf(*background_, area));
        }
        if (!mouse_.isNull()) {
            p.drawImage(preview_.topLeft(), mouse_);
        }
    }
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(zoneBounds_.topLeft(), composed_);
}

QImage LightPreviewView::Render() const {
    QImage out(size(), QImage::Format_ARGB32_Premultiplied);
    QPainter p(&out);
    Draw(p, false);
    return out;
}

void LightPreviewView::paintEvent(QPaintEvent* e) {
    // The painter hands blends of more than about 64 spans to its thread pool, which costs
    // far more in wake-ups than the blend itself at 100 frames a second: paint in bands
    // low enough to stay on this thread.
    constexpr int kBand = 24;
    QPainter p(this);
    const QRect dirty = e->rect();
    const bool zonesOnly = zoneBounds_.translated(-pos()).contains(dirty);
    for (int top = dirty.top(); top <= dirty.bottom(); top += kBand) {
        p.save();
        p.setClipRect(QRect(dirty.left(), top, dirty.width(), kBand), Qt::IntersectClip);
        Draw(p, zonesOnly);
        p.restore();
    }
}
