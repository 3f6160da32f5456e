#pragma once
// Every message a window shows goes through this interface, so that tests can
// install a recording one that keeps each text and answers each question.

#include <string>

class QWidget;

namespace kolvane::ui {

class Messages {
 public:
  virtual ~Messages() = default;

  // An input error: caption "Error", exclamation icon, OK.
  virtual void Error(QWidget* parent, const std::string& text) = 0;
  // A question: caption "Caution", exclamation icon, Yes/No. True for Yes.
  virtual bool Question(QWidget* parent, const std::string& text) = 0;
  // The same with No as the default button, for questions whose Yes cannot be
  // undone (deleting a file). Recorders may treat it as any question.
  virtual bool QuestionNoByDefault(QWidget* parent, const std::string& text) { return Question(parent, text); }
  // A saved file and the like: caption "Information", information icon, OK.
  virtual void Information(QWidget* parent, const std::string& text) = 0;
  // Diagram incidents and the end of a creep run: the program title as
  // caption, no icon, OK.
  virtual void Notice(QWidget* parent, const std::string& text) = 0;
};

// The desktop program's messages: modal message boxes over `parent`.
class MessageBoxes final : public Messages {
 public:
  void Error(QWidget* parent, const std::string& text) override;
  bool Question(QWidget* parent, const std::string& text) override;
  bool QuestionNoByDefault(QWidget* parent, const std::string& text) override;
  void Information(QWidget* parent, const std::string& text) override;
  void Notice(QWidget* parent, const std::string& text) override;
};

}  // namespace kolvane::ui
