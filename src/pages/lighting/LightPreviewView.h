// The preview's own small window over the page: the page's background under it, the five
// zones, then the mouse picture. Only the zones change from frame to frame. Every layer that
// never changes is cut once, and the few pixels where a zone shows through the mouse are
// listed with what lies under and over them, so a frame is one pass over that list. The
// zones' part is a child of its own that shows the composed picture; on X11 it puts the
// picture straight onto its native window, without the backing store's round trip.
#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>
#include <array>
#include <cstdint>
#include <vector>

#include "pages/lighting/LightingPreview.h"

class ZonePictures;
class ZoneSurface;

class LightPreviewView : public QWidget {
    Q_OBJECT
public:
    // Rectangles are in the page's coordinates; the window covers the preview and every zone.
    // The mouse picture may be a 2x twin (ratio 2); it is composed at the zones' ratio.
    LightPreviewView(QWidget* page, const QImage* background, const ZonePictures* zones,
                     QRect preview, QImage mouse);
    ~LightPreviewView() override;

    const QImage& MousePicture() const { return mouse_; }
    QRect PreviewRect() const { return preview_; }
    // Composes the zones' part again from the zones' colour tables and shows it.
    void UpdateZones();
    // The page as shown here, at the zones' ratio, for tests and screenshots.
    QImage Render() const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    struct Pixel {
        std::uint32_t at;                            // index into the composed picture
        std::uint32_t under;                         // background, premultiplied
        std::uint32_t over;                          // mouse picture, premultiplied
        std::array<std::uint8_t, kZoneCount> alpha;  // each zone's source alpha, 0 outside it
    };
    void Draw(QPainter& p) const;
    void BuildLayers();
    void Compose();

    const QImage* background_;
    const ZonePictures* zones_;
    QRect preview_;
    int ratio_;
    QImage mouse_;      // premultiplied, the preview's size at ratio_
    QRect zoneBounds_;  // page coordinates
    QImage composed_;   // RGB32, what zoneBounds_ shows now, at ratio_
    std::vector<Pixel> changing_;
    ZoneSurface* surface_ = nullptr;
};
