#include "core/plots/scale_bar.h"

#include <cmath>

#include "core/common/number_text.h"
#include "core/plots/plot_text.h"

namespace kolvane {

std::optional<ScaleBar> ChooseScaleBar(double pixelsPerMetre, double factor, int longestPixels) {
  const double pixelsPerDeflectionMetre = pixelsPerMetre * factor;
  if (!(pixelsPerDeflectionMetre > 0) || !std::isfinite(pixelsPerDeflectionMetre) || longestPixels < 1)
    return std::nullopt;
  const double longest = longestPixels / pixelsPerDeflectionMetre;
  if (!std::isfinite(longest)) return std::nullopt;
  // Start a decade above and come down 5, 2, 1 at a time: the first that fits
  // is the longest, whatever the rounding of the logarithm.
  const double top = std::floor(std::log10(longest)) + 1;
  for (double exponent = top; exponent >= top - 8; --exponent) {
    for (const double mantissa : {5.0, 2.0, 1.0}) {
      const double metres = mantissa * std::pow(10.0, exponent);
      const double length = metres * pixelsPerDeflectionMetre;  // tested before it becomes a whole number
      if (!(length < longestPixels + 1.0)) continue;
      const int pixels = NearestPixel(length);
      if (pixels <= longestPixels && pixels >= 1) return ScaleBar{metres, pixels};
    }
  }
  return std::nullopt;
}

std::string ScaleBarText(const ScaleBar& bar) { return NumberText(bar.Metres) + " m"; }

int DrawScaleBar(Canvas& canvas, int left, int y, const ScaleBar& bar, const std::string& text) {
  canvas.SetPenColor(kBlack);
  canvas.Line(left, y, left + bar.Pixels, y);
  for (const int x : {left, left + bar.Pixels}) canvas.Line(x, y - kScaleBarTick, x, y + kScaleBarTick);
  const int top = y - kScaleBarTick - NearestPixel(canvas.TextHeight(text)) - 2;
  canvas.Text(left, top, text);
  return top;
}

}  // namespace kolvane
