#pragma once

namespace tandora {

// Picture numbers of the table's own art; cards, digits, pay tables and buttons are numbered by their users.
inline constexpr int TableBackgroundPicture = 500;
inline constexpr int GameOverPicture = 501;
inline constexpr int SplashPicture = 502;
inline constexpr int WindowIconPicture = 503;

inline constexpr int DigitPictureBase = 1000;
inline constexpr int JacksOrBetterLabelPicture = 2000;
inline constexpr int DoubleUpQuestionPicture = 2001;
inline constexpr int DoubleUpPickPicture = 2002;

inline constexpr int CashInPicture = 6016;
inline constexpr int CashInPressedPicture = 6017;
inline constexpr int HoldDealerPicture = 6101;
inline constexpr int HoldEmptyPicture = 6102;
inline constexpr int HoldHeldPicture = 6103;
inline constexpr int HoldPickPicture = 6104;

} // namespace tandora
