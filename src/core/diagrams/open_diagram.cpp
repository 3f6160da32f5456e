#include "core/diagrams/open_diagram.h"

#include <optional>

#include "core/diagrams/diagram_file.h"
#include "core/diagrams/diagram_repair.h"

namespace kolvane {
namespace {

// Writes a repaired diagram over its file. The original bytes are kept first
// as "<file>.bak" (once per opening, so a second rewrite keeps the original,
// not the first rewrite); a file that cannot be kept is not replaced. Returns
// what became of the file, as a sentence for the incident message.
class RepairWriter {
 public:
  RepairWriter(std::string path, std::string fileName) : path_(std::move(path)), fileName_(std::move(fileName)) {}

  std::string Write(const Diagram& diagram) {
    if (!kept_) {
      const TextFileContent original = ReadWholeFile(path_);
      if (original.Status == ReadStatus::Failed)
        return NotWritten("it could not be read to keep it: " + original.Reason);
      if (original.Status == ReadStatus::Ok) {
        const WriteResult backup = WriteBytesAtomically(BackupPathOf(path_), original.Bytes);
        if (!backup.Ok) return NotWritten("the original could not be kept as " + BackupName() + ": " + backup.Reason);
        hasBackup_ = true;
      }
      kept_ = true;
    }
    const WriteResult written = SaveDiagram(path_, diagram);
    if (!written.Ok) return NotWritten(written.Reason);
    return hasBackup_ ? "The original file was kept as " + BackupName() + "." : std::string();
  }

 private:
  std::string BackupName() const { return BackupPathOf(fileName_); }
  std::string NotWritten(const std::string& why) const {
    return "The repaired diagram is used for this run only: " + fileName_ + " could not be written (" + why + ").";
  }

  std::string path_;
  std::string fileName_;
  bool kept_ = false;       // the original is safe: kept, or there was none
  bool hasBackup_ = false;  // it was kept as a backup file
};

std::optional<DiagramIncident> LoadIncident(DiagramLoadResult loaded, MissingDiagram whenMissing) {
  if (loaded == DiagramLoadResult::Failed) return DiagramIncident::LoadCritical;
  if (loaded == DiagramLoadResult::Missing && whenMissing == MissingDiagram::Refuse)
    return DiagramIncident::LoadCritical;
  if (loaded == DiagramLoadResult::Skipped) return DiagramIncident::LoadFixed;
  return std::nullopt;
}

std::optional<DiagramIncident> FixIncident(DiagramFixResult fixed) {
  if (fixed == DiagramFixResult::Failed) return DiagramIncident::FixCritical;
  if (fixed == DiagramFixResult::Changed) return DiagramIncident::FixFixed;
  return std::nullopt;
}

// The message with a sentence of its own after it, on a line of its own; the
// message's text stays as it always was.
std::string WithSentence(const std::string& message, const std::string& sentence) {
  return sentence.empty() ? message : message + "\n" + sentence;
}

}  // namespace

bool IsCritical(DiagramIncident incident) {
  return incident == DiagramIncident::LoadCritical || incident == DiagramIncident::FixCritical;
}

std::string IncidentMessage(DiagramIncident incident, IncidentWording wording, const std::string& name) {
  const bool solution = wording == IncidentWording::Solution;
  const std::string review = ". Please review the diagram data before continuing.";
  switch (incident) {
    case DiagramIncident::LoadCritical:
      return "LoadDiagram reported a critical error for " + name + (solution ? "." : "");
    case DiagramIncident::LoadFixed:
      return "LoadDiagram reported a fixed error for " + name + (solution ? review : "");
    case DiagramIncident::FixCritical:
      return "FixDiagram reported a critical error for " + name + (solution ? "." : "");
    case DiagramIncident::FixFixed:
      return "FixDiagram reported a fixed error for " + name + (solution ? review : "");
  }
  return {};
}

std::string UnreadableDiagramMessage(IncidentWording wording, const std::string& name, DiagramKind kind,
                                     const std::string& why) {
  return WithSentence(IncidentMessage(DiagramIncident::LoadCritical, wording, name),
                      DiagramFileName(name, kind) + " could not be read: " + why + ".");
}

bool OpenDiagramForUse(const Workspace& workspace, const std::string& name, DiagramKind kind, Diagram& target,
                       IncidentWording wording, const IncidentReport& report, MissingDiagram whenMissing,
                       std::string* sha256) {
  const std::string path = DiagramPath(workspace, name, kind);
  auto tell = [&](DiagramIncident incident, const std::string& afterwards = {}) {
    if (report) report(incident, WithSentence(IncidentMessage(incident, wording, name), afterwards));
  };
  RepairWriter writer(path, DiagramFileName(name, kind));

  // A critical incident leaves target empty, so that no partial diagram is
  // used by mistake; a fixed one rewrites the file.
  std::string why;
  auto handle = [&](std::optional<DiagramIncident> incident) {
    if (!incident) return true;
    if (IsCritical(*incident)) {
      target.Points.clear();
      if (report && *incident == DiagramIncident::LoadCritical)
        report(*incident, UnreadableDiagramMessage(wording, name, kind, why));
      else
        tell(*incident);
      return false;
    }
    tell(*incident, writer.Write(target));
    return true;
  };
  return handle(LoadIncident(LoadDiagram(path, target, &why, sha256), whenMissing)) &&
         handle(FixIncident(FixDiagram(target, kind)));
}

}  // namespace kolvane
