#include "ui/plots/plot_controls.h"

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/named_button.h"
#include "ui/plots/csv_export.h"
#include "ui/plots/plot_picture.h"

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

void LayOutExportingPlot(QDialog* window, PlotPicture* picture, const QString& title, QLayout* choices,
                         std::function<void()> save, std::function<void()> exportCsv) {
  auto* frame = new QGroupBox(title);
  auto* frameLayout = new QVBoxLayout(frame);
  frameLayout->addWidget(picture);

  const PlotButtons buttons = CreatePlotButtons();
  QPushButton* exportButton = CreateExportCsvButton();
  auto* column = new QVBoxLayout;
  column->addLayout(choices);
  column->addStretch(1);
  for (QPushButton* button : {buttons.Save, exportButton, buttons.Ok}) column->addWidget(button);

  auto* layout = new QHBoxLayout(window);
  layout->addWidget(frame, 1);
  layout->addLayout(column);

  QObject::connect(buttons.Save, &QPushButton::clicked, window, std::move(save));
  QObject::connect(exportButton, &QPushButton::clicked, window, std::move(exportCsv));
  QObject::connect(buttons.Ok, &QPushButton::clicked, window, &QDialog::accept);
}

}  // namespace kolvane::ui
