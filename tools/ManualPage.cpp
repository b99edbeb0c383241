#include "ManualPage.h"

#include <sstream>

#include "Commands.h"

namespace Tools {

namespace {

// Text made safe for roff: backslashes and minus signs escaped, and no line
// starting with a control character.
std::string Roff(const std::string& text) {
  std::string out;
  bool lineStart = true;
  for (char c : text) {
    if (lineStart && (c == '.' || c == '\'')) out += "\\&";
    if (c == '\\')
      out += "\\e";
    else if (c == '-')
      out += "\\-";
    else
      out += c;
    lineStart = c == '\n';
  }
  return out;
}

void ManualOption(std::ostringstream& out, const TOptionSpec& o) {
  out << ".TP\n";
  if (!o.Short.empty()) out << "\\fB" << Roff(o.Short) << "\\fR, ";
  out << "\\fB" << Roff(o.Long) << "\\fR";
  if (!o.IsFlag()) out << " \\fI" << Roff(o.ValueName) << "\\fR";
  out << "\n" << Roff(o.Help);
  if (!o.Default.empty()) out << " (default: " << Roff(o.Default) << ")";
  out << "\n";
}

void ManualCommand(std::ostringstream& out, const TCommandSpec& spec) {
  out << ".SS \"" << spec.Name;
  if (!spec.Operand.empty()) out << " [" << spec.Operand << "]";
  out << " [OPTIONS]\"\n" << Roff(spec.Summary) << "\n";
  if (!spec.Operand.empty())
    out << ".TP\n\\fI" << spec.Operand << "\\fR\n" << Roff(spec.OperandHelp) << "\n";
  for (const TOptionSpec& o : spec.Options) ManualOption(out, o);
  if (!spec.Details.empty()) out << ".PP\n" << Roff(spec.Details);
}

// "FILE.png", "FOLDER": values that name files or folders are completed as such.
std::string CompletionFor(const std::string& valueName) {
  if (valueName.find("FOLDER") != std::string::npos) return "compgen -d -- \"$cur\"";
  if (valueName.find("FILE") != std::string::npos || valueName == "FORM")
    return "compgen -f -- \"$cur\"";
  return "";
}

}  // namespace

std::string ManualPage() {
  std::ostringstream out;
  out << ".TH TOLLENSPIEGEL 1 \"\" \"" << VersionText() << "\" \"User Commands\"\n"
      << ".SH NAME\ntollenspiegel \\- draw, show, design and inspect forms of animated and "
         "decorative controls\n"
      << ".SH SYNOPSIS\n.B tollenspiegel\n.I COMMAND\n[\\fIOPTIONS\\fR]\n.br\n"
      << ".B tollenspiegel\n.I COMMAND\n.B \\-\\-help\n.br\n.B tollenspiegel \\-\\-version\n"
      << ".SH DESCRIPTION\n"
         "Reads forms stored in the host's text form format and draws them headless at a\n"
         "virtual time, shows them in a window, designs them on a terminal, sums up the\n"
         "package, or writes the reference of its controls.\n"
      << ".SH COMMANDS\n";
  for (const TCommandSpec& spec : CommandSpecs()) ManualCommand(out, spec);
  out << ".SH EXIT STATUS\n"
         ".TP\n0\nsuccess\n.TP\n1\na failure at run time (a file that cannot be read or "
         "written, a bad form)\n.TP\n2\na usage error (an unknown command or option, a bad "
         "value)\n"
      << ".SH EXAMPLES\n.nf\n"
      << Roff(
             "tollenspiegel render examples/clock.form --at 10:09:30 -o clock.png\n"
             "tollenspiegel render --start -o demo.gif --seconds 4 --fps 12.5 --sound demo.wav\n"
             "tollenspiegel render --start --seconds 2 -o frames/%04d.png\n")
      << ".fi\n";
  return out.str();
}

std::string BashCompletion() {
  std::ostringstream out;
  std::string commands;
  for (const TCommandSpec& spec : CommandSpecs()) commands += spec.Name + " ";
  out << "# bash completion for tollenspiegel; made by `tollenspiegel --completion`.\n"
         "_tollenspiegel() {\n"
         "  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}\n"
         "  if ((COMP_CWORD == 1)); then\n"
         "    COMPREPLY=($(compgen -W \""
      << commands
      << "--help --version --manual --completion\" -- \"$cur\"))\n"
         "    return\n"
         "  fi\n"
         "  case ${COMP_WORDS[1]} in\n";
  for (const TCommandSpec& spec : CommandSpecs()) {
    std::string words, values;
    for (const TOptionSpec& o : spec.Options) {
      words += (o.Short.empty() ? "" : o.Short + " ") + o.Long + " ";
      if (o.IsFlag()) continue;
      const std::string names = o.Short.empty() ? o.Long : o.Short + "|" + o.Long;
      const std::string complete = CompletionFor(o.ValueName);
      values += "        " + names + ") " +
                (complete.empty() ? "" : "COMPREPLY=($(" + complete + ")); ") + "return ;;\n";
    }
    out << "    " << spec.Name << ")\n";
    if (!values.empty()) out << "      case $prev in\n" << values << "      esac\n";
    const std::string operand = CompletionFor(spec.Operand);
    out << "      if [[ $cur == -* ]]; then\n"
        << "        COMPREPLY=($(compgen -W \"" << words << "--help\" -- \"$cur\"))\n";
    if (!operand.empty()) out << "      else\n        COMPREPLY=($(" << operand << "))\n";
    out << "      fi\n      ;;\n";
  }
  out << "  esac\n}\ncomplete -o filenames -F _tollenspiegel tollenspiegel\n";
  return out.str();
}

}  // namespace Tools
