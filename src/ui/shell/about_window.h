#pragma once
// The about window: the program's title and a slowly scrolling block of text
// about what the program does and what it is built with. Modal; OK closes it.

#include <QDialog>
#include <QWidget>

class QTextDocument;
class QTimer;

namespace kolvane::ui {

// Text that rises slowly through its view, enters from below, leaves at the
// top and starts again. Holding the mouse over it pauses it for reading.
class ScrollingText final : public QWidget {
  Q_OBJECT

 public:
  explicit ScrollingText(const QString& html, QWidget* parent = nullptr);

  // How far the text has risen, in pixels, since it entered from below (the
  // first time round it starts near the top).
  int ScrollOffset() const { return offset_; }
  // One pixel up; after the text has left the view, back to the start.
  void Step();
  bool IsScrolling() const;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  QTextDocument* document_;
  QTimer* timer_;
  int offset_ = 0;
  bool placed_ = false;
};

class AboutWindow final : public QDialog {
  Q_OBJECT

 public:
  explicit AboutWindow(QWidget* parent = nullptr);

  // The text that scrolls, as HTML.
  static QString CreditsHtml();
};

}  // namespace kolvane::ui
