// A selection: the part of image A a command may change, a rectangle or the
// ellipse inside one, in image A's pixels, with an edge that may fade (the
// feather) and that may be turned inside out (inverted).
#pragma once

namespace pixmora {

// The columns x .. x + width - 1 and the rows y .. y + height - 1.
struct Box {
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const Box&) const = default;
  // Whether it holds a pixel and every one of them lies in a picture of that size.
  bool Within(int pictureWidth, int pictureHeight) const;
};

enum class SelectionShape { Rectangle, Ellipse };

inline constexpr int kMaxFeather = 64;

struct Selection {
  SelectionShape shape = SelectionShape::Rectangle;
  Box box;                // the rectangle, or the ellipse's bounding box
  int feather = 0;        // 0 .. kMaxFeather pixels
  bool inverted = false;  // everything but the shape
  bool operator==(const Selection&) const = default;
};

// How much of a command's result pixel (x, y) takes, from 0 (image A's
// pixel stays) to 1: a pixel belongs to the shape when its centre
// (x + 0.5, y + 0.5) lies strictly inside it; across the feather it takes
// min(1, d / feather), d being its centre's distance inside the edge.
// Inverted, 1 minus that. Held in single precision, as the blends' weights.
float SelectionWeight(const Selection& selection, int x, int y);

}  // namespace pixmora
