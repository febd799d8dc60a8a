#pragma once

namespace tandora {

// The three looks of each picture button.
struct ButtonPictures {
    int pressed;
    int disabled;
    int enabled;
};

inline constexpr ButtonPictures CashOutPictures{6001, 6002, 6003};
inline constexpr ButtonPictures Bet1Pictures{6004, 6005, 6006};
inline constexpr ButtonPictures MaxBetPictures{6007, 6008, 6009};
inline constexpr ButtonPictures DealPictures{6010, 6011, 6012};
inline constexpr ButtonPictures DrawPictures{6013, 6014, 6015};

} // namespace tandora
