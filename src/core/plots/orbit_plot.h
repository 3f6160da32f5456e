#pragma once
// The drawing of the daily tip orbit: the column's section in plan view to a
// true scale, the tip's path over the day as a red curve magnified by
// a chosen factor, the hours marked and labelled every three hours, the
// largest tip movement written out, a scale bar of the tip's movement and,
// for a chosen hour, the sun's direction.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/plots/canvas.h"
#include "core/plots/scale_bar.h"
#include "core/thermoelastic/daily_orbit.h"

namespace kolvane {

struct OrbitPlotData {
  double IRadius = 0, ERadius = 0;  // the section, m
  std::vector<OrbitPoint> Points;
};

// The colour of the sun's direction.
inline constexpr RgbColor kSunColor{230, 140, 0};

// Clears the canvas and draws the orbit; `factor` magnifies the path as the
// profile plot's options do (MagnificationFactor). With `sunAt` (an index
// into Points) the sun's direction at that hour is drawn from the axis and
// the point is ringed. A section without radius leaves the picture blank.
void DrawOrbit(Canvas& canvas, const OrbitPlotData& data, float factor, std::optional<std::size_t> sunAt);

// The orbit's scale bar text: "Tip movement .02 m".
std::string OrbitScaleBarText(const ScaleBar& bar);

// The magnification option (0 to 8, as MagnificationFactor numbers them) that
// draws the orbit largest while it stays inside the picture: the window
// opens on it. Option 0 when even that is too large.
int FittingMagnificationOption(const OrbitPlotData& data);

// The point of the orbit drawn nearest to pixel (x, y) of a picture of the
// given size, if one lies within a few pixels: the hour under the mouse.
std::optional<std::size_t> OrbitPointAt(int width, int height, const OrbitPlotData& data, float factor, double x,
                                        double y);

// "14.25 h": an hour as the plot's list and labels show it.
std::string OrbitHourText(double hour);

}  // namespace kolvane
