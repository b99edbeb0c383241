// The tollenspiegel program as people run it: exit statuses, help, messages, and
// the command lines README shows, run from the repository and from elsewhere.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

struct TRun {
  int Status = -1;
  std::string Out, Err;
};

std::string Text(const fs::path& file) {
  std::ifstream in(file);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

int LineCount(const std::string& text) {
  return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

// Runs the tool with `arguments` (shell words) in `dir`; its output is caught in a
// folder of the call's own, so runs in parallel do not mix.
TRun RunTool(const std::string& arguments, const fs::path& dir = fs::current_path()) {
  const TestSupport::TTempFolder io("tool-run");
  const fs::path out = io / "out", err = io / "err";
  const std::string command = "cd '" + dir.string() + "' && '" TOLLEN_TOOL "' " + arguments +
                              " </dev/null >'" + out.string() + "' 2>'" + err.string() + "'";
  const int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Text(out), Text(err)};
}

TEST(ToolRun, HelpAndVersionAnswerWithStatusZero) {
  TRun version = RunTool("--version");
  EXPECT_EQ(version.Status, 0);
  EXPECT_EQ(version.Out.rfind("tollenspiegel ", 0), 0u) << version.Out;
  TRun help = RunTool("--help");
  EXPECT_EQ(help.Status, 0);
  for (const char* command : {"render", "view", "design", "sheet", "package"}) {
    EXPECT_NE(help.Out.find(std::string("  ") + command + " "), std::string::npos) << command;
    TRun own = RunTool(std::string(command) + " --help");
    EXPECT_EQ(own.Status, 0) << command;
    EXPECT_NE(own.Out.find(std::string("usage: tollenspiegel ") + command), std::string::npos);
  }
}

TEST(ToolRun, UsageErrorsGiveOneLineAndStatusTwo) {
  for (const char* arguments : {"", "frob", "render --wobble", "render -o x.jpg", "render --fps 0",
                                "view a.form b.form", "sheet extra"}) {
    TRun run = RunTool(arguments);
    EXPECT_EQ(run.Status, 2) << arguments;
    EXPECT_EQ(LineCount(run.Err), 1) << arguments << ": " << run.Err;
  }
  EXPECT_NE(RunTool("frob").Err.find("unknown command \"frob\" (commands: render, view"),
            std::string::npos);
}

TEST(ToolRun, FailuresGiveTheSystemsReasonAndStatusOne) {
  const TestSupport::TTempFolder scratch("tool-run-failures");
  const fs::path& dir = scratch.Path();
  TRun noFolder = RunTool("render --at 10:00 -o missing/x.png", dir);
  EXPECT_EQ(noFolder.Status, 1);
  EXPECT_NE(noFolder.Err.find("Cannot create missing/x.png: No such file or directory"),
            std::string::npos)
      << noFolder.Err;
  TRun noForm = RunTool("render none.form -o x.png", dir);
  EXPECT_EQ(noForm.Status, 1);
  EXPECT_NE(noForm.Err.find("Cannot open none.form: No such file or directory"), std::string::npos)
      << noForm.Err;
}

// A film whose frames and sound are missing: each name is told once, with the
// form's file name; --strict makes that a failure.
TEST(ToolRun, MissingNamesAreReportedOnceEach) {
  const TestSupport::TTempFolder scratch("tool-run-missing");
  const fs::path& dir = scratch.Path();
  fs::create_directories(dir / "forms");
  std::ofstream(dir / "forms/film.form")
      << "object F: TForm\n Width = 40\n Height = 40\n object Film1: TFilm\n"
         "  Width = 40\n  Height = 40\n  Geluid = 'weg.wav'\n  Starten = StartMeteen\n"
         "  Frames.Strings = (\n   'weg1.bmp'\n   'weg2.bmp')\n end\nend\n";
  TRun run = RunTool("render forms/film.form -o film.gif --seconds 1", dir);
  EXPECT_EQ(run.Status, 0) << run.Err;
  for (const char* name : {"weg.wav", "weg1.bmp", "weg2.bmp"}) {
    const std::string line = std::string("forms/film.form: cannot find ") + name + "\n";
    const std::size_t first = run.Err.find(line);
    EXPECT_NE(first, std::string::npos) << run.Err;
    EXPECT_EQ(run.Err.find(line, first + 1), std::string::npos) << name << " twice";
  }
  EXPECT_EQ(RunTool("render forms/film.form -o film.png --strict", dir).Status, 1);
}

// README's example command lines ("    $ tollenspiegel ...").
std::vector<std::string> ReadmeCommands() {
  std::istringstream readme(Text(fs::path(TOLLEN_SOURCE_ROOT) / "README.md"));
  const std::string prompt = "    $ tollenspiegel ";
  std::vector<std::string> commands;
  for (std::string line; std::getline(readme, line);)
    if (line.rfind(prompt, 0) == 0) commands.push_back(line.substr(prompt.size()));
  return commands;
}

// `words` with every word that starts with `from` starting with `to` instead.
std::string Rebase(const std::string& words, const std::string& from, const std::string& to) {
  std::istringstream in(words);
  std::string result;
  for (std::string w; in >> w;)
    result +=
        (result.empty() ? "" : " ") + (w.rfind(from, 0) == 0 ? to + w.substr(from.size()) : w);
  return result;
}

TEST(ToolRun, ReadmeCommandsRunFromTheRepositoryAndFromElsewhere) {
  const std::vector<std::string> commands = ReadmeCommands();
  ASSERT_GE(commands.size(), 4u);
  const fs::path root = TOLLEN_SOURCE_ROOT;
  fs::create_directories(root / "out");
  const TestSupport::TTempFolder scratch("tool-run-elsewhere");
  const fs::path& elsewhere = scratch.Path();
  fs::create_directories(elsewhere / "out");
  const std::string up = fs::relative(root, elsewhere).string() + "/";
  for (const std::string& command : commands) {
    TRun here = RunTool(command, root);
    EXPECT_EQ(here.Status, 0) << command << "\n" << here.Err;
    const std::string moved = Rebase(command, "examples/", up + "examples/");
    TRun there = RunTool(moved, elsewhere);
    EXPECT_EQ(there.Status, 0) << moved << "\n" << there.Err;
  }
}

}  // namespace
