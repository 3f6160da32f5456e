#pragma once
// Reading one diagram many times over, as the creep loop reads the
// temperature factor of every block at every step. Neighbouring readings lie
// close together, so the search starts from the segment of the previous one.

#include <cstdint>

#include "core/diagrams/diagram.h"

namespace kolvane {

class NearestEndReader {
 public:
  // The diagram must outlive the reader and stay unchanged meanwhile.
  explicit NearestEndReader(const Diagram& diagram);

  // Exactly DiagramValueNearestEnd(diagram, x).
  double operator()(double x);

 private:
  const Diagram& diagram_;
  bool increasing_;           // X strictly increasing: the search may start anywhere
  std::int32_t segment_ = 0;  // points segment_ and segment_ + 1 held the last reading
};

}  // namespace kolvane
