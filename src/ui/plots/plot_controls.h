#pragma once
// The controls every plot window has besides its picture: the list of what to
// draw, "&Save Picture" and "OK".

#include <span>

class QComboBox;
class QLabel;
class QPushButton;

namespace kolvane::ui {

struct ResultChoice {
  QLabel* Label = nullptr;  // "Select Result :", the list's buddy
  QComboBox* Box = nullptr; // cboShowResult, nothing chosen
};
ResultChoice CreateResultChoice(std::span<const char* const> items);

struct PlotButtons {
  QPushButton* Save = nullptr;  // cmdSave
  QPushButton* Ok = nullptr;    // cmdOk
};
// Neither is a default button: Return in the plot's fields must not close the
// window or save.
PlotButtons CreatePlotButtons();

}  // namespace kolvane::ui
