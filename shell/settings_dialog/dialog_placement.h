#pragma once
// Where the dialog opens: centred across the screen and a third of the free height down.
// Computed in twips with whole-number division, as the dialog's design measures. No windows.
struct TwipsPoint {
  long left;
  long top;
};

// Sizes in twips: the screen's and the dialog window's (border and caption included).
TwipsPoint DialogPosition(long screenWidth, long screenHeight, long dialogWidth,
                          long dialogHeight);
