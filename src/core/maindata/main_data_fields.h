#pragma once
// How each main-data field shows and takes its text: the main window's box
// name, label and unit, and the typing filter that keeps the field to what
// it can hold. Beside the checks (validation.h) that judge what was typed.

#include <array>
#include <cstdint>

#include "core/maindata/main_data.h"
#include "core/textfilter/text_filter.h"

namespace kolvane {

struct MainFieldRow {
  MainField Field;
  const char* BoxName;  // the box's object name in the main window
  const char* Label;    // UTF-8, as the window shows it
  const char* Unit;     // UTF-8; empty for the counts
  InputMode Mode;
  std::int32_t MaxDigits;
};

// The eleven fields in field order. The counts hold four digits (kMaxCount).
inline constexpr std::array<MainFieldRow, kMainFieldCount> kMainFieldRows = {{
    {MainField::Height, "txtHeight", "Height :", "( m )", InputMode::UnsignedDecimal, 10},
    {MainField::IRadius, "txtIRadius", "Internal Radius :", "( m )", InputMode::UnsignedDecimal, 10},
    {MainField::ERadius, "txtERadius", "External Radius :", "( m )", InputMode::UnsignedDecimal, 10},
    {MainField::UnitLoad, "txtUnitLoad", "Unit Load :", "( kN / m\u00b3 )", InputMode::UnsignedDecimal, 10},
    {MainField::E, "txtE", "Elastic Modulus :", "( GPa )", InputMode::UnsignedDecimal, 10},
    {MainField::F, "txtF", "Compression Force :", "( MN )", InputMode::UnsignedDecimal, 10},
    {MainField::I, "txtI", "I Rings :", "", InputMode::UnsignedInteger, 4},
    {MainField::J, "txtJ", "J Sectors :", "", InputMode::UnsignedInteger, 4},
    {MainField::K, "txtK", "K Slices :", "", InputMode::UnsignedInteger, 4},
    {MainField::RefTemp, "txtRefTemp", "Reference Temperature :", "( \u00b0C )", InputMode::SignedDecimal, 6},
    {MainField::AThermal, "txtAThermal", "a Thermal :", "( 1 / \u00b0C )", InputMode::UnsignedDecimal, 10},
}};

namespace main_data_fields_detail {
constexpr bool RowsInFieldOrder() {
  for (std::size_t n = 0; n < kMainFieldRows.size(); ++n)
    if (static_cast<std::size_t>(kMainFieldRows[n].Field) != n) return false;
  return true;
}
}  // namespace main_data_fields_detail
static_assert(main_data_fields_detail::RowsInFieldOrder(), "the field table lists the fields in field order");

inline const MainFieldRow& MainFieldTable(MainField field) { return kMainFieldRows[static_cast<std::size_t>(field)]; }

}  // namespace kolvane
