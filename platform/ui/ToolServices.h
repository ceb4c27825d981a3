#pragma once

#include <string>

// What the design environment tells a component about the form being
// designed. Qt Designer's plugin provides it; at run time there is none.
class TToolServices {
 public:
  virtual ~TToolServices();
  // The file of the form being designed; callers use only its directory.
  virtual std::string ProjectFileName() const = 0;
};

// Null at run time.
TToolServices *ToolServices();
// The plugin installs its services at load and removes them (null) at unload;
// the caller keeps ownership.
void SetToolServices(TToolServices *Services);
