// Small helpers on paths and words that several layers need: one spelling of
// each, so that the batch tool, the file layer and the session agree.
#pragma once
#include <string>

namespace pixmora {

// ASCII letters made small; other bytes (UTF-8 included) stay as they are.
std::string Lower(std::string text);

// The folder part of a path, without its trailing '/': "." for a bare name,
// "/" for a file in the root.
std::string FolderOf(const std::string& path);
// The last part of a path: "x.png" of "a/b/x.png".
std::string BaseName(const std::string& path);
// The base name without its last extension ("x" of "a/x.png"; a leading dot
// is part of the name).
std::string StemOf(const std::string& path);
// The last extension, without the dot, as written ("" when there is none).
std::string ExtensionOf(const std::string& path);

// The folder of the running executable, with its trailing '/'.
std::string ProgramFolder();
// True when the path exists and is a folder.
bool IsFolder(const std::string& path);

}  // namespace pixmora
