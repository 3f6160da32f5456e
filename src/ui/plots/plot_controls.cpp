#include "ui/plots/plot_controls.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace kolvane::ui {
namespace {

QPushButton* Button(const char* name, const char* caption) {
  auto* button = new QPushButton(caption);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

ResultChoice CreateResultChoice(std::span<const char* const> items) {
  ResultChoice choice;
  choice.Box = new QComboBox;
  choice.Box->setObjectName("cboShowResult");
  for (const char* item : items) choice.Box->addItem(QString::fromUtf8(item));
  choice.Box->setCurrentIndex(-1);  // the plot's frame alone until the user picks
  choice.Label = new QLabel("Select Result :");
  choice.Label->setBuddy(choice.Box);
  return choice;
}

PlotButtons CreatePlotButtons() { return {Button("cmdSave", "&Save Picture"), Button("cmdOk", "OK")}; }

}  // namespace kolvane::ui
