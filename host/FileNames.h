// File names of the run-time library.
//
// Names are kept as the user wrote them, with "\" or "/" as separators, so films
// and forms made on the platform keep their names. Only where a name touches the
// disk is it turned into the native form, by NativePath.
#pragma once

#include <functional>
#include <string>

namespace SysUtils {

// `path` with every "\" and "/" made the native separator. Nothing else changes:
// a doubled separator stays doubled (the disk reads it as one), and a name that
// meant a backslash as a character gives that up, as the platform itself would.
std::string NativePath(const std::string& path);

// Whether `name` names a regular file that exists (a folder does not count); "\"
// and "/" both separate folders. An empty name, or one holding a NUL, names none.
bool FileExists(const std::string& name);

// The file's own name: what follows the last "\" or "/" (or the drive of a name
// like "C:a.bmp"), as written.
std::string ExtractFileName(const std::string& name);
// The folder part, up to and including that last separator; "" when there is none.
std::string ExtractFilePath(const std::string& name);

// The run-time library passes every name it was asked to open and found missing
// (a picture file, a sound file) to the missing-file hook, when one is set, so a
// program can report what its forms name but lacks. The library itself goes on as
// it always does (an exception, the default sound).
using TMissingFileHook = std::function<void(const std::string& name)>;
// Sets the hook; an empty one removes it.
void SetMissingFileHook(TMissingFileHook hook);
void ReportMissingFile(const std::string& name);

}  // namespace SysUtils
