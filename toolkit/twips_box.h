#pragma once
// A design's box on its container in twips (1/1440 inch): left, top, width, height. The
// toolkit turns it into pixels (toolkit/dpi.h). No windows here.
namespace toolkit {

struct TwipsBox {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
};

}  // namespace toolkit
