#pragma once

#include <QByteArray>
#include <QImage>
#include <functional>

namespace tandora {

// Where the windows get numbered pictures: painted at scale device pixels per design pixel, with that
// devicePixelRatio, so they show at their design size and as sharp as the screen allows.
using PictureSource = std::function<QImage(int number, qreal scale)>;
// Pictures of one size only (tests hand in plain colours); shown as they are at every scale.
using FixedPictureSource = std::function<QImage(int number)>;
using WaveSource = std::function<QByteArray(int number)>;

PictureSource fixedSize(FixedPictureSource pictures);

// The program's own resources. Needs a QGuiApplication when called.
PictureSource cataloguePictures();
WaveSource catalogueWaves();

} // namespace tandora
