#pragma once
// The command line of kolvane-batch: a command followed by options, each
// option either "--name value" or "--name=value".

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace kolvane::batch {

struct ParsedArguments {
  std::string Command;                                     // "elastic", or "help"
  std::map<std::string, std::vector<std::string>> Values;  // by option name, in the order given
  std::string Error;                                       // a one-line usage error, when not empty
};

// `valueOptionsByCommand` lists the options that take a value; every other
// option is unknown. Every option takes a value, the next argument unless that
// starts with "--"; only the options in `repeatableOptions` may be given more
// than once. "--help" or "-h" in place of the command or of an option asks for
// help (as the value of an option it is that value). The options in
// `flagOptions` (listed with a command's options too) take no value: they are
// there or not, and are recorded with an empty value.
ParsedArguments ParseArguments(const std::vector<std::string>& arguments, const std::vector<std::string>& knownCommands,
                               const std::map<std::string, std::vector<std::string>>& valueOptionsByCommand,
                               const std::vector<std::string>& repeatableOptions = {},
                               const std::vector<std::string>& flagOptions = {});

// The value of an option (the last, for a repeatable one), or nothing.
std::optional<std::string> LastValue(const ParsedArguments& parsed, const std::string& option);

// Writes a one-line usage error that points to the help.
void ReportUsageError(std::ostream& err, const std::string& what);

// "a,b,,d" -> {"a", "b", "", "d"}.
std::vector<std::string> SplitList(const std::string& text, char separator = ',');

}  // namespace kolvane::batch
