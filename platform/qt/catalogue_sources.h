#pragma once

#include <QByteArray>
#include <QImage>
#include <functional>

namespace tandora {

// Where the windows and the sound device get numbered pictures and waves; tests hand in their own.
using PictureSource = std::function<QImage(int number)>;
using WaveSource = std::function<QByteArray(int number)>;

// The program's own resources. Needs a QGuiApplication when called.
PictureSource cataloguePictures();
WaveSource catalogueWaves();

} // namespace tandora
