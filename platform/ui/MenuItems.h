#pragma once

#include <QList>
#include <string>

class QAction;
class QObject;

// Menu items over Qt's menus: an item is a QAction. A QMenuBar, or a pop-up
// QMenu held by no menu, is the root of a tree and no item itself; a submenu
// is represented by its menuAction().

bool IsMenuItem(const QObject *Object);

// The menuAction() of the first QMenu that holds Action, when that QMenu is
// itself held by a QMenu or a QMenuBar. Null for a top-level item of a menu
// bar or of a root pop-up menu, and for an action in no menu.
QAction *MenuItemParent(const QAction *Action);

// text() as stored, "&" kept; a separator's caption is "-".
std::string MenuItemCaption(const QAction *Action);

// The actions of Action's submenu, in order; empty when it has none.
QList<QAction *> MenuItemChildren(const QAction *Action);
