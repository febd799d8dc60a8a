#include "catalogue_sources.h"

#include "resources/resource_catalogue.h"

namespace tandora {

PictureSource cataloguePictures() {
    return [](int number) { return ResourceCatalogue::instance().picture(number); };
}

WaveSource catalogueWaves() {
    return [](int number) { return ResourceCatalogue::instance().wave(number); };
}

} // namespace tandora
