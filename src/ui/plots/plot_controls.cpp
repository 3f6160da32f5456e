#include "ui/plots/plot_controls.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "ui/common/named_button.h"

namespace kolvane::ui {

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

PlotButtons CreatePlotButtons() { return {NamedButton("cmdSave", "&Save Picture"), NamedButton("cmdOk", "OK")}; }

}  // namespace kolvane::ui
