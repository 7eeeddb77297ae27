#pragma once
// Whole-file replacement for files the program rewrites: the new bytes go to a temporary file
// beside the target, which is then renamed over it, so a failed or interrupted write never leaves
// a truncated file behind.

#include <filesystem>
#include <string>

namespace veyrin {

// Replaces the file's content with `bytes`, creating the file when it does not exist. Returns
// false, with the target untouched, when the write is refused: the directory is missing, the
// target is a directory or read-only, permission is lacking, or the disk rejects the bytes.
// A symbolic link is written through, so the link stays a link.
[[nodiscard]] bool replaceFileContents(const std::filesystem::path& target, const std::string& bytes);

}  // namespace veyrin
