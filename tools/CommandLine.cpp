#include "CommandLine.h"

#include <cmath>
#include <sstream>

namespace Tools {

namespace {

const TOptionSpec kHelpOption{"--help", "-h", "", "", "shows this help and exits"};

std::string OptionTitle(const TOptionSpec& o) {
  std::string title = o.Short.empty() ? "    " : o.Short + ", ";
  title += o.Long;
  if (!o.IsFlag()) title += " " + o.ValueName;
  return title;
}

}  // namespace

TArguments::TArguments(const TCommandSpec& spec, const std::vector<std::string>& args)
    : FSpec(spec) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") {
      FHelp = true;
    } else if (a.size() > 1 && a[0] == '-') {
      const std::size_t equals = a.find('=');
      const TOptionSpec& option = Find(a.substr(0, equals));
      if (option.IsFlag() && equals != std::string::npos)
        throw TUsageError(option.Long + " takes no value");
      if (option.IsFlag())
        Take(option, "");
      else if (equals != std::string::npos)
        Take(option, a.substr(equals + 1));
      else if (i + 1 < args.size())
        Take(option, args[++i]);
      else
        throw TUsageError(option.Long + " wants a value (" + option.ValueName + ")");
    } else if (!FSpec.Operand.empty() && !FOperand) {
      FOperand = a;
    } else {
      throw TUsageError("unexpected argument \"" + a + "\"");
    }
  }
}

const TOptionSpec& TArguments::Find(const std::string& name) const {
  for (const TOptionSpec& o : FSpec.Options)
    if (name == o.Long || (!o.Short.empty() && name == o.Short)) return o;
  throw TUsageError("unknown option " + name);
}

void TArguments::Take(const TOptionSpec& option, const std::string& value) {
  if (!FValues.emplace(option.Long, value).second)
    throw TUsageError(option.Long + " is given twice");
}

std::string TArguments::Value(const std::string& longName) const {
  auto given = FValues.find(longName);
  return given != FValues.end() ? given->second : Find(longName).Default;
}

double TArguments::Number(const std::string& longName) const {
  const std::string text = Value(longName);
  try {
    std::size_t used = 0;
    double v = std::stod(text, &used);
    if (used == text.size() && std::isfinite(v)) return v;
  } catch (const std::exception&) {
  }
  throw TUsageError(longName + " wants a number, not \"" + text + "\"");
}

std::string CommandHelp(const TCommandSpec& spec) {
  std::ostringstream out;
  out << "usage: tollenspiegel " << spec.Name;
  if (!spec.Operand.empty()) out << " [" << spec.Operand << "]";
  out << " [OPTIONS]\n\n" << spec.Summary << "\n";
  if (!spec.Operand.empty()) out << "\n  " << spec.Operand << "  " << spec.OperandHelp << "\n";
  out << "\noptions:\n";
  std::vector<TOptionSpec> options = spec.Options;
  options.push_back(kHelpOption);
  for (const TOptionSpec& o : options) {
    std::string title = "  " + OptionTitle(o);
    out << title << std::string(title.size() < 28 ? 28 - title.size() : 1, ' ') << o.Help;
    if (!o.Default.empty()) out << " (default: " << o.Default << ")";
    out << "\n";
  }
  if (!spec.Details.empty()) out << "\n" << spec.Details;
  return out.str();
}

}  // namespace Tools
