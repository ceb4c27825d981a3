#include "tools/quorsec-admin/Command.h"

TEIniFile OpenStore(const TCommandLine &Line) {
  return TEIniFile(DataFilePath(Line.Operands.front()), Line.FileKey);
}
