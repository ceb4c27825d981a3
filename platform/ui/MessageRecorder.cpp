#include "platform/ui/MessageRecorder.h"

#include <utility>

TMessageRecorder::TMessageRecorder(bool Answer) : FAnswer(Answer) {
  FPrevious = SetMessageHandler([this](TMessageKind Kind, const std::string &Text) {
    FMessages.push_back({Kind, Text});
    return Kind == TMessageKind::Confirmation ? FAnswer : true;
  });
}

TMessageRecorder::~TMessageRecorder() {
  SetMessageHandler(std::move(FPrevious));
}
