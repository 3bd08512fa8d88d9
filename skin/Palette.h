#pragma once

#include <QColor>

// The colours of the whole program. Every skinned control and every SVG picture
// under resources/ is drawn from this small set, so the windows read as one product.
namespace skin::palette {

inline constexpr QColor Brand { 93, 185, 255 }; // title bands, primary buttons, selection marks
inline constexpr QColor BrandDark { 33, 131, 214 }; // pressed state, focus frames
inline constexpr QColor BrandDeep { 18, 96, 168 }; // text on light brand surfaces
inline constexpr QColor BrandLight { 170, 218, 255 }; // selected rows, hover fills
inline constexpr QColor BrandPale { 226, 241, 255 }; // headers, hovered rows
inline constexpr QColor Face { 245, 250, 254 }; // dialog faces and list backgrounds
inline constexpr QColor Surface { 255, 255, 255 }; // edit boxes, list rows
inline constexpr QColor RowAlternate { 248, 251, 255 };
inline constexpr QColor Border { 196, 222, 245 }; // frames of edits, lists and faces
inline constexpr QColor MenuHighlight { 173, 213, 246 };
inline constexpr QColor Text { 51, 51, 51 };
inline constexpr QColor TextSoft { 80, 80, 80 };
inline constexpr QColor TextMuted { 130, 130, 130 };
inline constexpr QColor TextDisabled { 170, 178, 186 };
inline constexpr QColor TextOnBrand { 255, 255, 255 };
inline constexpr QColor Link { 12, 122, 183 };
inline constexpr QColor Gold { 255, 232, 69 }; // account and balance captions on the title band
inline constexpr QColor Success { 62, 178, 110 };
inline constexpr QColor Warning { 245, 166, 35 };
inline constexpr QColor Danger { 232, 84, 84 };

} // namespace skin::palette
