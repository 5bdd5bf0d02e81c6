#pragma once

// The frame shared by the 17 category dialog templates: where the caption,
// the unit area, the footer and its contact lines sit, in dialog units of the
// "System" face (2 pixels per unit both ways). The unit fields are placed in
// the unit area from each dialog's column, row and tab position.

#include <string_view>

namespace velmaro::dialogs::frame {

inline constexpr std::string_view kFontFace = "System";
inline constexpr int kFontPointSize = 10;

// Distance of both black frames from the dialog's edges.
inline constexpr int kMargin = 4;

// The caption static repeating the title, centred at the top.
inline constexpr int kCaptionTop = 3;
inline constexpr int kCaptionHeight = 10;

// The invisible default button that makes Enter inert.
inline constexpr int kDefaultButtonId = 1053;
inline constexpr std::string_view kDefaultButtonText = "Button1";
inline constexpr int kDefaultButtonX = 4;
inline constexpr int kDefaultButtonY = 1;
inline constexpr int kDefaultButtonWidth = 30;
inline constexpr int kDefaultButtonHeight = 11;

// The black frame around the unit fields starts below the caption and ends a
// gap above the footer frame.
inline constexpr int kUnitAreaTop = 15;
inline constexpr int kFrameGap = 3;
// Space between the unit frame and the first and last rows of fields.
inline constexpr int kUnitAreaPadding = 3;

// Unit fields: one edit line high, the label on the same line to the right.
inline constexpr int kEditHeight = 12;
inline constexpr int kLabelHeight = 10;
inline constexpr int kLabelGap = 3;      // edit to its label
inline constexpr int kColumnInset = 4;   // unit frame to the outer fields and labels
inline constexpr int kColumnGap = 2;     // middle of the dialog to the right column
inline constexpr int kColumnSpacing = 6; // at least between a left label and a right field
inline constexpr int kMaxEditWidth = 80;

// Footer: the maker's bitmap (114 x 41 pixels) at the bottom left, and to
// its right the telephone and fax lines, each caption (by its text id)
// followed by a number.
inline constexpr int kFooterHeight = 24;
inline constexpr int kFooterBitmap = 186;
inline constexpr int kFooterBitmapX = kMargin + 2;
inline constexpr int kFooterBitmapTop = 1; // below the footer frame's top
inline constexpr int kFooterBitmapWidth = 57;
inline constexpr int kFooterBitmapHeight = 21;
inline constexpr int kFooterTextX = kFooterBitmapX + kFooterBitmapWidth + 3;
inline constexpr int kFooterLineTop[] = {2, 12}; // below the footer frame's top
inline constexpr std::string_view kPhoneCaptionTextId = "contact.phone";
inline constexpr std::string_view kFaxCaptionTextId = "contact.fax";

} // namespace velmaro::dialogs::frame
