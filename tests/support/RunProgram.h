#pragma once
// Runs a program with an exact argument vector (no shell), feeding Input on its standard input and
// collecting its exit code, standard output and standard error.

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "tests/support/TempDir.h"

struct TRunResult {
  int ExitCode = -1;
  std::string Out;
  std::string Err;
};

inline TRunResult RunProgram(const std::string &Program, const std::vector<std::string> &Arguments,
                             const std::string &Input = "") {
  TTempDir Scratch;
  const std::string In = Scratch.File("in"), Out = Scratch.File("out"), Err = Scratch.File("err");
  WriteBytes(In, std::vector<std::uint8_t>(Input.begin(), Input.end()));

  std::vector<char *> Argv;
  Argv.push_back(const_cast<char *>(Program.c_str()));
  for (const std::string &Argument : Arguments)
    Argv.push_back(const_cast<char *>(Argument.c_str()));
  Argv.push_back(nullptr);

  const pid_t Child = ::fork();
  if (Child == 0) {
    const auto Redirect = [](const std::string &Path, int Flags, int Target) {
      const int Handle = ::open(Path.c_str(), Flags, 0600);
      if (Handle < 0 || ::dup2(Handle, Target) < 0) ::_exit(126);
      ::close(Handle);
    };
    Redirect(In, O_RDONLY, 0);
    Redirect(Out, O_WRONLY | O_CREAT | O_TRUNC, 1);
    Redirect(Err, O_WRONLY | O_CREAT | O_TRUNC, 2);
    ::execv(Program.c_str(), Argv.data());
    ::_exit(127);
  }
  int Status = 0;
  ::waitpid(Child, &Status, 0);
  const auto Text = [](const std::string &Path) {
    const auto Bytes = ReadBytes(Path);
    return std::string(Bytes.begin(), Bytes.end());
  };
  return {WIFEXITED(Status) ? WEXITSTATUS(Status) : -1, Text(Out), Text(Err)};
}
