#pragma once
// The engine's state: the main data of the current run, the section grid and
// every result the stages leave behind. Each stage re-creates the arrays it
// owns at the size of the current run; plots and reports read them afterwards.
//
// Rings i = 1..I (ring 1 on the internal face), sectors j = 1..J (sector 1
// starts at the East), slices k = 1..K (slice 1 at the fixed base). Arrays are
// flat with the ring index fastest; running arrays of the deflection stage and
// the curvatures have an element 0 for the base, which stays 0.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/diagrams/diagram.h"
#include "core/diagrams/diagram_kinds.h"

namespace kolvane {

// The program's value of pi. Every result depends on it in its last digits.
inline constexpr double kPi = 3.14159265358979;

inline double DegreesFromRadians(double x) { return x * 180 / kPi; }

// A square rounded once. std::pow(x, 2) is that only where the compiler
// rewrites it (optimised builds); the library's pow may round differently in
// the last bit, and reports print every digit.
inline double Square(double x) { return x * x; }
inline double RadiansFromDegrees(double x) { return x * kPi / 180; }

struct BlockPoint {
  double X = 0;
  double Y = 0;
};

// The deflections of the column at one date of a creep run, kept for the
// report and the profile plot after later stages have moved on.
struct DeflectionProfile {
  std::string DateText;
  std::vector<double> DeflX, DeflY, DeflZ;  // 0..K, copies
  double TipX = 0, TipY = 0, TipZ = 0;
  double TipSlopeX = 0, TipSlopeY = 0;  // SlopeX(K), SlopeY(K): the tip's rotation
};

// Where the tip stood at the profile hour at the end of one day of a creep
// run, with the creep of that day.
struct TipSample {
  std::int32_t Day = 1, Month = 1, Year = 2000;
  double TipX = 0, TipY = 0, TipZ = 0;
};

// A diagram file a run read: its kind, its name and the SHA-256 digest of its
// bytes as they were read, so that a result names exactly what it came from.
struct DiagramRead {
  DiagramKind Kind = kFirstDiagramKind;
  std::string Name;
  std::string Sha256;
  Diagram Used;  // the points the run worked with (repaired, when repair changed them)
  bool operator==(const DiagramRead&) const = default;
};

// Slices per tile of the creep store (see SectionGrid::CreepIndex).
inline constexpr std::int32_t kCreepTileSlices = 8;

struct SectionGrid {
  // Main data and inputs, copied in at the start of every run.
  std::int32_t I = 0, J = 0, K = 0;
  double Height = 0, IRadius = 0, ERadius = 0, UnitLoad = 0, E = 0, F = 0, RefTemp = 0, AThermal = 0;
  double Hour = 0;
  double TimeStep = 0;
  std::int32_t DayNumber = 0;

  // Geometry.
  std::vector<double> SectorAngle;   // 1..J, radians
  std::vector<double> BlockArea;     // 1..I, m2
  std::vector<BlockPoint> Centroid;  // (1..I, 1..J), m
  double ConcreteArea = 0;
  double IExact = 0;

  // Section properties and loads.
  std::vector<double> AxialForce;  // 1..K, MN
  double IxApprox = 0;
  double IyApprox = 0;

  // Temperature field.
  double SunPosition = 0, AmbientTemp = 0, SurfaceTemp = 0;
  std::vector<double> AngleToSun;    // 1..J, radians
  std::vector<double> ExtVariation;  // 1..J, %
  std::vector<double> IntVariation;  // 1..J, %
  std::vector<double> BlockTemp;     // (1..I, 1..J)

  // Strains and curvatures.
  std::vector<double> FreeStrain;  // (1..I, 1..J)
  // (1..I, 1..J, 1..K), at CreepIndex. Empty while CreepStrainStored is
  // false: a run without creep (the thermo-elastic one) has every element 0
  // and keeps none of them, so its memory grows with I*J + K instead of I*J*K.
  std::vector<double> CreepStrain;
  bool CreepStrainStored = false;
  std::vector<double> Eo;      // 1..K
  std::vector<double> Kx, Ky;  // 0..K

  // Deflections, 0..K, and the tip values.
  std::vector<double> SlopeX, SlopeY, DeflX, DeflY, DeflZ;
  double TipX = 0, TipY = 0, TipZ = 0;

  // The diagram files the last run read, each file once per digest, in the
  // order they were first read.
  std::vector<DiagramRead> DiagramsRead;

  // Equilibrium check: the warning lines of the equations that missed.
  std::vector<std::string> EquationErrors;

  // Stored deflection profiles, in the order they were stored.
  std::vector<DeflectionProfile> Profiles;
  // Day by day, when the last creep run was asked to record it.
  std::vector<TipSample> TipHistory;

  // Flat positions. 1-based arguments, as the stages are written.
  std::size_t Block(std::int32_t i, std::int32_t j) const {
    return static_cast<std::size_t>(j - 1) * static_cast<std::size_t>(I) + static_cast<std::size_t>(i - 1);
  }
  std::size_t BlockCount() const { return static_cast<std::size_t>(I) * static_cast<std::size_t>(J); }

  // The creep store is laid out for the creep loop, which advances a tile of
  // kCreepTileSlices slices at a time, one slice per vector lane: tile after
  // tile, in each the blocks in summing order (ring outer, sector inner), and
  // for each block the tile's slices side by side. The last tile is padded
  // with slices that stay 0.
  std::size_t CreepIndex(std::int32_t i, std::int32_t j, std::int32_t k) const {
    const auto tile = static_cast<std::size_t>((k - 1) / kCreepTileSlices);
    const auto lane = static_cast<std::size_t>((k - 1) % kCreepTileSlices);
    const std::size_t position =
        static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(J) + static_cast<std::size_t>(j - 1);
    return (tile * BlockCount() + position) * kCreepTileSlices + lane;
  }
  std::size_t CreepTileCount() const { return static_cast<std::size_t>((K + kCreepTileSlices - 1) / kCreepTileSlices); }
  std::size_t CreepStoreSize() const { return CreepTileCount() * BlockCount() * kCreepTileSlices; }

  // The creep strain of block (i, j) in slice k, 0 when none is stored.
  double CreepAt(std::int32_t i, std::int32_t j, std::int32_t k) const {
    return CreepStrainStored ? CreepStrain[CreepIndex(i, j, k)] : 0.0;
  }

  // The diagram of `kind` (any of the kinds table) the run works with; empty until one is set.
  const Diagram& LoadedDiagram(DiagramKind kind) const { return loadedDiagrams_[Slot(kind)]; }
  void SetLoadedDiagram(DiagramKind kind, Diagram diagram) { loadedDiagrams_[Slot(kind)] = std::move(diagram); }

 private:
  static std::size_t Slot(DiagramKind kind) { return static_cast<std::size_t>(kind - kFirstDiagramKind); }
  std::array<Diagram, kDiagramKindCount> loadedDiagrams_;
};

// Re-creates an array at `count` elements, every one 0, keeping its storage
// when the size is unchanged.
inline void Recreate(std::vector<double>& array, std::size_t count) { array.assign(count, 0.0); }

}  // namespace kolvane
