// The loading steps every skinned window follows, kept by the window as a member: five
// screens from its layout file, size from Normal, controls at their layout rectangles with
// pictures cut from the screens, shape from Mask, off-screen painting, and dragging the
// top-level window by the background.
#pragma once

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "skin/SkinEntry.h"
#include "skin/SkinImage.h"
#include "skin/SkinIni.h"

class CBitmapBtn;
class QPainter;
class QWidget;

// Where a layout file's screen lies; nothing when the layout names none.
std::optional<std::filesystem::path> SkinScreenPath(const std::filesystem::path& skinFolder,
                                                    const SkinIni& layout, const char16_t* key);

class SkinWindow : public QObject {
    Q_OBJECT
public:
    explicit SkinWindow(QWidget& host);
    ~SkinWindow() override;

    // Reads the layout file and the five screens and sizes the window to Normal. Without a
    // Normal picture the size comes from another screen, else from fallbackSize. False when
    // no screen could be loaded.
    bool Load(const std::filesystem::path& skinFolder, const std::string& layoutFile,
              QSize fallbackSize = QSize(320, 200));

    SkinEntry Entry(int key) const;
    static QRect RectOf(const SkinEntry& entry);

    // A skinned button at its layout rectangle, its four pictures cut from the screens.
    CBitmapBtn* CreateButton(int key);
    // Any other control at its layout rectangle.
    template <class W, class... Args>
    W* CreateControl(int key, Args&&... args) {
        W* w = new W(&host_, std::forward<Args>(args)...);
        w->setGeometry(RectOf(Entry(key)));
        w->show();
        return w;
    }

    // Drops the screens and shapes the window from its mask; a window without a usable mask
    // keeps its rectangle.
    void Finish();

    const QImage& Background() const { return background_; }
    // Normal, Over, Down, Disable; the last three only until Finish.
    const QImage& Screen(int index) const;

    // The window paints itself: background 1:1, then the window's own texts, into one
    // off-screen picture copied to the window in one go.
    void SetTextPainter(std::function<void(QPainter&)> drawTexts) {
        drawTexts_ = std::move(drawTexts);
    }
    void Paint() const;

    void SetDragEnabled(bool on) { dragEnabled_ = on; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& host_;
    SkinIni layout_;
    QImage background_;
    SkinScreen mask_;  // only while loading
    SkinScreen states_[3];  // Over, Down, Disable; only while loading
    std::function<void(QPainter&)> drawTexts_;
    bool dragEnabled_ = true;
    bool dragging_ = false;
    QPoint dragOffset_;
};
