#pragma once
// The renderer Korvane.dll beside Korvane.scr, named by the program folder's real (wide) path:
// a folder whose name the ANSI code page cannot hold, on a volume without short names, has no
// ANSI form at all, yet the renderer in it is there and starts.
#include <string>

// "<folder>\Korvane.dll".
std::wstring RendererFileIn(const std::wstring& folder);

// Whether the renderer file in `folder` can be opened for reading (a folder of that name,
// a missing file and a file locked against readers all say no).
bool RendererPresentIn(const std::wstring& folder);
