#include "app/ApplyProgressBar.h"

#include <QPainter>
#include <algorithm>

namespace {

// The accent of the skin and its lighter text tint: the filled part glows like the tab line.
const QColor kTrack(1, 81, 142, 110);
const QColor kFill(104, 176, 232);

}  // namespace

ApplyProgressBar::ApplyProgressBar(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void ApplyProgressBar::SetProgress(int sent, int total) {
    sent_ = std::clamp(sent, 0, std::max(total, 0));
    total_ = std::max(total, 0);
    setVisible(total_ > 0);
    update();
}

void ApplyProgressBar::paintEvent(QPaintEvent*) {
    if (total_ <= 0) {
        return;
    }
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const QRectF track = QRectF(rect());
    const qreal radius = track.height() / 2;
    p.setBrush(kTrack);
    p.drawRoundedRect(track, radius, radius);
    if (sent_ > 0) {
        QRectF filled = track;
        filled.setWidth(track.width() * sent_ / total_);
        p.setBrush(kFill);
        p.drawRoundedRect(filled, radius, radius);
    }
}
