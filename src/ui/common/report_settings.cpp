#include "ui/common/report_settings.h"

#include <QSettings>

#include "ui/common/settings.h"

namespace kolvane::ui {
namespace {

constexpr const char* kReportGroup = "CalculationReport";

struct Field {
  const char* Key;
  std::string ReportFormInputs::*Member;
};
constexpr Field kFields[] = {
    {"Project", &ReportFormInputs::Project},
    {"Structure", &ReportFormInputs::Structure},
    {"Engineer", &ReportFormInputs::Engineer},
    {"Checker", &ReportFormInputs::Checker},
    {"DeflectionLimit", &ReportFormInputs::DeflectionLimit},
    {"RotationLimit", &ReportFormInputs::RotationLimit},
};

}  // namespace

ReportFormInputs LoadReportFormInputs(const std::string& folder) {
  QSettings settings = UserSettings();
  settings.beginGroup(FolderSettingsGroup(folder));
  settings.beginGroup(kReportGroup);
  ReportFormInputs inputs;
  for (const Field& field : kFields) inputs.*field.Member = settings.value(field.Key).toString().toStdString();
  return inputs;
}

void StoreReportFormInputs(const std::string& folder, const ReportFormInputs& inputs) {
  QSettings settings = UserSettings();
  settings.beginGroup(FolderSettingsGroup(folder));
  settings.beginGroup(kReportGroup);
  for (const Field& field : kFields) settings.setValue(field.Key, QString::fromStdString(inputs.*field.Member));
}

ServiceabilityLimits FolderLimits(const std::string& folder) {
  const ReportFormInputs inputs = LoadReportFormInputs(folder);
  return {LimitValue(inputs.DeflectionLimit), LimitValue(inputs.RotationLimit)};
}

}  // namespace kolvane::ui
