#include "core/maindata/main_data.h"

#include <cmath>
#include <limits>

#include "core/common/numeric_reading.h"

namespace kolvane {

std::int32_t CountValue(double value) {
  // Halves to the even neighbour, whatever rounding mode the process is in.
  double rounded = std::floor(value);
  const double fraction = value - rounded;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0)) rounded += 1;
  if (rounded >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
    return std::numeric_limits<std::int32_t>::max();
  if (rounded <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
    return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(rounded);
}

MainData MainDataFromTexts(const MainDataTexts& texts) {
  auto value = [&](MainField field) { return NumericValue(FieldText(texts, field)); };
  MainData data;
  data.Height = value(MainField::Height);
  data.IRadius = value(MainField::IRadius);
  data.ERadius = value(MainField::ERadius);
  data.UnitLoad = value(MainField::UnitLoad);
  data.E = value(MainField::E);
  data.F = value(MainField::F);
  data.I = CountValue(value(MainField::I));
  data.J = CountValue(value(MainField::J));
  data.K = CountValue(value(MainField::K));
  data.RefTemp = value(MainField::RefTemp);
  data.AThermal = value(MainField::AThermal);
  return data;
}

MainDataTexts ZeroMainDataTexts() {
  MainDataTexts texts;
  texts.fill("0");
  return texts;
}

}  // namespace kolvane
