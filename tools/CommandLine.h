// The tool's command lines: every command declares its options once, and the
// parsing (by CLI11), the help text, the manual page and the shell completion all
// read that declaration.
//
// Options are long ("--fps 12.5" or "--fps=12.5"), some with a one-letter form
// ("-o out.png", "-oout.png"); a flag stands alone or takes yes or no
// ("--start=no"); "--" ends the options. A command takes at most one operand (a
// form file, a package). Every option has its default in the declaration, and a
// value read back is the one given or that default. Anything the declaration does
// not allow, an option given twice included, raises TUsageError, which the tool
// reports in one line with status 2.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "SysUtils.h"

namespace Tools {

// A command line the declarations do not allow (exit status 2).
class TUsageError : public SysUtils::Exception {
 public:
  using SysUtils::Exception::Exception;
};

struct TOptionSpec {
  std::string Long;       // "--fps"
  std::string Short;      // "-o", or empty
  std::string ValueName;  // "F"; empty for a flag
  std::string Default;    // the value when not given; empty for none
  std::string Help;       // one line
  bool IsFlag() const { return ValueName.empty(); }
};

struct TCommandSpec {
  std::string Name;
  std::string Summary;      // one line
  std::string Operand;      // "FORM", or empty for none
  std::string OperandHelp;  // what an omitted operand means
  std::vector<TOptionSpec> Options;
  std::string Details;  // paragraphs after the options, may be empty
};

// The arguments of one command, checked against its declaration.
class TArguments {
 public:
  TArguments(const TCommandSpec& spec, const std::vector<std::string>& args);

  bool Has(const std::string& longName) const { return FValues.contains(longName); }
  // The value given, or the declared default.
  std::string Value(const std::string& longName) const;
  // The value as a finite number; a bad one raises TUsageError.
  double Number(const std::string& longName) const;
  const std::optional<std::string>& Operand() const { return FOperand; }
  bool WantsHelp() const { return FHelp; }

 private:
  const TOptionSpec& Find(const std::string& name) const;

  const TCommandSpec& FSpec;
  std::map<std::string, std::string> FValues;
  std::optional<std::string> FOperand;
  bool FHelp = false;
};

// "tollenspiegel render [FORM] [OPTIONS]" and every option with its default.
std::string CommandHelp(const TCommandSpec& spec);

}  // namespace Tools
