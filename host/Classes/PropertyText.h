// Property values as text, the way form files write them: one place for the writer,
// the reader and the designer's property editors.
//
// Integers (by name where their type has names, as colours), enumerations by name,
// sets in brackets, floats, strings quoted with #n for control characters.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Classes/FormParser.h"
#include "TypInfo.h"

namespace Classes {

// The value of a non-object, non-event property as a form file writes it.
std::string ValueText(const System::TObject& instance, const TypInfo::TPropInfo& prop);

// 'quoted' text, with '' for a quote and #n for control and non-ASCII characters.
std::string QuotedString(std::string_view s);

// Sets a non-object, non-event property from a parsed value; raises EReadError at
// the value's position in `source` when it does not fit the property.
void SetValue(System::TObject& instance, const TypInfo::TPropInfo& prop, const TFormValue& value,
              const std::string& source);

// The strings of a list value, "('one' 'two')"; raises EReadError at the first
// item that is not a string, or when the value is not a list.
std::vector<std::string> StringsOf(const TFormValue& list, const std::string& source);

// Parses `text` as one value and sets it; for strings, text that is not quoted is
// taken as it stands.
void SetValueText(System::TObject& instance, const TypInfo::TPropInfo& prop,
                  const std::string& text);

}  // namespace Classes
