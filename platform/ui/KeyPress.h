#pragma once

#include <functional>

class QKeyEvent;
class QWidget;

// The character a key press types, as our key handlers see it: Enter is 13,
// Escape 27, any other key its Latin-1 character, or 0 when it has none.
char KeyPressChar(const QKeyEvent &Event);

// Runs Handler, inside RunHandler, on every key press that Target receives
// and that has a character (KeyPressChar not 0), before Target sees it. A
// handler consumes the key by setting it to 0: the press then goes no
// further, neither to Target nor to its dialog (so a consumed Enter does not
// press the default button). Otherwise Target handles the press as usual.
// The handler may destroy Target.
void OnKeyPress(QWidget *Target, std::function<void(char &Key)> Handler);
