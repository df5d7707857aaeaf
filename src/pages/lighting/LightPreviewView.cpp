#include "pages/lighting/LightPreviewView.h"

#include <QPainter>

#include "pages/lighting/LightEffects.h"
#include "pages/lighting/ZonePictures.h"

namespace {
QRect ZoneRect(int z) {
    const PageRect& r = kZoneRects[static_cast<std::size_t>(z)];
    return QRect(r.x, r.y, r.width, r.height);
}
}  // namespace

LightPreviewView::LightPreviewView(QWidget* page, const QImage* background,
                                   const ZonePictures* zones, QRect preview, QImage mouse)
    : QWidget(page),
      background_(background),
      zones_(zones),
      preview_(preview),
      // Blending from the premultiplied form is the painter's fast path; it is converted
      // once here, not on every frame.
      mouse_(mouse.isNull() ? QImage()
                            : mouse.convertToFormat(QImage::Format_ARGB32_Premultiplied)) {
    QRect area = preview_;
    for (int z = 0; z < kZoneCount; ++z) {
        area |= ZoneRect(z);
        zoneArea_ += ZoneRect(z);
    }
    setGeometry(area);
    // Every pixel is painted here, so nothing under it needs repainting.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Preview"));
    // Clicks fall through to the page, which drags the window like its background.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LightPreviewView::Draw(QPainter& p) const {
    const QRect area = geometry();
    p.translate(-area.topLeft());
    p.fillRect(area, QColor(18, 20, 24));
    if (background_ != nullptr && !background_->isNull()) {
        p.drawImage(area.topLeft(), *background_, area);
    }
    for (int z = 0; z < kZoneCount; ++z) {
        const QImage& zone = zones_->Drawn(z);
        if (!zone.isNull()) {
            p.drawImage(ZoneRect(z), zone);
        }
    }
    if (!mouse_.isNull()) {
        p.drawImage(preview_, mouse_);
    }
}

void LightPreviewView::UpdateZones() {
    // Only the zones change from frame to frame; the rest of the preview stays as painted.
    update(zoneArea_.translated(-pos()));
}

QImage LightPreviewView::Render() const {
    QImage out(size(), QImage::Format_ARGB32_Premultiplied);
    QPainter p(&out);
    Draw(p);
    return out;
}

void LightPreviewView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Draw(p);
}
