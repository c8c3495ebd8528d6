#pragma once
// Pictures for the preview's tests: the committed ones, and what the screen shows.
#include <windows.h>

#include <vector>

#include "tools/bmp_file.h"

// A picture of shell/resources, by file name.
RgbImage Committed(const char* name);
// What the screen shows in the window's client area, top row first.
RgbImage ReadScreen(HWND window);
// Mean brightness of each cell of a grid x grid division.
std::vector<double> CellMeans(const RgbImage& image, int grid);
