#pragma once

// Asks the application to end. The application's event loop ends once
// control returns to it; called before QApplication::exec(), the next exec()
// returns at once. Until the application's loop has ended, any other loop
// that runs meanwhile - a modal dialog's exec() - ends at once as well, so a
// dialog shown after the request cannot keep the application alive.
void Terminate();
