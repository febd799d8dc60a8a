#pragma once

#include <cstdint>

#include "platform/controls.h"

namespace tandora {

// The table drawn at a scale: the layout's design pixels to window pixels and back. The scale is a
// fraction of whole numbers, so a window pixel belongs to exactly one design pixel and the edges of
// neighbouring controls meet without gap or overlap at every size.
class TableScale {
public:
    constexpr TableScale() = default;
    // numerator / denominator window pixels per design pixel; both above zero.
    constexpr TableScale(int numerator, int denominator) : num_(numerator), den_(denominator) {}
    static constexpr TableScale percent(int percent) { return {percent, 100}; }
    // The largest scale at which width x design pixels fit into available x window pixels, both ways.
    static TableScale fitting(int availableWidth, int availableHeight, int designWidth, int designHeight);

    double factor() const { return static_cast<double>(num_) / den_; }
    int percent() const;

    // The first window pixel whose centre lies at or right of design coordinate x.
    int toWindow(int design) const;
    // The design pixel under the centre of window pixel x.
    int toDesign(int window) const;
    // The window pixels whose centres lie in the design rectangle.
    Rect toWindow(Rect design) const;

    friend constexpr bool operator==(const TableScale& a, const TableScale& b) {
        return static_cast<std::int64_t>(a.num_) * b.den_ == static_cast<std::int64_t>(b.num_) * a.den_;
    }

private:
    int num_ = 1;
    int den_ = 1;
};

} // namespace tandora
