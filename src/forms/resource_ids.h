// The ids of the program's resources, shared by the resource script and the code. Plain macros,
// so that the resource compiler reads this file too.
#pragma once

// The program's icon; the window classes load it by this id.
#define KELVARO_ICON_MAIN 1
// The About box's picture (an Image control's resource id); its bottom-left pixel's colour is
// drawn transparent.
#define KELVARO_BITMAP_ABOUT 200
