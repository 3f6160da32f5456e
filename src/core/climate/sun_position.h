#pragma once
// Where the sun stands in the sky of a site at a date and a local standard
// time, from the IAU's astronomy routines (ERFA).

#include <memory>

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
  bool Ok = false;      // false for a date ERFA refuses
};

// The sun over one day of a site. The slow part of the astronomy (precession,
// nutation, the earth's motion) is set up once for the day at noon; each hour
// then needs only the sun's direction and the earth's rotation, which keeps a
// year of hours well under a second.
class SunDay {
 public:
  SunDay(const SunSite& site, int year, int month, int day, const SunAir& air = {});
  ~SunDay();
  SunDay(const SunDay&) = delete;
  SunDay& operator=(const SunDay&) = delete;

  // `hours` is local standard time on that date, 0 to 24 (decimal hours).
  SunPosition At(double hours) const;

 private:
  struct Astrometry;
  std::unique_ptr<Astrometry> astrometry_;  // null for a date ERFA refuses
  double utc1_ = 0, utcMidnight_ = 0;       // the date's UTC midnight as a two-part Julian Date
  double ttMinusUtc_ = 0;                   // days
  double timeZone_ = 0;
};

// One sun position: a SunDay for a single hour.
SunPosition SunPositionAt(const SunSite& site, int year, int month, int day, double hours, const SunAir& air = {});

// The air refraction is figured with on the climate's diagrams: a standard
// atmosphere at the site's elevation, 15 degrees C.
SunAir StandardAirAt(double elevation);

}  // namespace kolvane
