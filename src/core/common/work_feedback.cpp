#include "core/common/work_feedback.h"

namespace kolvane {

WorkFeedback& NoFeedback() {
  // Stateless, so one instance serves every thread.
  static WorkFeedback none;
  return none;
}

}  // namespace kolvane
