#include "core/engine/grid_memory.h"

namespace kolvane {

namespace {

constexpr std::uint64_t kDouble = sizeof(double);
constexpr std::uint64_t kMegabyte = std::uint64_t{1024} * 1024;
// A warning line of the equilibrium check with its string object.
constexpr std::uint64_t kWarningLineBytes = 128;

std::uint64_t MegabytesRoundedUp(std::uint64_t bytes) { return (bytes + kMegabyte - 1) / kMegabyte; }

}  // namespace

std::uint64_t ThermoElasticBytesNeeded(std::int32_t I, std::int32_t J, std::int32_t K) {
  const std::uint64_t rings = static_cast<std::uint64_t>(I > 0 ? I : 0);
  const std::uint64_t sectors = static_cast<std::uint64_t>(J > 0 ? J : 0);
  const std::uint64_t slices = static_cast<std::uint64_t>(K > 0 ? K : 0);
  const std::uint64_t blocks = rings * sectors;
  // Per block: reference point (2), temperature, free strain, and the packed
  // copy for the equilibrium check (4).
  const std::uint64_t blockBytes = blocks * 8 * kDouble;
  // Per sector: angle, angle to the sun, two variations. Per ring: area.
  const std::uint64_t sectionBytes = (sectors * 4 + rings) * kDouble;
  // Per slice: axial force, Eo, Kx, Ky, two slopes, three displacements, the
  // check's three sums; and up to three warning lines.
  const std::uint64_t sliceBytes = (slices + 1) * 12 * kDouble + slices * 3 * kWarningLineBytes;
  return blockBytes + sectionBytes + sliceBytes;
}

std::optional<std::string> GridTooLargeMessage(std::uint64_t needed, std::uint64_t available) {
  if (available == 0 || needed <= available) return std::nullopt;
  return GridTooLargeText(needed, available);
}

std::string GridTooLargeText(std::uint64_t needed, std::uint64_t available) {
  return "The grid is too large for this computer: " + std::to_string(MegabytesRoundedUp(needed)) + " MB needed, " +
         std::to_string(available / kMegabyte) + " MB available.";
}

}  // namespace kolvane
