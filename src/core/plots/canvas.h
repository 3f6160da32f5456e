#pragma once
// What a plot needs from a drawing surface. Plots are written against this
// interface so that what they draw can be recorded and checked in tests; the
// desktop program draws onto an image that is shown and saved as a bitmap.
//
// Coordinates are pixels, x to the right and y downwards, origin at the top
// left of the picture.

#include <cstdint>
#include <string>
#include <vector>

namespace kolvane {

struct RgbColor {
  std::uint8_t Red = 0;
  std::uint8_t Green = 0;
  std::uint8_t Blue = 0;
  bool operator==(const RgbColor&) const = default;
};

inline constexpr RgbColor kBlack{0, 0, 0};
inline constexpr RgbColor kWhite{255, 255, 255};
inline constexpr RgbColor kResultRed{255, 0, 0};

// A rectangle of the picture, in pixels.
struct PixelRect {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool operator==(const PixelRect&) const = default;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  // Inner size of the picture in pixels.
  virtual int Width() const = 0;
  virtual int Height() const = 0;

  // Fills the whole picture with white.
  virtual void Clear() = 0;
  virtual void SetPenColor(RgbColor color) = 0;
  virtual void SetPenWidth(int pixels) = 0;

  virtual void Line(double x1, double y1, double x2, double y2) = 0;
  virtual void Circle(double centreX, double centreY, double radius, bool filled) = 0;
  // Text whose top-left corner lies at (x, y), in the plot font.
  virtual void Text(double x, double y, const std::string& text) = 0;
  virtual double TextWidth(const std::string& text) const = 0;
  virtual double TextHeight(const std::string& text) const = 0;

  // The part of the picture that is kept: a window showing a large picture
  // scrolled holds only what it shows, and a plot need draw nothing outside
  // it. The whole picture unless the canvas says otherwise.
  virtual PixelRect Visible() const { return {0, 0, Width(), Height()}; }
  // Sets the pixels of row `y` from column `x` on, one colour each.
  virtual void PixelRow(int x, int y, const std::vector<RgbColor>& colors) = 0;
};

}  // namespace kolvane
