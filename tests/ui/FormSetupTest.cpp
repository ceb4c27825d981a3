#include <gtest/gtest.h>

#include <QColor>
#include <QDialog>
#include <QImage>
#include <QScreen>

#include "platform/ui/FormSetup.h"
#include "platform/ui/Glyphs.h"

namespace {

TEST(FormSetup, DialogHasATitleButNoCloseBoxAndSitsCentred) {
  QDialog Form;
  FixClientSize(&Form, 300, 120);
  RemoveBorderIcons(&Form);
  CentreOnScreen(&Form);

  const Qt::WindowFlags Flags = Form.windowFlags();
  EXPECT_TRUE(Flags.testFlag(Qt::WindowTitleHint));
  EXPECT_FALSE(Flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(Flags.testFlag(Qt::WindowSystemMenuHint));
  EXPECT_EQ(Form.size(), QSize(300, 120));
  EXPECT_EQ(Form.frameGeometry().center(), Form.screen()->availableGeometry().center());
}

// Whether the glyph shows its colour, and whether QIcon derives a disabled
// look that differs from it.
TEST(Glyphs, AreOurColouredPicturesWithADisabledLook) {
  struct {
    const char *Name;
    QIcon Icon;
    bool (*IsGlyphColour)(const QColor &);
  } Cases[] = {
      {"Ok", OkGlyph(),
       [](const QColor &C) { return C.green() > 100 && C.red() < 60 && C.alpha() == 255; }},
      {"Cancel", CancelGlyph(),
       [](const QColor &C) { return C.red() > 150 && C.green() < 60 && C.alpha() == 255; }},
  };
  for (const auto &Case : Cases) {
    SCOPED_TRACE(Case.Name);
    const QImage Normal = Case.Icon.pixmap(18, 18).toImage();
    const QImage Disabled = Case.Icon.pixmap(QSize(18, 18), QIcon::Disabled).toImage();
    ASSERT_EQ(Normal.size(), QSize(18, 18));

    int Coloured = 0;
    for (int Y = 0; Y < Normal.height(); ++Y)
      for (int X = 0; X < Normal.width(); ++X)
        Coloured += Case.IsGlyphColour(Normal.pixelColor(X, Y));
    EXPECT_GT(Coloured, 10);
    EXPECT_NE(Normal, Disabled);
  }
}

}  // namespace
