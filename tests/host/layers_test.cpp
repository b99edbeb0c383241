// The host's layers: the ordered list in docs/ARCHITECTURE.md against the includes
// of every file in host/.
//
// A list item is one layer, the bottom first; each name in back quotes in it is
// one unit: "Dir/" stands for every file under that folder, "*" for any run of
// characters within a name. A file may include files of its own layer and of the
// layers before it; the units of the host include each other in no circle.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kSource = TOLLEN_SOURCE_ROOT;

struct TUnit {
  std::string Pattern;
  int Layer = 0;
};

// Whether `name` matches `glob`, where "*" is any run of characters but "/".
bool GlobMatches(std::string_view glob, std::string_view name) {
  if (glob.empty()) return name.empty();
  if (glob.front() == '*')
    for (std::size_t skip = 0;; ++skip) {
      if (GlobMatches(glob.substr(1), name.substr(skip))) return true;
      if (skip == name.size() || name[skip] == '/') return false;
    }
  return !name.empty() && glob.front() == name.front() &&
         GlobMatches(glob.substr(1), name.substr(1));
}

// Whether `path` (relative to host/) belongs to the unit written `pattern`.
bool Matches(const std::string& pattern, const std::string& path) {
  return pattern.ends_with('/') ? path.starts_with(pattern) : GlobMatches(pattern, path);
}

// The units of the list under the heading "## Layers of the host".
std::vector<TUnit> ReadLayers() {
  std::ifstream doc(kSource / "docs" / "ARCHITECTURE.md");
  std::vector<TUnit> units;
  bool inList = false;
  int layer = 0;
  const std::regex item(R"(^(\d+)\. )"), quoted("`([^`]+)`");
  for (std::string line; std::getline(doc, line);) {
    if (line.starts_with("## ")) inList = line == "## Layers of the host";
    std::smatch m;
    if (!inList || !std::regex_search(line, m, item)) continue;
    layer = std::stoi(m[1]);
    for (std::sregex_iterator q(line.begin(), line.end(), quoted), end; q != end; ++q)
      units.push_back({(*q)[1], layer});
  }
  return units;
}

std::vector<std::string> HostFiles() {
  std::vector<std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(kSource / "host")) {
    const fs::path& p = entry.path();
    if (p.extension() == ".h" || p.extension() == ".cpp")
      files.push_back(p.lexically_relative(kSource / "host").generic_string());
  }
  return files;
}

std::vector<std::string> QuotedIncludes(const std::string& file) {
  std::ifstream in(kSource / "host" / file);
  const std::regex include(R"re(^\s*#\s*include\s*"([^"]+)")re");
  std::vector<std::string> names;
  std::smatch m;
  for (std::string line; std::getline(in, line);)
    if (std::regex_search(line, m, include)) names.push_back(m[1]);
  return names;
}

std::vector<const TUnit*> UnitsOf(const std::vector<TUnit>& units, const std::string& file) {
  std::vector<const TUnit*> found;
  for (const TUnit& u : units)
    if (Matches(u.Pattern, file)) found.push_back(&u);
  return found;
}

class Layers : public ::testing::Test {
 protected:
  void SetUp() override {
    FUnits = ReadLayers();
    ASSERT_FALSE(FUnits.empty()) << "docs/ARCHITECTURE.md lists no layers of the host";
    FFiles = HostFiles();
  }

  // The file's unit; null when it has none or more than one.
  const TUnit* UnitOf(const std::string& file) const {
    std::vector<const TUnit*> found = UnitsOf(FUnits, file);
    return found.size() == 1 ? found.front() : nullptr;
  }

  std::vector<TUnit> FUnits;
  std::vector<std::string> FFiles;
};

TEST_F(Layers, EveryHostFileIsInOneUnitAndEveryUnitHasFiles) {
  for (const std::string& file : FFiles)
    EXPECT_EQ(UnitsOf(FUnits, file).size(), 1u)
        << "host/" << file << " must be in exactly one unit of the layer list";
  for (const TUnit& u : FUnits)
    EXPECT_TRUE(std::any_of(FFiles.begin(), FFiles.end(),
                            [&](const std::string& f) { return Matches(u.Pattern, f); }))
        << u.Pattern << " names no file of host/";
}

TEST_F(Layers, FilesIncludeOnlyHostFilesOfTheirLayerOrBelow) {
  for (const std::string& file : FFiles) {
    const TUnit* unit = UnitOf(file);
    if (unit == nullptr) continue;  // reported above
    for (const std::string& name : QuotedIncludes(file)) {
      const TUnit* used = UnitOf(name);
      if (!fs::exists(kSource / "host" / name) || used == nullptr) {
        ADD_FAILURE() << "host/" << file << " includes \"" << name << "\", no listed host file";
        continue;
      }
      EXPECT_LE(used->Layer, unit->Layer)
          << "host/" << file << " (layer " << unit->Layer << ") includes " << name << " (layer "
          << used->Layer << ")";
    }
  }
}

TEST_F(Layers, UnitsIncludeEachOtherInNoCircle) {
  std::map<std::string, std::set<std::string>> uses;
  for (const std::string& file : FFiles)
    if (const TUnit* unit = UnitOf(file))
      for (const std::string& name : QuotedIncludes(file))
        if (const TUnit* used = UnitOf(name); used != nullptr && used != unit)
          uses[unit->Pattern].insert(used->Pattern);
  // Depth-first: a unit met again while it is still on the path closes a circle.
  std::map<std::string, int> state;  // 1 on the path, 2 done
  std::vector<std::string> path;
  std::function<void(const std::string&)> visit = [&](const std::string& u) {
    state[u] = 1;
    path.push_back(u);
    for (const std::string& next : uses[u]) {
      if (state[next] == 1) {
        std::ostringstream circle;
        for (auto it = std::find(path.begin(), path.end(), next); it != path.end(); ++it)
          circle << *it << " -> ";
        ADD_FAILURE() << "include circle: " << circle.str() << next;
      } else if (state[next] == 0) {
        visit(next);
      }
    }
    path.pop_back();
    state[u] = 2;
  };
  for (const TUnit& u : FUnits)
    if (state[u.Pattern] == 0) visit(u.Pattern);
}

}  // namespace
