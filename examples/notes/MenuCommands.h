#pragma once

#include <QList>

class QAction;
class QMenuBar;

// The commands of a menu bar at any depth, in menu order: every item that is neither a submenu
// nor a separator. These are what a host names actions after and enables per user.
QList<QAction *> MenuCommands(const QMenuBar &Bar);
