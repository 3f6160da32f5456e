#pragma once
// A canvas for plot tests: keeps every call with the pen colour of the moment,
// and measures text in a fixed-width font (6 by 12 pixels a character), so
// the positions of labels can be worked out by hand.

#include <string>
#include <vector>

#include "core/plots/canvas.h"

namespace kolvane::testing {

struct DrawnLine {
  double X1, Y1, X2, Y2;
  RgbColor Color;
};

struct DrawnCircle {
  double X, Y, Radius;
  bool Filled;
  RgbColor Color;
};

struct DrawnText {
  double X, Y;
  std::string Text;
  RgbColor Color;
};

class RecordingCanvas final : public Canvas {
 public:
  static constexpr double kCharWidth = 6;
  static constexpr double kCharHeight = 12;

  RecordingCanvas(int width, int height) : width_(width), height_(height) {}

  std::vector<DrawnLine> Lines;
  std::vector<DrawnCircle> Circles;
  std::vector<DrawnText> Texts;
  int Clears = 0;
  int PenWidth = 0;

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void Clear() override {
    ++Clears;
    Lines.clear();
    Circles.clear();
    Texts.clear();
  }
  void SetPenColor(RgbColor color) override { color_ = color; }
  void SetPenWidth(int pixels) override { PenWidth = pixels; }
  void Line(double x1, double y1, double x2, double y2) override { Lines.push_back({x1, y1, x2, y2, color_}); }
  void Circle(double x, double y, double radius, bool filled) override {
    Circles.push_back({x, y, radius, filled, color_});
  }
  void Text(double x, double y, const std::string& text) override { Texts.push_back({x, y, text, color_}); }
  double TextWidth(const std::string& text) const override { return kCharWidth * static_cast<double>(text.size()); }
  double TextHeight(const std::string&) const override { return kCharHeight; }

  std::vector<DrawnLine> LinesIn(RgbColor color) const {
    std::vector<DrawnLine> found;
    for (const DrawnLine& line : Lines)
      if (line.Color == color) found.push_back(line);
    return found;
  }
  const DrawnText* FindText(const std::string& text) const {
    for (const DrawnText& drawn : Texts)
      if (drawn.Text == text) return &drawn;
    return nullptr;
  }

 private:
  int width_;
  int height_;
  RgbColor color_ = kBlack;
};

}  // namespace kolvane::testing
