#pragma once

#include <QtGlobal>
#include <exception>
#include <string>
#include <utility>

#include "platform/ui/Messages.h"

namespace HandlerBoundaryDetail {

inline void ShowFailure(const char *Text) noexcept {
  try {
    ShowMessage(Text);  // the std::string is built here, inside the try
  } catch (...) {
    // Showing the message failed too; stderr is all that is left.
    qCritical("%s", Text);
  }
}

}  // namespace HandlerBoundaryDetail

// Runs an event handler. Qt's event loop cannot carry exceptions, so every
// exception stops here and is shown in a message box.
template <class F>
void RunHandler(F &&f) noexcept {
  try {
    std::forward<F>(f)();
  } catch (const std::exception &Error) {
    HandlerBoundaryDetail::ShowFailure(Error.what());
  } catch (...) {
    HandlerBoundaryDetail::ShowFailure("The operation failed with an unknown error.");
  }
}
