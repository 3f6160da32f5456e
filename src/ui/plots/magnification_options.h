#pragma once
// The nine magnification options of a plot that draws deflections larger
// than life, one below the other, the smallest at the top, and the factor of
// the one checked.

#include <QLayout>
#include <array>
#include <functional>

class QRadioButton;
class QWidget;

namespace kolvane::ui {

class MagnificationChoice {
 public:
  // optMagnification0..8, none checked yet; `changed` runs whenever a
  // check has set a new factor. `owner` keeps the options together.
  QLayout* Create(QWidget* owner, std::function<void()> changed);
  void Check(int option);
  float Factor() const { return factor_; }  // 0 until an option is checked

 private:
  std::array<QRadioButton*, 9> buttons_{};
  float factor_ = 0;
};

}  // namespace kolvane::ui
