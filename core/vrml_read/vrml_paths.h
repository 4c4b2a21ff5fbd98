#pragma once
// File names met while reading: top files and WWWInline names, which come
// from Windows ("..\\parts\\A.WRL", "C:\\data\\x.wrl") as often as from Unix.

#include <string>

namespace vantor {

// Absolute, lexically normalised form of `path` ("/" separators).
std::string NormalizedPath(const std::string& path);
// Folder of a normalised path with a trailing "/".
std::string FolderOf(const std::string& path);
// Last component of a path (either separator).
std::string FileNameOf(const std::string& path);

// Resolves an inline name against `currentFolder` (with trailing "/"):
// "\\" and "/" both separate, a leading separator or a drive form "C:\\"
// is absolute, "..\\" and "../" step up. The result is normalised.
std::string ResolveInlineName(const std::string& name, const std::string& currentFolder);

// When `path` does not exist, looks for an existing file whose components
// match case-insensitively (files written on Windows often differ in case).
// Returns the found path, or `path` unchanged.
std::string MatchPathCase(const std::string& path);

}  // namespace vantor
