#pragma once
// Runs check the memory their arrays will need before they allocate, so that a
// grid too fine for the machine is refused with a message instead of ending
// in a crash or a swap storm.

#include <cstdint>
#include <optional>
#include <string>

namespace kolvane {

// Bytes a thermo-elastic run holds at its peak for I rings, J sectors and K
// slices: the section arrays, the slice arrays, the blocks laid out for the
// equilibrium check and its warning lines. No creep store.
std::uint64_t ThermoElasticBytesNeeded(std::int32_t I, std::int32_t J, std::int32_t K);

// "The grid is too large for this computer: " and the two figures in MB, when
// `needed` exceeds `available`; nothing when it fits or when the available
// memory is not known (0).
std::optional<std::string> GridTooLargeMessage(std::uint64_t needed, std::uint64_t available);

// The message itself, for an allocation that failed although the check passed.
std::string GridTooLargeText(std::uint64_t needed, std::uint64_t available);

}  // namespace kolvane
