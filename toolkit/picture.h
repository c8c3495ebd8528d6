#pragma once
// Pictures: the bitmaps of the program's resources, and the one way the toolkit draws them,
// scaled when the place they go to is not their own size.
#include <windows.h>

#include "toolkit/gdi_object.h"

namespace toolkit {

// A bitmap resource of the running program; null when there is none.
GdiObject<HBITMAP> LoadPicture(LPCWSTR resource);
SIZE PictureSize(HBITMAP picture);

// Scaled with whole source pixels (a piece that shrinks drops some, and no colour is mixed),
// or smoothly (each pixel averages the source pixels it covers, so thin lines survive).
enum class Stretch { WholePixels, Smooth };

// Copies the picture's `from` (its pixels) onto `to` (pixels of `dc`). False when nothing
// was copied: no picture or DC, an empty rectangle or one that would mirror, a failed copy.
bool DrawPicture(HDC dc, HBITMAP picture, const RECT& to, const RECT& from,
                 Stretch stretch = Stretch::WholePixels);

}  // namespace toolkit
