#pragma once
// The description of the column that every calculation starts from.

#include <array>
#include <cstdint>
#include <string>

namespace kolvane {

// The eleven fields in the order of the main window, the main data file and
// the field arrays.
enum class MainField { Height, IRadius, ERadius, UnitLoad, E, F, I, J, K, RefTemp, AThermal };
inline constexpr int kMainFieldCount = 11;

// While the program runs the fields live as texts (those of the main window's
// boxes); a run converts them to numbers when it needs them.
using MainDataTexts = std::array<std::string, kMainFieldCount>;

inline const std::string& FieldText(const MainDataTexts& texts, MainField field) {
  return texts[static_cast<int>(field)];
}

inline bool IsCountField(MainField field) {
  return field == MainField::I || field == MainField::J || field == MainField::K;
}

struct MainData {
  double Height = 0;    // m
  double IRadius = 0;   // m
  double ERadius = 0;   // m
  double UnitLoad = 0;  // kN/m3, weight of concrete per volume
  double E = 0;         // GPa, elastic modulus
  double F = 0;         // MN, axial compression force at the top
  std::int32_t I = 0;   // rings
  std::int32_t J = 0;   // sectors
  std::int32_t K = 0;   // slices
  double RefTemp = 0;   // degrees C, stress-free reference temperature
  double AThermal = 0;  // 1/degree C, coefficient of thermal expansion
};

// A count as a run uses it: the value rounded to the nearest whole number,
// halves to the even neighbour. Values beyond the 32-bit range saturate.
std::int32_t CountValue(double value);

// The engine values of the fields, read with the common numeric reading.
MainData MainDataFromTexts(const MainDataTexts& texts);

// Eleven "0" texts: what the main window shows before the file fills it.
MainDataTexts ZeroMainDataTexts();

}  // namespace kolvane
