#pragma once
// What the calculation report's form asks for, kept per column folder: the
// title block's names and the serviceability limits, as typed.

#include <string>

#include "core/results/serviceability.h"

namespace kolvane::ui {

struct ReportFormInputs {
  std::string Project, Structure, Engineer, Checker;
  std::string DeflectionLimit;  // n of H/n; empty: none
  std::string RotationLimit;    // degrees; empty: none
};

ReportFormInputs LoadReportFormInputs(const std::string& folder);
void StoreReportFormInputs(const std::string& folder, const ReportFormInputs& inputs);

// The limits of the folder's form; a limit not set, or not a positive number,
// is not judged.
ServiceabilityLimits FolderLimits(const std::string& folder);

}  // namespace kolvane::ui
