// Small skins made on the spot: solid-colour screens and a layout file in a temporary folder.
#pragma once

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QString>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/QtText.h"
#include "skin/SkinText.h"

// Loads the fixed test font as the private font, so every text metric is the same.
inline void UseTestFont() {
    static const bool loaded = LoadPrivateFontFile(CORVANE_TEST_FONT).has_value();
    QVERIFY2(loaded, "test font missing: install fonts-liberation2");
}

inline QImage SolidImage(int w, int h, QColor colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

inline void SaveImage(const QImage& image, const std::filesystem::path& file, const char* format) {
    QVERIFY(image.save(FromPath(file), format));
}

inline void WriteText(const std::filesystem::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

// A window skin of w x h: each screen one colour, the mask black with white top-left and
// bottom-right corners of 10 x 10.
inline void WriteSkin(const std::filesystem::path& folder, const std::string& layout, int w, int h,
                      const std::string& buttonPos) {
    std::filesystem::create_directories(folder / "win");
    SaveImage(SolidImage(w, h, QColor(10, 10, 10)), folder / "win" / "normal.bmp", "BMP");
    SaveImage(SolidImage(w, h, QColor(20, 120, 20)), folder / "win" / "over.png", "PNG");
    SaveImage(SolidImage(w, h, QColor(200, 30, 30)), folder / "win" / "down.jpg", "JPG");
    SaveImage(SolidImage(w, h, QColor(90, 90, 90)), folder / "win" / "disable.bmp", "BMP");
    QImage mask = SolidImage(w, h, Qt::black);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            mask.setPixelColor(x, y, Qt::white);
            mask.setPixelColor(w - 1 - x, h - 1 - y, Qt::white);
        }
    }
    SaveImage(mask, folder / "win" / "mask.bmp", "BMP");
    WriteText(folder / layout,
              "[SCREEN]\r\nMask=win\\mask.bmp\r\nNormal=win\\normal.bmp\r\nOver=win/over.png\r\n"
              "Down=win/down.jpg\r\nDisable=win/disable.bmp\r\n[BUTTONPOS]\r\n" +
                  buttonPos);
}

#include <QWidget>
#include <tuple>
#include <vector>

#include "platform/MessageEvent.h"

// A parent window that records the numbered messages its controls post to it.
class MessageLog : public QWidget {
public:
    using Entry = std::tuple<std::uint32_t, std::uintptr_t, std::intptr_t>;
    std::vector<Entry> messages;

    std::vector<Entry> Only(std::uint32_t number) const {
        std::vector<Entry> out;
        for (const Entry& e : messages) {
            if (std::get<0>(e) == number) {
                out.push_back(e);
            }
        }
        return out;
    }

protected:
    bool event(QEvent* e) override {
        if (auto* m = dynamic_cast<MessageEvent*>(e)) {
            messages.emplace_back(m->Number(), m->WParam(), m->LParam());
            return true;
        }
        return QWidget::event(e);
    }
};
