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
