#pragma once
// Scratch folders and file helpers for tests that touch the file system.

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/common/work_feedback.h"

namespace kolvane::testing {

// A fresh empty folder, removed with everything in it when the object dies.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
// Names of the entries in a folder, sorted, hidden ones included.
std::string FolderListing(const std::string& folder);
// A summer day's five diagrams named "day" (the sun going round, warm air and
// surface at 14 h, the outer face warmed most) and a creep function with its
// temperature factor named "concrete": what the run tests compute on.
void WriteDayAndConcrete(const ScratchFolder& folder);
// Runs `body` in a child process (so the limits and users it sets stay there)
// and returns what it returned.
std::string InChildProcess(const std::function<std::string()>& body);

// Feedback that keeps what long work told it, and cancels the work when
// `CancelWhen`, asked with the progress so far, says so.
struct RecordingFeedback final : WorkFeedback {
  std::vector<std::pair<std::int64_t, std::int64_t>> Steps;  // done, total
  std::vector<std::string> Statuses, Incidents;
  std::function<bool(const RecordingFeedback&)> CancelWhen;

  bool Cancelled() override { return CancelWhen && CancelWhen(*this); }
  void Progress(std::int64_t done, std::int64_t total) override { Steps.emplace_back(done, total); }
  void Status(const std::string& text) override { Statuses.push_back(text); }
  void Incident(const std::string& message) override { Incidents.push_back(message); }
};

// The steps 0 to count - 1 of count, as work reports them before each unit.
inline std::vector<std::pair<std::int64_t, std::int64_t>> StepsBefore(std::int64_t count) {
  std::vector<std::pair<std::int64_t, std::int64_t>> steps;
  for (std::int64_t done = 0; done < count; ++done) steps.emplace_back(done, count);
  return steps;
}

}  // namespace kolvane::testing

// The scratch files' helpers, used by most tests that touch files.
namespace kolvane {
using testing::FolderListing;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;
}  // namespace kolvane
