#pragma once
// The pictures the main window carries: the top-bar tile, the window background and the
// command buttons' glyphs, each in an idle and a hover tone. Drawn from code, 16 x 16 glyphs
// on a magenta key colour that is left out when they are drawn.
#include "ui/picture.h"

namespace app {

enum class ButtonGlyph { kReport, kRefresh, kAbout, kLanguage, kMinimize, kClose };

ui::Picture ButtonPicture(ButtonGlyph glyph, bool hover);
// The three fixed images of the window-icon list, 16 x 16: 0 a process (a program chip),
// 1 an application window, 2 a detail mark.
constexpr int kFixedIconCount = 3;
ui::Picture FixedIconPicture(int index);
constexpr platform::Color kPictureKey = platform::Rgb(255, 0, 255);
ui::Picture TopBarTile();
ui::Picture WindowBackgroundTile();

// The section lists' pictures: the node glyphs (10 x 10, a plus to expand a contracted
// section, a minus to contract an expanded one), the tiled wallpapers (36 x 44 for the left
// list, 30 x 32 for the detail list), and the left list's two section images (16 x 16:
// 0 the applications, 1 the processes).
ui::Picture NodeGlyph(bool expanded);
ui::Picture LeftListWallpaper();
ui::Picture DetailListWallpaper();
constexpr int kSectionImageCount = 2;
ui::Picture SectionImagePicture(int index);

}  // namespace app
