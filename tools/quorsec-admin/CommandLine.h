#pragma once
// The parsed command line of quorsec-admin and the errors that map onto its exit codes.

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

enum ExitCode { ExitDone = 0, ExitRefused = 1, ExitUsage = 2, ExitFileError = 3 };

// A malformed command line: exit 2.
class EUsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Nothing to do or not allowed (not found, already there, refused): exit 1.
class ERefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct TCommandLine {
  std::string Command;
  std::vector<std::string> Operands;
  std::string FileKey;  // the empty key when neither --key nor --key-file is given
  std::optional<std::string> Password;
  bool Admin = false;
  bool Help = false;
};

// Options may stand anywhere after the program name; "--" ends them. Throws EUsageError, and
// EInOutError when the key file cannot be read.
TCommandLine ParseCommandLine(const std::vector<std::string> &Arguments);

// A bare file name means the current directory here, not the library's default data directory.
std::string DataFilePath(const std::string &Operand);
