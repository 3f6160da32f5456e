#include "batch/batch_arguments.h"

#include <algorithm>

namespace kolvane::batch {

namespace {

bool Takes(const std::vector<std::string>& options, const std::string& name) {
  return std::find(options.begin(), options.end(), name) != options.end();
}

std::string UsageError(const std::string& what) { return "kolvane-batch: " + what + " (see kolvane-batch --help)"; }

bool IsHelp(const std::string& argument) { return argument == "--help" || argument == "-h"; }

}  // namespace

ParsedArguments ParseArguments(const std::vector<std::string>& arguments, const std::vector<std::string>& knownCommands,
                               const std::map<std::string, std::vector<std::string>>& valueOptionsByCommand,
                               const std::vector<std::string>& repeatableOptions,
                               const std::vector<std::string>& flagOptions) {
  ParsedArguments parsed;
  if (arguments.empty()) {
    parsed.Error = UsageError("no command given");
    return parsed;
  }
  if (IsHelp(arguments[0])) {
    parsed.Command = "help";
    return parsed;
  }
  parsed.Command = arguments[0];
  if (!Takes(knownCommands, parsed.Command)) {
    parsed.Error = UsageError("unknown command '" + parsed.Command + "'");
    return parsed;
  }
  const std::vector<std::string>& options = valueOptionsByCommand.at(parsed.Command);
  // Help is asked for only where an option may stand: "--out -h" names a file.
  for (std::size_t n = 1; n < arguments.size(); ++n) {
    const std::string& argument = arguments[n];
    if (IsHelp(argument)) {
      parsed = ParsedArguments{"help", {}, {}};
      return parsed;
    }
    if (argument.rfind("--", 0) != 0) {
      parsed.Error = UsageError("unexpected argument '" + argument + "'");
      return parsed;
    }
    const std::size_t equals = argument.find('=');
    const std::string name = argument.substr(0, equals);
    if (!Takes(options, name)) {
      parsed.Error = UsageError("unknown option '" + name + "' for " + parsed.Command);
      return parsed;
    }
    // A second value would silently replace the first: a typing mistake in
    // a script that must not go unnoticed.
    if (parsed.Values.count(name) != 0 && !Takes(repeatableOptions, name)) {
      parsed.Error = UsageError(name + " is given twice");
      return parsed;
    }
    if (Takes(flagOptions, name)) {
      if (equals != std::string::npos) {
        parsed.Error = UsageError(name + " takes no value");
        return parsed;
      }
      parsed.Values[name].push_back("");
    } else if (equals != std::string::npos) {
      parsed.Values[name].push_back(argument.substr(equals + 1));
    } else if (n + 1 < arguments.size() && arguments[n + 1].rfind("--", 0) != 0) {
      parsed.Values[name].push_back(arguments[++n]);
    } else {
      parsed.Error = UsageError(name + " needs a value");
      return parsed;
    }
  }
  return parsed;
}

std::optional<std::string> LastValue(const ParsedArguments& parsed, const std::string& option) {
  const auto found = parsed.Values.find(option);
  if (found == parsed.Values.end() || found->second.empty()) return std::nullopt;
  return found->second.back();
}

std::vector<std::string> SplitList(const std::string& text, char separator) {
  std::vector<std::string> items;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find(separator, start);
    items.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) return items;
    start = end + 1;
  }
}

void ReportUsageError(std::ostream& err, const std::string& what) { err << UsageError(what) << "\n"; }

}  // namespace kolvane::batch
