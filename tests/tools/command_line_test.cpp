// The argument parser and the render command's choice of output.
#include <gtest/gtest.h>

#include "CommandLine.h"
#include "Commands.h"
#include "Render.h"

namespace {

using Tools::TArguments;
using Tools::TUsageError;

const Tools::TCommandSpec kSpec{"try",
                                "A command to try the parser on.",
                                "FILE",
                                "a file",
                                {{"--output", "-o", "FILE", "a.png", "where"},
                                 {"--fps", "", "F", "25", "rate"},
                                 {"--start", "", "", "", "a flag"}},
                                ""};

TEST(CommandLine, ReadsValuesInEveryFormAndFallsBackToDefaults) {
  TArguments a(kSpec, {"in.form", "-o", "x.gif", "--fps=12.5", "--start"});
  EXPECT_EQ(a.Operand(), "in.form");
  EXPECT_EQ(a.Value("--output"), "x.gif");
  EXPECT_DOUBLE_EQ(a.Number("--fps"), 12.5);
  EXPECT_TRUE(a.Has("--start"));
  TArguments none(kSpec, {});
  EXPECT_FALSE(none.Operand());
  EXPECT_EQ(none.Value("--output"), "a.png");
  EXPECT_DOUBLE_EQ(none.Number("--fps"), 25);
  EXPECT_FALSE(none.Has("--start"));
  EXPECT_TRUE(TArguments(kSpec, {"-o", "-h"}).Value("--output") == "-h");
  EXPECT_TRUE(TArguments(kSpec, {"--start", "--help"}).WantsHelp());
  EXPECT_EQ(TArguments(kSpec, {"-ox.gif"}).Value("--output"), "x.gif");
  EXPECT_EQ(TArguments(kSpec, {"--fps", "-3"}).Number("--fps"), -3);
  EXPECT_EQ(TArguments(kSpec, {"--", "-weird.form"}).Operand(), "-weird.form");
  EXPECT_TRUE(TArguments(kSpec, {"--start=yes"}).Has("--start"));
  EXPECT_FALSE(TArguments(kSpec, {"--start=no"}).Has("--start"));
}

TEST(CommandLine, RefusesWhatTheDeclarationDoesNotAllowInOneLine) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> bad{
      {{"--wobble"}, "unknown option --wobble"},
      {{"-x"}, "unknown option -x"},
      {{"a.form", "b.form"}, "unexpected argument \"b.form\""},
      {{"-o", "a", "--output", "b"}, "--output is given twice"},
      {{"--start", "--start"}, "--start is given twice"},
      {{"--fps"}, "--fps: 1 required F missing"},
  };
  for (const auto& [args, message] : bad) {
    try {
      TArguments(kSpec, args);
      ADD_FAILURE() << args[0] << " was taken";
    } catch (const TUsageError& e) {
      EXPECT_EQ(std::string(e.what()), message);
    }
  }
  EXPECT_THROW(TArguments(kSpec, {"--start=maybe"}), TUsageError);
  EXPECT_THROW(TArguments(kSpec, {"--fps", "fast"}).Number("--fps"), TUsageError);
  EXPECT_THROW(TArguments(kSpec, {"--fps", "inf"}).Number("--fps"), TUsageError);
}

TEST(CommandLine, HelpListsEveryOptionWithItsDefault) {
  for (const Tools::TCommandSpec& spec : Tools::CommandSpecs()) {
    const std::string help = Tools::CommandHelp(spec);
    for (const Tools::TOptionSpec& o : spec.Options) {
      EXPECT_NE(help.find(o.Long), std::string::npos) << spec.Name << " " << o.Long;
      if (!o.Default.empty()) {
        EXPECT_NE(help.find("(default: " + o.Default + ")"), std::string::npos) << o.Long;
      }
    }
  }
  EXPECT_THROW(Tools::CommandSpec("frob"), TUsageError);
}

TEST(RenderOutput, TheNameChoosesTheKind) {
  using enum Tools::TOutputKind;
  const std::vector<std::pair<std::string, Tools::TOutputKind>> good{
      {"a.png", Still},    {"out/a.gif", Animation}, {"frames/%04d.png", Frames},
      {"f%d.png", Frames}, {"x/%3d.png", Frames},
  };
  for (const auto& [name, kind] : good) EXPECT_EQ(Tools::OutputKindOf(name), kind) << name;
  for (const char* bad :
       {"x.jpg", "x", "a.png.bmp", "%04d.gif", "%s.png", "%d%d.png", "%x.png", "%0123456789d.png"})
    EXPECT_THROW(Tools::OutputKindOf(bad), TUsageError) << bad;
  EXPECT_EQ(Tools::FrameFileName("frames/%04d.png", 7), "frames/0007.png");
  EXPECT_EQ(Tools::FrameFileName("f%d.png", 12), "f12.png");
  EXPECT_EQ(Tools::FrameFileName("f%2d.png", 123), "f123.png");
}

}  // namespace
