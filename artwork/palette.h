// The colours shared by every piece of Kolvar's artwork: the card face and
// its border, the two suit inks, and the accents of the court figures and the
// card back. Keeping them in one place makes the cards, the suit buttons and
// the icon look like parts of one printed deck.
#pragma once

#include <QColor>

namespace kolvar::artwork {

inline const QColor kFaceWhite{255, 255, 255};
inline const QColor kBorderGrey{64, 64, 64};
inline const QColor kSuitRed{200, 16, 46};
inline const QColor kSuitBlack{24, 24, 24};
inline const QColor kGold{222, 164, 38};
inline const QColor kGoldDark{150, 102, 14};
inline const QColor kRoyalBlue{36, 74, 160};
inline const QColor kSkin{248, 218, 182};
inline const QColor kPanelCream{253, 246, 228};
inline const QColor kHairBrown{92, 54, 28};
inline const QColor kBackBlue{28, 58, 120};
inline const QColor kBackBlueLight{86, 124, 196};
inline const QColor kButtonWhite{247, 247, 244};
inline const QColor kOutsideGrey{128, 128, 128};

} // namespace kolvar::artwork
