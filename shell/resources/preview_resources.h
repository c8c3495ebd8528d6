#pragma once
// Resource numbers of the preview's pictures in Korvane.scr.
#define IDB_PREVIEW_LATTICE 201
#define IDB_PREVIEW_BACKGROUND 202
