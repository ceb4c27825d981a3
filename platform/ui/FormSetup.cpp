#include "platform/ui/FormSetup.h"

#include <QFont>
#include <QFontMetrics>
#include <QRect>
#include <QScreen>
#include <QWidget>

void FixClientSize(QWidget *Form, int Width, int Height) {
  Form->setFixedSize(Width, Height);
}

void RemoveBorderIcons(QWidget *Form) {
  Form->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

void CentreOnScreen(QWidget *Form) {
  QRect Frame = Form->frameGeometry();
  Frame.moveCenter(Form->screen()->availableGeometry().center());
  Form->move(Frame.topLeft());
}

void SubstituteDesignFonts() {
  static const bool Done = [] {
    QFont::insertSubstitutions("System", {"Liberation Sans", "Arial"});
    QFont::insertSubstitutions("Times New Roman", {"Liberation Serif"});
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "Arial"});
    return true;
  }();
  (void)Done;
}

void PrepareDialog(QWidget *Form, int Width, int Height, int FontHeight) {
  SubstituteDesignFonts();
  QFont Font = Form->font();
  Font.setPixelSize(FontHeight);
  const int LineHeight = QFontMetrics(Font).height();
  if (LineHeight > FontHeight)
    Font.setPixelSize(qRound(double(FontHeight) * FontHeight / LineHeight));
  Form->setFont(Font);
  RemoveBorderIcons(Form);
  FixClientSize(Form, Width, Height);
  CentreOnScreen(Form);
}
