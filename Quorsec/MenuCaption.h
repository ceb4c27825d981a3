#pragma once
// The action name of a menu item: the captions from the top-level item down to the item, joined
// by "_", exactly as stored ("&File_&Open"). Hosts name their actions this way.

#include <string>

class QObject;

// "Not a menu item!" for anything that is not a QAction, null included.
std::string GetCompMenuCaption(const QObject *Component);
