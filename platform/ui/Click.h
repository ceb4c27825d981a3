#pragma once
// Wires a button's click to a form's handler behind the handler boundary.

#include <functional>

class QAbstractButton;

void OnClick(QAbstractButton *Button, std::function<void()> Handler);
