#pragma once
// The report window's pictures, drawn from code: the four command glyphs on a magenta key
// colour and the orange tile behind them.
#include "ui/picture.h"

namespace report {

enum class ReportGlyph { kPrint, kSend, kSave, kClose };

// 16 x 16.
ui::Picture ReportGlyphPicture(ReportGlyph glyph);
// The menu panel's tile: orange, light to dark.
ui::Picture MenuPanelTile();

}  // namespace report
