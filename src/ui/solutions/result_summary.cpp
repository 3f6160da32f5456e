#include "ui/solutions/result_summary.h"

#include <QLabel>

namespace kolvane::ui {

QLabel* CreateSummaryLabel() {
  auto* label = new QLabel;
  label->setObjectName("lblSummary");
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  label->setWordWrap(true);
  label->hide();
  return label;
}

void ShowSummary(QLabel* label, const std::vector<std::string>& lines) {
  QStringList texts;
  for (const std::string& line : lines) texts << QString::fromStdString(line);
  label->setText(texts.join('\n'));
  label->setVisible(!lines.empty());
}

}  // namespace kolvane::ui
