#pragma once

#include <QIcon>

// Our 18x18 glyphs for OK and Cancel buttons; QIcon derives the disabled look.
QIcon OkGlyph();      // a green check mark
QIcon CancelGlyph();  // a red cross
