// The preview's own small window over the page: the page's background under it, the five
// zones, then the mouse picture. Each animation frame repaints only this window, not the
// page.
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
    // Repaints the part where the zones lie.
    void UpdateZones();
    // The page as shown here, for tests and screenshots.
    QImage Render() const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void Draw(QPainter& p) const;

    const QImage* background_;
    const ZonePictures* zones_;
    QRect preview_;
    QImage mouse_;
    QRegion zoneArea_;
};
