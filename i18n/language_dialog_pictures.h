#pragma once
// The pictures of the language dialog, drawn from code: round national flags on a magenta key
// colour (also shown by the About dialog), the Ok and Cancel glyphs, and the dialog's tile.
#include "i18n/languages.h"
#include "ui/picture.h"

namespace i18n {

constexpr platform::Color kFlagKey = platform::Rgb(255, 0, 255);

// The round flag, `size` pixels across on the key colour.
ui::Picture FlagPicture(Flag flag, int size);
// 16 x 16: a green tick and a red cross on the key colour.
ui::Picture OkGlyph();
ui::Picture CancelGlyph();
ui::Picture LanguageDialogTile();

}  // namespace i18n
