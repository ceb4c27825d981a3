#include "tools/quorsec-admin/PasswordInput.h"

#include <termios.h>
#include <unistd.h>

#include <csignal>
#include <iostream>
#include <iterator>

namespace {

constexpr int EndingSignals[] = {SIGHUP, SIGINT, SIGQUIT, SIGTERM};

// Global because the signal handler needs it.
termios SavedTerminal;

void RestoreTerminalAndEnd(int Signal) {
  ::tcsetattr(STDIN_FILENO, TCSANOW, &SavedTerminal);
  ::raise(Signal);  // SA_RESETHAND has put the default action back
}

// Echo is off for the guard's lifetime. The terminal is put back when the guard goes, also on an
// exception, and when a signal ends the program while it waits: a shell left without echo looks
// broken to whoever typed the password.
class TEchoOff {
 public:
  TEchoOff() {
    if (::tcgetattr(STDIN_FILENO, &SavedTerminal) != 0) return;
    FActive = true;
    struct sigaction Restore {};
    Restore.sa_handler = RestoreTerminalAndEnd;
    Restore.sa_flags = SA_RESETHAND;
    sigemptyset(&Restore.sa_mask);
    for (std::size_t I = 0; I < std::size(EndingSignals); ++I) {
      ::sigaction(EndingSignals[I], &Restore, &FPreviousActions[I]);
    }
    termios Quiet = SavedTerminal;
    Quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    Quiet.c_lflag |= ECHONL;  // Enter still ends the prompt's line
    ::tcsetattr(STDIN_FILENO, TCSANOW, &Quiet);
  }
  ~TEchoOff() {
    if (!FActive) return;
    ::tcsetattr(STDIN_FILENO, TCSANOW, &SavedTerminal);
    for (std::size_t I = 0; I < std::size(EndingSignals); ++I) {
      ::sigaction(EndingSignals[I], &FPreviousActions[I], nullptr);
    }
  }
  TEchoOff(const TEchoOff &) = delete;
  TEchoOff &operator=(const TEchoOff &) = delete;

 private:
  bool FActive = false;
  struct sigaction FPreviousActions[std::size(EndingSignals)]{};
};

std::string ReadLine(std::istream &In) {
  std::string Text;
  std::getline(In, Text);
  // Only a "\r" that came before the final "\n" belongs to the line ending.
  if (!In.eof() && !Text.empty() && Text.back() == '\r') Text.pop_back();
  return Text;
}

}  // namespace

std::string PasswordFrom(const TCommandLine &Line) {
  if (Line.Password) return *Line.Password;
  if (::isatty(STDIN_FILENO) == 0) return ReadLine(std::cin);
  std::cerr << "Password: " << std::flush;
  const TEchoOff Guard;
  return ReadLine(std::cin);
}
