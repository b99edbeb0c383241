// Pieces of form text the designer moves around: the clipboard holds components
// as form text (one "object NAME: CLASS ... end" block each, at the left margin),
// and pasting or restacking puts such blocks into the text of a whole form, as
// the form writer lays it out (children two spaces in, the form's "end" last).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace Tools {

struct TObjectBlock {
  std::string Name;
  std::string ClassName;
  std::string Text;  // the whole block, header line included
};

// The top-level blocks of clipboard text; raises SysUtils::Exception when a
// block has no "object NAME: CLASS" line to start it.
std::vector<TObjectBlock> SplitObjects(std::string_view text);

// The block of the form's child `name` in the text of a whole form, moved to the
// left margin; raises SysUtils::Exception when the form has no such child.
TObjectBlock ObjectOf(const std::string& formText, const std::string& name);

// The block under another name.
TObjectBlock Renamed(const TObjectBlock& block, const std::string& name);

// `formText` with the blocks put in as the form's last children (drawn on top)
// or, `atBack`, as its first ones (drawn below the others).
std::string InsertObjects(const std::string& formText, const std::vector<TObjectBlock>& blocks,
                          bool atBack);

// Whether `name` can name a component: a letter or underscore, then letters,
// digits and underscores.
bool IsValidIdent(std::string_view name);

}  // namespace Tools
