#pragma once
// Paths as the program spells them: GBK bytes with '\' between components, relative to a base
// directory (the current directory, or the program directory for the settings file). On disk each
// component is looked up by its UTF-8 name and, where that exact name is missing, matched against
// the directory's entries without regard to ASCII letter case, so "Data\唐诗鉴赏" and "data\唐诗鉴赏"
// reach the same directory.

#include <filesystem>
#include <string>

namespace veyrin {

// The on-disk path for `programPath` below `base`. Components that exist are replaced by their real
// spelling; a component that matches nothing is kept as written (so creating a new file works).
std::filesystem::path resolveProgramPath(const std::filesystem::path& base, const std::string& programPath);

// Reads the whole file; throws AppError "Cannot open file <programPath>" when it cannot be read.
std::string readWholeFile(const std::filesystem::path& base, const std::string& programPath);

// Writes the bytes to a temporary file beside the target and renames it over the target, so a
// failed or interrupted write never leaves a truncated file. Throws "Cannot create file
// <programPath>" when the directory is missing, the target is read-only or the write fails.
void writeFileAtomically(const std::filesystem::path& base, const std::string& programPath,
                         const std::string& bytes);

}  // namespace veyrin
