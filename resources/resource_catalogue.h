#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <functional>
#include <map>
#include <mutex>
#include <vector>

namespace tandora {

// Every numbered picture and sound of the game. Pictures are painted on first use at the size asked for
// and kept; a picture keeps only its two most recent sizes, so a change of scale does not pile them up.
class ResourceCatalogue {
public:
    // Needs a QGuiApplication, for the fonts.
    static ResourceCatalogue& instance();

    bool hasPicture(int number) const;
    // A null image for an unknown number. Painted at scale device pixels per design pixel (the table's
    // scale times the screen's pixel ratio), rounded to whole pixels; its devicePixelRatio is scale.
    QImage picture(int number, qreal scale = 1.0) const;
    // What the kept pictures take, in bytes.
    std::size_t cacheBytes() const;
    // Lets every kept picture go; the next use paints it anew.
    void forget();
    // Invalid when unknown.
    QSize pictureSize(int number) const;
    std::vector<int> pictureNumbers() const;

    bool hasWave(int number) const;
    // Empty for an unknown number.
    QByteArray wave(int number) const;
    std::vector<int> waveNumbers() const;
    // Playing time from the wave's header; -1 when unknown.
    int waveMilliseconds(int number) const;

private:
    ResourceCatalogue();

    struct Entry {
        QSize size;
        std::function<QImage()> paint;
    };
    // The size comes from the game's own list of pictures.
    void add(int number, std::function<QImage()> paint);

    std::map<int, Entry> entries_;
    struct Painted {
        int scaleKey; // thousandths
        QImage image;
    };
    // Most recent first.
    mutable std::map<int, std::vector<Painted>> cache_;
    mutable std::map<int, QByteArray> waveCache_;
    mutable std::mutex mutex_;
};

} // namespace tandora
