#include "core/diagrams/diagram_reader.h"

#include <gtest/gtest.h>

#include <random>

namespace kolvane {

TEST(NearestEndReader, ReadsExactlyAsTheDiagramDoes) {
  // Random diagrams (some with repeated X), read along wandering sequences
  // that hit points exactly, leave the diagram on both sides and come back.
  std::mt19937 random(11);
  std::uniform_real_distribution<double> unit(0, 1);
  for (int n = 0; n < 300; ++n) {
    Diagram diagram;
    double x = unit(random) * 10 - 5;
    for (int count = std::uniform_int_distribution<int>(0, 12)(random); count > 0; --count) {
      diagram.Points.push_back({x, unit(random) * 100 - 50});
      x += n % 7 == 0 && unit(random) < 0.3 ? 0 : unit(random) * 4;
    }
    NearestEndReader read(diagram);
    double at = unit(random) * 60 - 20;
    for (int r = 0; r < 200; ++r) {
      const double pick = unit(random);
      if (pick < 0.2 && !diagram.Points.empty())
        at = diagram.Points[std::uniform_int_distribution<std::size_t>(0, diagram.Points.size() - 1)(random)].X;
      else
        at += pick < 0.25 ? unit(random) * 100 - 50 - at : unit(random) * 2 - 1;
      ASSERT_EQ(read(at), DiagramValueNearestEnd(diagram, at)) << "diagram " << n << ", reading " << r << " at " << at;
    }
  }
}

}  // namespace kolvane
