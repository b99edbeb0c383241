// The manual page and the bash completion: made from the command declarations,
// committed up to date, and the completion completing.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "Commands.h"
#include "ManualPage.h"

namespace {

std::string Committed(const std::string& name) {
  std::ifstream in(std::string(TOLLEN_SOURCE_ROOT) + "/tools/" + name);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(ManualPage, TheCommittedFilesAreUpToDate) {
  EXPECT_EQ(Committed("tollenspiegel.1"), Tools::ManualPage())
      << "run: tollenspiegel --manual > tools/tollenspiegel.1";
  EXPECT_EQ(Committed("tollenspiegel.bash"), Tools::BashCompletion())
      << "run: tollenspiegel --completion > tools/tollenspiegel.bash";
}

TEST(ManualPage, NamesEveryCommandAndOption) {
  const std::string page = Tools::ManualPage();
  auto roff = [](std::string text) {
    for (std::size_t at = 0; (at = text.find('-', at)) != std::string::npos; at += 2)
      text.insert(at, "\\");
    return text;
  };
  for (const Tools::TCommandSpec& spec : Tools::CommandSpecs()) {
    EXPECT_NE(page.find(".SS \"" + spec.Name), std::string::npos) << spec.Name;
    for (const Tools::TOptionSpec& o : spec.Options)
      EXPECT_NE(page.find("\\fB" + roff(o.Long) + "\\fR"), std::string::npos) << o.Long;
  }
}

// What bash offers after `words`, the last being the word being completed.
std::string Complete(const std::string& words) {
  const std::string script = std::string(TOLLEN_SOURCE_ROOT) + "/tools/tollenspiegel.bash";
  const std::string command = "bash -c 'source \"" + script + "\"; COMP_WORDS=(" + words +
                              "); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _tollenspiegel; "
                              "echo \"${COMPREPLY[*]}\"'";
  std::FILE* pipe = popen(command.c_str(), "r");
  std::string out;
  char buffer[256];
  while (pipe && std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
  if (pipe) pclose(pipe);
  return out;
}

TEST(BashCompletion, CompletesCommandsAndTheirOptions) {
  const std::vector<std::pair<std::string, std::string>> cases{
      {"tollenspiegel ren", "render\n"},        {"tollenspiegel --v", "--version\n"},
      {"tollenspiegel render --f", "--fps\n"},  {"tollenspiegel package --e", "--exports\n"},
      {"tollenspiegel render --at \"\"", "\n"},
  };
  for (const auto& [words, offered] : cases) EXPECT_EQ(Complete(words), offered) << words;
}

}  // namespace
