#pragma once
// Wires a button's click, or a menu command's trigger, to a form's handler behind the handler
// boundary.

#include <functional>

class QAbstractButton;
class QAction;

void OnClick(QAbstractButton *Button, std::function<void()> Handler);
void OnClick(QAction *Action, std::function<void()> Handler);
