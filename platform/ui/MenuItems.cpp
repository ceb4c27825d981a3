#include "platform/ui/MenuItems.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "platform/ui/Text8.h"

namespace {

// associatedObjects() lists the widgets an action was added to, first
// added first.
bool IsHeldByMenu(const QAction *Action) {
  for (QObject *Holder : Action->associatedObjects()) {
    if (qobject_cast<QMenu *>(Holder) || qobject_cast<QMenuBar *>(Holder)) return true;
  }
  return false;
}

}  // namespace

bool IsMenuItem(const QObject *Object) {
  return qobject_cast<const QAction *>(Object) != nullptr;
}

QAction *MenuItemParent(const QAction *Action) {
  for (QObject *Holder : Action->associatedObjects()) {
    if (const QMenu *Menu = qobject_cast<QMenu *>(Holder)) {
      QAction *MenuAction = Menu->menuAction();
      return IsHeldByMenu(MenuAction) ? MenuAction : nullptr;
    }
  }
  return nullptr;
}

std::string MenuItemCaption(const QAction *Action) {
  return Action->isSeparator() ? std::string("-") : FromQString(Action->text());
}

QList<QAction *> MenuItemChildren(const QAction *Action) {
  const QMenu *Menu = Action->menu<QMenu *>();
  return Menu ? Menu->actions() : QList<QAction *>();
}
