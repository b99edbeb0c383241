#include "FormText.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "SysUtils.h"

namespace Tools {

namespace {

bool IsIdentChar(char c, bool first) {
  const auto u = static_cast<unsigned char>(c);
  return c == '_' || std::isalpha(u) || (!first && std::isdigit(u));
}

// "object Vorm1: TVorm" as name and class; false for any other line.
bool ReadHeader(const std::string& line, TObjectBlock& block) {
  std::istringstream words(line);
  std::string keyword, name, cls;
  if (!(words >> keyword >> name >> cls) || keyword != "object") return false;
  if (name.size() < 2 || name.back() != ':') return false;
  name.pop_back();
  if (!IsValidIdent(name) || !IsValidIdent(cls)) return false;
  block.Name = name;
  block.ClassName = cls;
  return true;
}

std::string Indented(const std::string& text) {
  std::string out;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) out += "  " + line + "\n";
  return out;
}

}  // namespace

bool IsValidIdent(std::string_view name) {
  if (name.empty() || name.size() > 255) return false;
  for (std::size_t i = 0; i < name.size(); ++i)
    if (!IsIdentChar(name[i], i == 0)) return false;
  return true;
}

std::vector<TObjectBlock> SplitObjects(std::string_view text) {
  std::vector<TObjectBlock> blocks;
  std::istringstream lines{std::string(text)};
  int number = 0;
  for (std::string line; std::getline(lines, line);) {
    ++number;
    const bool atMargin = !line.empty() && line[0] != ' ' && line[0] != '\t';
    if (atMargin && line.rfind("end", 0) != 0) {
      TObjectBlock block;
      if (!ReadHeader(line, block))
        throw SysUtils::Exception("clipboard:" + std::to_string(number) +
                                  ":1: expected \"object NAME: CLASS\"");
      blocks.push_back(block);
    } else if (blocks.empty() && line.find_first_not_of(" \t\r") != std::string::npos) {
      throw SysUtils::Exception("clipboard:" + std::to_string(number) +
                                ":1: expected \"object NAME: CLASS\"");
    }
    if (!blocks.empty()) blocks.back().Text += line + "\n";
  }
  return blocks;
}

TObjectBlock ObjectOf(const std::string& formText, const std::string& name) {
  const std::size_t header = formText.find("\n  object " + name + ": ");
  const std::size_t end = formText.find("\n  end\n", header);
  if (header == std::string::npos || end == std::string::npos)
    throw SysUtils::Exception("the form holds no " + name);
  std::string text;
  std::istringstream lines(formText.substr(header + 1, end + 6 - header));
  for (std::string line; std::getline(lines, line);)
    text += line.substr(std::min<std::size_t>(2, line.size())) + "\n";
  std::vector<TObjectBlock> blocks = SplitObjects(text);
  return blocks.front();
}

TObjectBlock Renamed(const TObjectBlock& block, const std::string& name) {
  TObjectBlock out = block;
  out.Name = name;
  const std::size_t eol = block.Text.find('\n');
  out.Text = "object " + name + ": " + block.ClassName + block.Text.substr(eol);
  return out;
}

std::string InsertObjects(const std::string& formText, const std::vector<TObjectBlock>& blocks,
                          bool atBack) {
  std::string inserted;
  for (const TObjectBlock& b : blocks) inserted += Indented(b.Text);
  std::size_t at = formText.rfind("end");
  if (atBack) {
    const std::size_t child = formText.find("\n  object ");
    if (child != std::string::npos) at = child + 1;
  }
  return formText.substr(0, at) + inserted + formText.substr(at);
}

}  // namespace Tools
