#pragma once

#include <QImage>
#include <QString>
#include <utility>
#include <vector>

// One row of labelled pictures on the gallery's dark ground, each column at least minWidth.
QImage GalleryStrip(const std::vector<std::pair<QString, QImage>>& shots, int minWidth);
