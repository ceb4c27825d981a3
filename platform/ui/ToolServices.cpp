#include "platform/ui/ToolServices.h"

namespace {

TToolServices *CurrentServices = nullptr;

}  // namespace

TToolServices::~TToolServices() = default;

TToolServices *ToolServices() {
  return CurrentServices;
}

void SetToolServices(TToolServices *Services) {
  CurrentServices = Services;
}
