#pragma once
// The serviceability summary a solution window shows above its results list:
// the tip's deflection and rotation and, with the folder's limits, verdicts.

#include <string>
#include <vector>

class QLabel;

namespace kolvane::ui {

// An empty summary (lblSummary); its text can be selected and copied.
QLabel* CreateSummaryLabel();

// Shows the lines, one per line; none hides the label.
void ShowSummary(QLabel* label, const std::vector<std::string>& lines);

}  // namespace kolvane::ui
