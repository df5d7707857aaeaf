// Review pictures of a built skin, read back the way the windows read it.
#pragma once

#include <QImage>
#include <QMap>
#include <QString>

#include "SkinLayout.h"

namespace review {

// Number -> text of the string table.
QMap<int, QString> LoadStrings(const QString& file);

class ReviewPainter {
public:
    ReviewPainter(QString skinFolder, QMap<int, QString> strings)
        : folder_(std::move(skinFolder)), strings_(std::move(strings)) {}

    // The window as a user sees it: Normal screen, sample captions and painted texts, the
    // pictures the window draws itself; cut to its mask.
    QImage Look(const art::Window& w) const;
    // The same with every layout rectangle outlined and labelled with its key and name.
    QImage Annotated(const art::Window& w) const;

private:
    QImage Screen(const art::Window& w, const char* key) const;
    void DrawCaptions(QImage& img, const art::Window& w) const;
    void DrawTexts(QImage& img, const art::Window& w) const;
    void DrawOwnPictures(QImage& img, const art::Window& w) const;
    QImage Masked(const QImage& img, const art::Window& w) const;

    QString folder_;
    QMap<int, QString> strings_;
};

}  // namespace review
