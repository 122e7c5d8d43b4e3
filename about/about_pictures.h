#pragma once
// The About dialog's own pictures, drawn from code: the product logo and the small emblem
// beside the copyright text.
#include "ui/picture.h"

namespace about {

// 201 x 201: a processor gauge over a bar chart of running processes, on a blue ground that
// fades to white at the bottom, where the program's name is written over it.
ui::Picture LogoPicture();
// 81 x 13: a copyright sign beside the suite's three bars.
ui::Picture CopyrightPicture();

}  // namespace about
