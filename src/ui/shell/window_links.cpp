#include "ui/shell/window_links.h"

#include "ui/climate/climate_window.h"
#include "ui/diagrams/diagram_manager_window.h"
#include "ui/plots/orbit_plot_window.h"
#include "ui/plots/profile_plot_window.h"
#include "ui/plots/section_plot_window.h"
#include "ui/plots/tip_history_plot_window.h"
#include "ui/solutions/creep_window.h"
#include "ui/solutions/thermo_elastic_window.h"

namespace kolvane::ui {

void LinkMainWindow(MainWindow& mainWindow, AppContext& context) {
  // Every window is made afresh for every click and destroyed when it closes.
  mainWindow.SetDiagramsHook([&mainWindow, &context](DiagramKind kind, const std::string& title) {
    DiagramManagerWindow manager(context, &mainWindow);
    manager.SetMode(kind);
    manager.SetTitle(QString::fromStdString(title));
    manager.Initialise();
    manager.exec();
  });
  mainWindow.SetThermoElasticHook([&mainWindow, &context](const MainDataTexts& texts) {
    ThermoElasticWindow window(context, texts, &mainWindow);
    window.SetSectionPlotHook([&context](QWidget* parent) {
      if (const auto result = context.Results.ThermoElastic) ShowSectionPlot(context, result->Grid, parent);
    });
    window.SetOrbitPlotHook(
        [&context](const OrbitPlotData& orbit, QWidget* parent) { ShowOrbitPlot(context, orbit, parent); });
    window.exec();
  });
  mainWindow.SetCreepHook([&mainWindow, &context](const MainDataTexts& texts) {
    CreepWindow window(context, texts, &mainWindow);
    window.SetProfilePlotHook([&context](QWidget* parent) {
      if (const auto result = context.Results.Creep) ShowProfilePlot(context, result->Column, parent);
    });
    window.SetTipHistoryPlotHook([&context](QWidget* parent) {
      if (const auto result = context.Results.Creep) ShowTipHistoryPlot(context, result->Column.TipHistory, parent);
    });
    window.exec();
  });
  mainWindow.SetClimateHook([&mainWindow, &context](const MainDataTexts& texts) {
    ClimateWindow window(context, texts, &mainWindow);
    window.exec();
  });
}

}  // namespace kolvane::ui
