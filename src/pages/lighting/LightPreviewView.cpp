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
    : QWidget(page), background_(background), zones_(zones), preview_(preview),
      mouse_(std::move(mouse)) {
    QRect area = preview_;
    for (int z = 0; z < kZoneCount; ++z) {
        area |= ZoneRect(z);
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
        const QImage& zone = zones_->Shown(z);
        if (!zone.isNull()) {
            p.drawImage(ZoneRect(z), zone);
        }
    }
    if (!mouse_.isNull()) {
        p.drawImage(preview_, mouse_);
    }
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
