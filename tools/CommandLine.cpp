#include "CommandLine.h"

#include <CLI/CLI.hpp>
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

// CLI11 does the parsing; the declaration gives it each option's names. Its
// defaults are not given to it: a value read back falls to the declaration's. It
// keeps every value and every unknown word, so that the refusals below speak as
// the rest of the tool does.
TArguments::TArguments(const TCommandSpec& spec, const std::vector<std::string>& args)
    : FSpec(spec) {
  CLI::App app{spec.Summary, spec.Name};
  app.set_help_flag();  // ours: CommandHelp writes it from the same declaration
  app.add_flag(kHelpOption.Short + "," + kHelpOption.Long, FHelp);
  app.allow_extras();
  struct TGiven {
    std::vector<std::string> Values;
    bool On = false;  // a flag: "--start", "--start=yes"; off by "--start=no"
    CLI::Option* Option = nullptr;
  };
  std::vector<TGiven> given(spec.Options.size());
  for (std::size_t i = 0; i < spec.Options.size(); ++i) {
    const TOptionSpec& o = spec.Options[i];
    const std::string names = o.Short.empty() ? o.Long : o.Short + "," + o.Long;
    given[i].Option = o.IsFlag() ? app.add_flag(names, given[i].On)
                                 : app.add_option(names, given[i].Values)->type_name(o.ValueName);
    given[i].Option->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  }
  std::vector<std::string> operands;
  if (!spec.Operand.empty()) app.add_option(spec.Operand, operands);
  std::vector<std::string> reversed(args.rbegin(), args.rend());  // CLI11 takes them so
  try {
    app.parse(reversed);
  } catch (const CLI::ParseError& e) {
    throw TUsageError(e.what());
  }
  for (const std::string& extra : app.remaining()) {
    if (extra == "--") continue;  // the end of the options, kept among the extras
    throw TUsageError(extra.size() > 1 && extra[0] == '-'
                          ? "unknown option " + extra
                          : "unexpected argument \"" + extra + "\"");
  }
  if (operands.size() > 1) throw TUsageError("unexpected argument \"" + operands[1] + "\"");
  for (std::size_t i = 0; i < given.size(); ++i) {
    const TOptionSpec& o = spec.Options[i];
    if (given[i].Option->count() > 1) throw TUsageError(o.Long + " is given twice");
    if (o.IsFlag() ? given[i].On : !given[i].Values.empty())
      FValues.emplace(o.Long, o.IsFlag() ? "" : given[i].Values.front());
  }
  if (!operands.empty()) FOperand = operands.front();
}

const TOptionSpec& TArguments::Find(const std::string& name) const {
  for (const TOptionSpec& o : FSpec.Options)
    if (name == o.Long || (!o.Short.empty() && name == o.Short)) return o;
  throw TUsageError("unknown option " + name);
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
