#pragma once
// A canvas for plot tests: keeps every call with the pen colour of the moment,
// and measures text in a fixed-width font (6 by 12 pixels a character).

#include <string>
#include <vector>

#include "core/plots/canvas.h"

namespace kolvane::testing {

struct DrawnLine {
  double X1, Y1, X2, Y2;
  RgbColor Color;
  std::vector<double> Ends() const { return {X1, Y1, X2, Y2}; }
};

struct DrawnCircle {
  double X, Y, Radius;
  bool Filled;
  RgbColor Color;
};

struct DrawnPixel {
  double X, Y;
  RgbColor Color;
};

struct DrawnText {
  double X, Y;
  std::string Text;
  RgbColor Color;
};

// What was drawn in `color`, in the order drawn.
template <typename Drawn>
std::vector<Drawn> In(const std::vector<Drawn>& drawn, RgbColor color) {
  std::vector<Drawn> found;
  for (const Drawn& d : drawn)
    if (d.Color == color) found.push_back(d);
  return found;
}

class RecordingCanvas final : public Canvas {
 public:
  static constexpr double kCharWidth = 6;

  RecordingCanvas(int width, int height) : width_(width), height_(height) {}

  std::vector<DrawnLine> Lines;
  std::vector<DrawnCircle> Circles;
  std::vector<DrawnText> Texts;

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void Clear() override {
    Lines.clear();
    Circles.clear();
    Texts.clear();
    Pixels.clear();
  }
  void SetPenColor(RgbColor color) override { color_ = color; }
  void SetPenWidth(int) override {}
  void Line(double x1, double y1, double x2, double y2) override { Lines.push_back({x1, y1, x2, y2, color_}); }
  void Circle(double x, double y, double r, bool filled) override { Circles.push_back({x, y, r, filled, color_}); }
  void Text(double x, double y, const std::string& text) override { Texts.push_back({x, y, text, color_}); }
  double TextWidth(const std::string& text) const override { return kCharWidth * static_cast<double>(text.size()); }
  double TextHeight(const std::string&) const override { return 12; }
  PixelRect Visible() const override { return visible_.Width > 0 ? visible_ : PixelRect{0, 0, width_, height_}; }
  void PixelRow(int x, int y, const std::vector<RgbColor>& colors) override {
    for (std::size_t n = 0; n < colors.size(); ++n)
      Pixels.push_back({x + static_cast<double>(n), static_cast<double>(y), colors[n]});
  }
  void SetVisible(PixelRect visible) { visible_ = visible; }
  std::vector<DrawnPixel> Pixels;

  std::vector<DrawnLine> LinesIn(RgbColor color) const { return In(Lines, color); }
  const DrawnText* FindText(const std::string& text) const {
    for (const DrawnText& drawn : Texts)
      if (drawn.Text == text) return &drawn;
    return nullptr;
  }
  bool Empty() const { return Lines.empty() && Circles.empty() && Texts.empty(); }

 private:
  int width_;
  int height_;
  PixelRect visible_;
  RgbColor color_ = kBlack;
};

}  // namespace kolvane::testing

namespace kolvane {
using testing::DrawnLine;
using testing::DrawnText;
using testing::RecordingCanvas;
}  // namespace kolvane
