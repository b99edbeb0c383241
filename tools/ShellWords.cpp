#include "ShellWords.h"

#include "SysUtils.h"

namespace Tools {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Reads the quoted part starting at `at` (the quote) into `word`; gives the index
// after the closing quote.
std::size_t Quoted(const std::string& line, std::size_t at, std::string& word) {
  const char quote = line[at];
  for (std::size_t i = at + 1; i < line.size(); ++i) {
    if (line[i] != quote) {
      word += line[i];
      continue;
    }
    if (quote == '\'' && i + 1 < line.size() && line[i + 1] == '\'') {
      word += '\'';
      ++i;
      continue;
    }
    return i + 1;
  }
  throw SysUtils::Exception(std::string("the quote ") + quote + " at column " +
                            std::to_string(at + 1) + " is not closed");
}

}  // namespace

std::vector<std::string> ShellWords(const std::string& line) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < line.size()) {
    if (IsBlank(line[i])) {
      ++i;
      continue;
    }
    std::string word;
    while (i < line.size() && !IsBlank(line[i])) {
      if (line[i] == '"' || line[i] == '\'')
        i = Quoted(line, i, word);
      else
        word += line[i++];
    }
    words.push_back(std::move(word));
  }
  return words;
}

}  // namespace Tools
