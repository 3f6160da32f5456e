#pragma once
// A message interface for window tests: keeps every message and answers each
// question from a queue of prepared answers (No when the queue is empty).

#include <deque>
#include <string>
#include <vector>

#include "ui/common/messages.h"

namespace kolvane::testing {

enum class MessageKind { Error, Question, Information, Notice };

struct ShownMessage {
  MessageKind Kind;
  std::string Text;
  bool operator==(const ShownMessage&) const = default;
};
using Shown = std::vector<ShownMessage>;

class RecordingMessages final : public ui::Messages {
 public:
  std::vector<ShownMessage> Shown;
  std::deque<bool> Answers;
  std::vector<std::string> NoByDefault;  // questions asked with No as the default button

  void Error(QWidget*, const std::string& text) override { Shown.push_back({MessageKind::Error, text}); }
  void Information(QWidget*, const std::string& text) override { Shown.push_back({MessageKind::Information, text}); }
  void Notice(QWidget*, const std::string& text) override { Shown.push_back({MessageKind::Notice, text}); }
  bool Question(QWidget*, const std::string& text) override {
    Shown.push_back({MessageKind::Question, text});
    const bool answer = !Answers.empty() && Answers.front();
    if (!Answers.empty()) Answers.pop_front();
    return answer;
  }
  bool QuestionNoByDefault(QWidget* parent, const std::string& text) override {
    NoByDefault.push_back(text);
    return Question(parent, text);
  }
};

}  // namespace kolvane::testing
