#include "core/climate/sun_position.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace kolvane {
namespace {

constexpr double kDegreesPerRadian = 180.0 / ERFA_DPI;
constexpr double kWavelengthMicrometre = 0.55;  // visible light, for refraction

}  // namespace

struct SunDay::Astrometry {
  eraASTROM Astrom;
};

// Earth orientation (UT1 - UTC, polar motion) is left at 0: under a second of
// time, far below what the diagrams need. TT stands in for TDB (they differ
// by under 2 ms).
SunDay::SunDay(const SunSite& site, int year, int month, int day, const SunAir& air) : timeZone_(site.TimeZone) {
  double mjd0 = 0, mjd = 0;
  if (eraCal2jd(year, month, day, &mjd0, &mjd) != 0) return;
  utc1_ = mjd0;
  utcMidnight_ = mjd - site.TimeZone / 24.0;  // local midnight in UTC
  const double noon = utcMidnight_ + 0.5;
  double tai1 = 0, tai2 = 0, tt1 = 0, tt2 = 0;
  if (eraUtctai(utc1_, noon, &tai1, &tai2) < 0 || eraTaitt(tai1, tai2, &tt1, &tt2) != 0) return;
  ttMinusUtc_ = (tt1 - utc1_) + (tt2 - noon);

  auto astrometry = std::make_unique<Astrometry>();
  double origins = 0;
  if (eraApco13(utc1_, noon, 0, site.Longitude / kDegreesPerRadian, site.Latitude / kDegreesPerRadian, site.Elevation,
                0, 0, air.PressureHectopascal, air.TemperatureCelsius, 0, kWavelengthMicrometre, &astrometry->Astrom,
                &origins) >= 0)
    astrometry_ = std::move(astrometry);
}

SunDay::~SunDay() = default;

SunPosition SunDay::At(double hours) const {
  SunPosition sun;
  if (!astrometry_) return sun;
  const double utc2 = utcMidnight_ + hours / 24.0;
  // The sun seen from the earth's centre: the earth's heliocentric position
  // turned round.
  double earthHeliocentric[2][3], earthBarycentric[2][3];
  eraEpv00(utc1_, utc2 + ttMinusUtc_, earthHeliocentric, earthBarycentric);
  double toSun[3] = {-earthHeliocentric[0][0], -earthHeliocentric[0][1], -earthHeliocentric[0][2]};
  double rightAscension = 0, declination = 0;
  eraC2s(toSun, &rightAscension, &declination);

  // Observed place: aberration, precession-nutation, the earth's rotation at
  // this hour and, with a pressure, refraction.
  eraASTROM astrom = astrometry_->Astrom;
  eraAper13(utc1_, utc2, &astrom);
  double intermediateRa = 0, intermediateDec = 0;
  eraAtciq(rightAscension, declination, 0, 0, 0, 0, &astrom, &intermediateRa, &intermediateDec);
  double azimuth = 0, zenith = 0, hourAngle = 0, observedDec = 0, observedRa = 0;
  eraAtioq(intermediateRa, intermediateDec, &astrom, &azimuth, &zenith, &hourAngle, &observedDec, &observedRa);
  sun.Azimuth = eraAnp(azimuth) * kDegreesPerRadian;
  sun.Altitude = 90.0 - zenith * kDegreesPerRadian;
  sun.Ok = true;
  return sun;
}

SunPosition SunPositionAt(const SunSite& site, int year, int month, int day, double hours, const SunAir& air) {
  return SunDay(site, year, month, day, air).At(hours);
}

SunAir StandardAirAt(double elevation) {
  SunAir air;
  // The international standard atmosphere's pressure at that height.
  air.PressureHectopascal = 1013.25 * std::pow(1.0 - 2.25577e-5 * elevation, 5.25588);
  air.TemperatureCelsius = 15;
  return air;
}

}  // namespace kolvane
