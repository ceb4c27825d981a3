#pragma once
// Runs a check in a child process without root's right to write read-only files, so permission
// tests mean the same when the suite runs as root (as CI does).

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

// Returns the child's exit status: Check's result, or 99 when privileges could not be dropped.
inline int RunUnprivileged(const std::function<int()> &Check) {
  const pid_t Child = ::fork();
  if (Child == 0) {
    if (::geteuid() == 0 &&
        (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
      ::_exit(99);
    ::_exit(Check());
  }
  int Status = 0;
  ::waitpid(Child, &Status, 0);
  return WIFEXITED(Status) ? WEXITSTATUS(Status) : 98;
}
