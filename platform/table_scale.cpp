#include "platform/table_scale.h"

#include <cmath>

namespace tandora {

namespace {

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

std::int64_t ceilDiv(std::int64_t a, std::int64_t b) {
    return -floorDiv(-a, b);
}

} // namespace

TableScale TableScale::fitting(int availableWidth, int availableHeight, int designWidth, int designHeight) {
    // Compare w / dw with h / dh without rounding.
    if (static_cast<std::int64_t>(availableWidth) * designHeight <=
        static_cast<std::int64_t>(availableHeight) * designWidth)
        return {availableWidth > 0 ? availableWidth : 1, designWidth};
    return {availableHeight > 0 ? availableHeight : 1, designHeight};
}

int TableScale::percent() const {
    return static_cast<int>(std::lround(factor() * 100));
}

// Window pixel p covers design coordinate (p + 1/2) / scale, so p is the first at or right of x when
// p >= x * scale - 1/2.
int TableScale::toWindow(int design) const {
    return static_cast<int>(
        ceilDiv(2 * static_cast<std::int64_t>(design) * num_ - den_, 2 * std::int64_t{den_}));
}

int TableScale::toDesign(int window) const {
    return static_cast<int>(
        floorDiv((2 * static_cast<std::int64_t>(window) + 1) * den_, 2 * std::int64_t{num_}));
}

Rect TableScale::toWindow(Rect design) const {
    const int left = toWindow(design.left);
    const int top = toWindow(design.top);
    return {left, top, toWindow(design.left + design.width) - left,
            toWindow(design.top + design.height) - top};
}

} // namespace tandora
