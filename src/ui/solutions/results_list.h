#pragma once
// lstResults, the results list of a solution window: the report's lines with
// extended selection, Ctrl+A to select every line, Ctrl+C to copy the chosen
// lines as text (CR LF between lines, as the report), and the same two as a
// context menu.

#include <QListView>

class QAction;

namespace kolvane::ui {

class Messages;
class ReportListModel;

class ResultsList final : public QListView {
  Q_OBJECT

 public:
  // `messages` tells the user why a copy was refused.
  ResultsList(ReportListModel* model, Messages& messages, QWidget* parent = nullptr);

  // The chosen lines to the clipboard, or the reason they cannot go there.
  void CopySelection();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  ReportListModel* model_;
  Messages& messages_;
};

}  // namespace kolvane::ui
