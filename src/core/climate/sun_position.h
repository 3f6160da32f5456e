#pragma once
// Where the sun stands in the sky of a site at a date and a local standard
// time, from the IAU's astronomy routines (ERFA).

namespace kolvane {

struct SunSite {
  double Latitude = 0;   // degrees, north positive
  double Longitude = 0;  // degrees, east positive
  double TimeZone = 0;   // hours from UTC of local standard time
  double Elevation = 0;  // metres
};

// The air, for refraction near the horizon. A pressure of 0 leaves
// refraction out (the geometric direction).
struct SunAir {
  double PressureHectopascal = 0;
  double TemperatureCelsius = 15;
};

struct SunPosition {
  double Azimuth = 0;   // degrees from North, clockwise (East 90)
  double Altitude = 0;  // degrees above the horizon (negative below)
  bool ok = false;      // false for a date ERFA refuses
};

// `hours` is local standard time, 0 to 24 (decimal hours) on that date.
SunPosition SunPositionAt(const SunSite& site, int year, int month, int day, double hours, const SunAir& air = {});

// The air refraction is figured with on the climate's diagrams: a standard
// atmosphere at the site's elevation, 15 degrees C.
SunAir StandardAirAt(double elevation);

}  // namespace kolvane
