// Drawing the section plot of a fine grid (4010 rings by 3600 sectors,
// 14.4 million blocks) in the window's picture: the section fitted to the
// frame and a view of the picture zoomed 3200 %.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "core/engine/stages.h"
#include "core/plots/section_plot.h"
#include "ui/plots/image_canvas.h"

namespace kolvane {
namespace {

SectionGrid FineGrid() {
  SectionGrid grid;
  grid.I = 4010;
  grid.J = 3600;
  grid.K = 10;
  grid.IRadius = 4;
  grid.ERadius = 4.4;
  grid.Height = 150;
  CalculateGeometry(grid);
  grid.BlockTemp.assign(grid.Centroid.size(), 0.0);
  for (std::size_t b = 0; b < grid.BlockTemp.size(); ++b) grid.BlockTemp[b] = 15 + grid.Centroid[b].X;
  return grid;
}

constexpr int kBlockTemperatures = 8;

void BmSectionPlotFit(benchmark::State& state) {
  const SectionGrid grid = FineGrid();
  for (auto _ : state) {
    ui::ImageCanvas canvas(QSize(549, 493));
    DrawSection(canvas, grid, kBlockTemperatures);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BmSectionPlotFit)->Unit(benchmark::kMillisecond)->Iterations(1);

// 3200 % of a 493 px view: a picture 15776 px square, of which the window
// holds the 1380 px square it shows, on the wall East of the centre.
void BmSectionPlotZoomed(benchmark::State& state) {
  const SectionGrid grid = FineGrid();
  for (auto _ : state) {
    ui::ImageCanvas canvas(QSize(15776, 15776), QRect(14200, 7200, 1380, 1380), 1.0);
    DrawSection(canvas, grid, kBlockTemperatures);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BmSectionPlotZoomed)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace kolvane

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
