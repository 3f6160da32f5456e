#include "ui/controls/filtered_text_box.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QToolTip>
#include <memory>

namespace kolvane::ui {
namespace {

// The box's text and selection as the filter counts them: in characters, not
// in the UTF-16 units Qt counts positions in.
struct BoxState {
  std::string Text;
  std::int32_t Start = 0;
  std::int32_t Length = 0;
};

std::int32_t Characters(QStringView text) { return static_cast<std::int32_t>(text.toUcs4().size()); }

BoxState StateOf(const QLineEdit& box) {
  const QString text = box.text();
  const bool selected = box.hasSelectedText();
  const int start = selected ? box.selectionStart() : box.cursorPosition();
  const int length = selected ? box.selectionLength() : 0;
  return {text.toStdString(), Characters(QStringView(text).left(start)),
          Characters(QStringView(text).mid(start, length))};
}

QString FromCodePoint(char32_t c) { return QString::fromUcs4(&c, 1); }

// Focus that comes and goes with another window (a menu, another program)
// returns to the same box: neither selecting nor rewriting is wanted then.
bool IsPassingFocus(Qt::FocusReason reason) {
  return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

}  // namespace

std::optional<char32_t> FilterKeyCode(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Backspace:
      return kKeyBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return kKeyEnter;
    case Qt::Key_Escape:
      return kKeyEscape;
    default:
      break;
  }
  if (event.matches(QKeySequence::Copy)) return kKeyCopy;
  if (event.matches(QKeySequence::Paste)) return kKeyPaste;
  if (event.matches(QKeySequence::Cut)) return kKeyCut;
  if (event.modifiers() & Qt::ControlModifier) {
    if (event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z) return static_cast<char32_t>(event.key() - Qt::Key_A + 1);
    return std::nullopt;  // Ctrl with anything else types nothing
  }
  const QList<uint> characters = event.text().toUcs4();
  if (characters.size() != 1) return std::nullopt;
  const char32_t c = characters.front();
  if (c < 0x20 || c == 0x7F) return std::nullopt;  // Tab, Delete and the like move or delete, they type nothing
  return c;
}

FilteredTextBox::FilteredTextBox(QLineEdit* box, const TextFilterSettings& settings)
    : QObject(box), box_(box), settings_(settings) {
  box_->installEventFilter(this);
  box_->setAcceptDrops(false);  // dropped text would skip the filter
}

FilteredTextBox::FilteredTextBox(QLineEdit* box, InputMode mode, std::int32_t maxDigits, bool allowNothing)
    : FilteredTextBox(box, TextFilterSettings{mode, maxDigits, false, {}, allowNothing}) {}

void FilteredTextBox::Paste(QClipboard::Mode mode) {
  if (box_->isReadOnly()) return;
  const BoxState state = StateOf(*box_);
  const QString pasted = QGuiApplication::clipboard()->text(mode);
  const PasteResult result = FilterPastedText(settings_, state.Text, state.Start, state.Length, pasted.toStdString());
  if (result.Accepted()) {
    box_->insert(QString::fromStdString(result.Inserted));
    return;
  }
  const QString message = QString::fromStdString(result.Refusal);
  QToolTip::showText(box_->mapToGlobal(QPoint(0, box_->height())), message, box_);
  emit PasteRefused(message);
}

void FilteredTextBox::Normalise() {
  const std::string normal = NormaliseOnFocusLoss(settings_, box_->text().toStdString());
  const QString text = QString::fromStdString(normal);
  if (text != box_->text()) box_->setText(text);
}

bool FilteredTextBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched != box_) return false;
  switch (event->type()) {
    case QEvent::KeyPress:
      return FilterKeyPress(static_cast<const QKeyEvent&>(*event));
    case QEvent::InputMethod:
      FilterInputMethod(static_cast<QInputMethodEvent&>(*event));
      return false;
    case QEvent::FocusIn:
      OnFocusIn(static_cast<const QFocusEvent&>(*event));
      return false;
    case QEvent::FocusOut:
      OnFocusOut(static_cast<const QFocusEvent&>(*event));
      return false;
    case QEvent::MouseButtonRelease:
      return OnMouseRelease(static_cast<const QMouseEvent&>(*event));
    case QEvent::ContextMenu:
      ShowContextMenu(static_cast<const QContextMenuEvent&>(*event));
      return true;
    default:
      return false;
  }
}

bool FilteredTextBox::FilterKeyPress(const QKeyEvent& event) {
  const BoxState state = StateOf(*box_);
  if (const std::optional<char32_t> code = FilterKeyCode(event)) {
    const char32_t accepted = FilterKey(settings_, state.Text, state.Start, state.Length, *code);
    if (accepted == kKeyPaste) {
      Paste();
      return true;
    }
    if (accepted == *code) return false;  // the box handles the key as usual
    if (accepted != kKeyRefused) box_->insert(FromCodePoint(accepted));
    return true;
  }
  // Several characters in one event (a compose sequence): filtered as if typed
  // one by one. Anything else types no character and is not filtered.
  const QString typed = event.text();
  if (Characters(typed) < 2 || (event.modifiers() & Qt::ControlModifier)) return false;
  const QString accepted =
      QString::fromStdString(FilterTypedText(settings_, state.Text, state.Start, state.Length, typed.toStdString()));
  if (accepted == typed) return false;
  if (!accepted.isEmpty()) box_->insert(accepted);
  return true;
}

void FilteredTextBox::FilterInputMethod(QInputMethodEvent& event) {
  if (event.commitString().isEmpty()) return;
  const BoxState state = StateOf(*box_);
  const std::string accepted =
      FilterTypedText(settings_, state.Text, state.Start, state.Length, event.commitString().toStdString());
  event.setCommitString(QString::fromStdString(accepted), event.replacementStart(), event.replacementLength());
}

void FilteredTextBox::OnFocusIn(const QFocusEvent& event) {
  // The focus a window gives its first box when it opens counts as arriving.
  const bool first = !hadFocus_;
  hadFocus_ = true;
  if (IsPassingFocus(event.reason()) && !first) return;
  box_->selectAll();
  selectAllOnRelease_ = event.reason() == Qt::MouseFocusReason;
}

void FilteredTextBox::OnFocusOut(const QFocusEvent& event) {
  selectAllOnRelease_ = false;
  if (IsPassingFocus(event.reason())) return;
  Normalise();
}

bool FilteredTextBox::OnMouseRelease(const QMouseEvent& event) {
  // The middle button pastes the text selected elsewhere: through the filter.
  if (event.button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
    Paste(QClipboard::Selection);
    return true;
  }
  if (!selectAllOnRelease_) return false;
  selectAllOnRelease_ = false;
  if (!box_->hasSelectedText()) box_->selectAll();
  return false;
}

// The box's own menu, whose Paste goes through the filter.
void FilteredTextBox::ShowContextMenu(const QContextMenuEvent& event) {
  const std::unique_ptr<QMenu> menu(box_->createStandardContextMenu());
  for (QAction* action : menu->actions()) {
    if (action->objectName() != QLatin1String("edit-paste")) continue;
    action->disconnect();
    connect(action, &QAction::triggered, this, [this] { Paste(); });
  }
  menu->exec(event.globalPos());
}

}  // namespace kolvane::ui
