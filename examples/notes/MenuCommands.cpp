#include "examples/notes/MenuCommands.h"

#include <QAction>
#include <QMenuBar>

#include "platform/ui/MenuItems.h"

namespace {

void CollectCommands(const QList<QAction *> &Items, QList<QAction *> &Commands) {
  for (QAction *Item : Items) {
    if (Item->isSeparator()) continue;
    if (Item->menu() != nullptr) {
      CollectCommands(MenuItemChildren(Item), Commands);
    } else {
      Commands.append(Item);
    }
  }
}

}  // namespace

QList<QAction *> MenuCommands(const QMenuBar &Bar) {
  QList<QAction *> Commands;
  CollectCommands(Bar.actions(), Commands);
  return Commands;
}
