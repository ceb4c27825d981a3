#pragma once

class QWidget;

// Called by a form after setupUi, before it is shown.

// The client area keeps the size the form was laid out for.
void FixClientSize(QWidget *Form, int Width, int Height);

// A dialog frame with a title but no close box or system menu. Changing the
// window flags hides a shown window, hence before show().
void RemoveBorderIcons(QWidget *Form);

// Centres the form, frame included, on the available area of its screen.
void CentreOnScreen(QWidget *Form);

// Our forms name the font families they were designed with; where those are missing, families
// with the same letter widths stand in, so captions fit the laid-out labels.
void SubstituteDesignFonts();

// The above for a fixed-size modal dialog: no close box, client size kept, centred, and its font
// sized so that a line of it is FontHeight pixels high, ascent plus descent, as the form was
// designed (a .ui file can only store points).
void PrepareDialog(QWidget *Form, int Width, int Height, int FontHeight);
