#pragma once
// The controls every plot window has besides its picture: the list of what to
// draw, "&Save Picture" and "OK".

#include <functional>
#include <span>

class QComboBox;
class QDialog;
class QLayout;
class QLabel;
class QPushButton;
class QString;

namespace kolvane::ui {

struct ResultChoice {
  QLabel* Label = nullptr;   // "Select Result :", the list's buddy
  QComboBox* Box = nullptr;  // cboShowResult, nothing chosen
};
ResultChoice CreateResultChoice(std::span<const char* const> items);

struct PlotButtons {
  QPushButton* Save = nullptr;  // cmdSave
  QPushButton* Ok = nullptr;    // cmdOk
};
// Neither is a default button: Return in the plot's fields must not close the
// window or save.
PlotButtons CreatePlotButtons();

class PlotPicture;

// The window of a plot that exports a table: the picture in a frame titled
// `title`, taking the room, and beside it `choices` (what to show, may be
// empty) above Save Picture, Export CSV and OK, which call `save`, `exportCsv`
// and close the window.
void LayOutExportingPlot(QDialog* window, PlotPicture* picture, const QString& title, QLayout* choices,
                         std::function<void()> save, std::function<void()> exportCsv);

}  // namespace kolvane::ui
