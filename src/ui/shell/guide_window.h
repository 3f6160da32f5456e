#pragma once
// Help > Guide: a short guide to the program in one window: what each window
// does, which way the signs count, and the files a column folder holds.

#include <QDialog>

namespace kolvane::ui {

class GuideWindow final : public QDialog {
  Q_OBJECT

 public:
  explicit GuideWindow(QWidget* parent = nullptr);
};

}  // namespace kolvane::ui
