// Reading and writing components in the host's text form format.
//
// Writing walks each component's published properties in their order and writes
// the stored ones (a sub-object's property also when it differs from what the
// owner's constructor gives it, so reading the text back loses nothing): enumerations and colours
// by name, sets in brackets, strings quoted, string lists as `Name.Strings = (...)`, persistent
// sub-objects as nested paths (`Pen.Color`), events as method names. The components a root owns are
// written inside it, each inside its parent component.
//
// Reading creates each component by its class name (Classes::GetClass) with the
// root as owner and its enclosing object as parent component, in the loading
// state, and sets the properties in the order the file gives. Events are bound to
// the root's published methods by name once the whole file is read; then Loaded
// runs on every component, root first. A bad file raises EReadError naming the
// file, line and column; nothing of a failed read survives. A setter that refuses
// a value (a form larger than the host allows, say) fails the read at that value.
// Given an `expected` class, a root of any other class is refused at its object
// line before anything is made. Read for a designer (`designing`), every
// component is in the designing state from its creation, so Loaded starts no
// animation that only runs at run time.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "Classes.h"
#include "Classes/FormParser.h"

namespace Classes {

inline constexpr std::size_t kMaxFormFileSize = std::size_t{64} << 20;

std::unique_ptr<TComponent> ReadComponentText(std::string_view text,
                                              const std::string& source = "<form>",
                                              System::TClass expected = nullptr,
                                              bool designing = false);
std::unique_ptr<TComponent> ReadComponentFile(const std::string& path,
                                              System::TClass expected = nullptr,
                                              bool designing = false);

std::string WriteComponentText(const TComponent& root);
void WriteComponentFile(const TComponent& root, const std::string& path);

}  // namespace Classes
