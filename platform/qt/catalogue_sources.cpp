#include "catalogue_sources.h"

#include "resources/resource_catalogue.h"

namespace tandora {

PictureSource fixedSize(FixedPictureSource pictures) {
    return [pictures = std::move(pictures)](int number, qreal) { return pictures(number); };
}

PictureSource cataloguePictures() {
    return [](int number, qreal scale) { return ResourceCatalogue::instance().picture(number, scale); };
}

WaveSource catalogueWaves() {
    return [](int number) { return ResourceCatalogue::instance().wave(number); };
}

} // namespace tandora
