#include "Quorsec/MenuCaption.h"

#include <QAction>
#include <QSet>

#include "platform/ui/MenuItems.h"

std::string GetCompMenuCaption(const QObject *Component) {
  if (!IsMenuItem(Component)) return "Not a menu item!";
  const auto *Item = qobject_cast<const QAction *>(Component);
  std::string Name = MenuItemCaption(Item);
  // Qt lets a menu be added inside its own submenu; stop at a repeat rather than loop forever.
  QSet<const QAction *> Seen{Item};
  for (const QAction *Parent = MenuItemParent(Item); Parent != nullptr && !Seen.contains(Parent);
       Parent = MenuItemParent(Parent)) {
    Seen.insert(Parent);
    Name = MenuItemCaption(Parent) + "_" + Name;
  }
  return Name;
}
