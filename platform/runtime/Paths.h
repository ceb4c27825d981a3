#pragma once
// Path splitting and the two directories the library needs to know about.

#include <string>

// The separators of a path: "\" and ":" as in data files made on Windows, and "/" here.
bool IsPathDelimiter(char C);

// The text after the last separator (the whole text when there is none).
std::string ExtractFileName(const std::string &Path);
// The text up to and including the last separator (empty when there is none).
std::string ExtractFilePath(const std::string &Path);

// Full path of the running executable.
std::string ExecutablePath();

// Where a data file named without a directory lives: $XDG_DATA_HOME, else ~/.local/share.
std::string SystemDataDirectory();
