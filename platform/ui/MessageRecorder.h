#pragma once

#include <string>
#include <vector>

#include "platform/ui/Messages.h"

// For tests: while it lives, every message is recorded instead of shown, and
// confirmations get the answer set here. The handler it replaced comes back
// when it is destroyed.
class TMessageRecorder {
 public:
  struct TMessage {
    TMessageKind Kind;
    std::string Text;
    bool operator==(const TMessage &) const = default;
  };

  explicit TMessageRecorder(bool Answer = true);
  ~TMessageRecorder();
  TMessageRecorder(const TMessageRecorder &) = delete;
  TMessageRecorder &operator=(const TMessageRecorder &) = delete;

  void SetAnswer(bool Answer) { FAnswer = Answer; }
  const std::vector<TMessage> &Messages() const { return FMessages; }

 private:
  bool FAnswer;
  std::vector<TMessage> FMessages;
  TMessageHandler FPrevious;
};
