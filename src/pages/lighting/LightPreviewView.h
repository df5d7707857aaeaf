// The preview's own small window over the page: the page's background under it, the five
// zones, then the mouse picture. Only the zones change from frame to frame, so the part of
// the preview where they lie is composed here into one picture (background under, mouse
// over, both cut once) and that picture alone is repainted.
#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QWidget>

class ZonePictures;

class LightPreviewView : public QWidget {
    Q_OBJECT
public:
    // Rectangles are in the page's coordinates; the window covers the preview and every zone.
    LightPreviewView(QWidget* page, const QImage* background, const ZonePictures* zones,
                     QRect preview, QImage mouse);

    const QImage& MousePicture() const { return mouse_; }
    QRect PreviewRect() const { return preview_; }
    // Composes the zones' part again from the zone pictures and repaints it.
    void UpdateZones();
    // The page as shown here, for tests and screenshots.
    QImage Render() const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void Draw(QPainter& p, bool zonesOnly) const;
    void Compose();

    const QImage* background_;
    const ZonePictures* zones_;
    QRect preview_;
    QImage mouse_;      // premultiplied, the preview's size
    QRect zoneBounds_;  // page coordinates
    QRegion zoneArea_;  // page coordinates
    QImage under_;      // background under zoneBounds_
    QImage over_;       // mouse picture over zoneBounds_
    QImage composed_;   // what zoneBounds_ shows now
};
