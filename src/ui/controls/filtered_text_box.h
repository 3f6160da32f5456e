#pragma once
// Binds the typing filter (core/textfilter/text_filter.h) to one QLineEdit:
// every key typed into the box is filtered by the box's input mode (a comma
// typed into a decimal box becomes a point), the whole text is selected when
// the box receives the focus, and a numeric box rewrites its text in number
// form when it loses the focus. A paste (Ctrl+V, the box's menu, the middle
// mouse button) is filtered as typing is, taken whole or refused whole with a
// short message beside the box; dropped text is not taken. Text set by the
// program is not filtered; only the focus-loss rewrite applies to it.

#include <QClipboard>
#include <QObject>
#include <cstdint>
#include <optional>

#include "core/textfilter/text_filter.h"

class QContextMenuEvent;
class QEvent;
class QFocusEvent;
class QInputMethodEvent;
class QKeyEvent;
class QLineEdit;
class QMouseEvent;

namespace kolvane::ui {

// The key code the filter speaks of for a key event: Backspace 8, Enter 13,
// Escape 27, the clipboard keys (Ctrl+C / Ctrl+V / Ctrl+X and the platform's
// other copy, paste and cut keys) 3 / 22 / 24, any other Ctrl+letter its
// control code (Ctrl+A 1 ... Ctrl+Z 26), a printable key its character.
// Nothing for keys that produce no character (arrows, Delete, Home, End, Tab,
// function keys) and for events carrying several characters at once: the
// filter leaves the former alone and treats the latter as typed text.
std::optional<char32_t> FilterKeyCode(const QKeyEvent& event);

class FilteredTextBox final : public QObject {
  Q_OBJECT

 public:
  // Attaches to `box`, whose child it becomes, so it lives exactly as long as
  // the box.
  FilteredTextBox(QLineEdit* box, const TextFilterSettings& settings);
  FilteredTextBox(QLineEdit* box, InputMode mode, std::int32_t maxDigits, bool allowNothing = false);

  QLineEdit* Box() const { return box_; }
  const TextFilterSettings& Settings() const { return settings_; }
  void SetSettings(const TextFilterSettings& settings) { settings_ = settings; }

  // Rewrites the box's text as losing the focus does.
  void Normalise();

  // Pastes the clipboard's text over the selection as typing it would, or
  // refuses it whole: PasteRefused, and the message shown beside the box.
  void Paste(QClipboard::Mode mode = QClipboard::Clipboard);

 signals:
  void PasteRefused(const QString& message);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool FilterKeyPress(const QKeyEvent& event);  // true: the key is consumed
  void FilterInputMethod(QInputMethodEvent& event);
  void OnFocusIn(const QFocusEvent& event);
  void OnFocusOut(const QFocusEvent& event);
  bool OnMouseRelease(const QMouseEvent& event);  // true: the event is consumed
  void ShowContextMenu(const QContextMenuEvent& event);

  QLineEdit* box_;
  TextFilterSettings settings_;
  // A mouse click that gave the box the focus selects the whole text when the
  // button is released, unless the user dragged a selection of their own.
  bool selectAllOnRelease_ = false;
  bool hadFocus_ = false;
};

}  // namespace kolvane::ui
