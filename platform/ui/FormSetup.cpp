#include "platform/ui/FormSetup.h"

#include <QRect>
#include <QScreen>
#include <QWidget>

void FixClientSize(QWidget *Form, int Width, int Height)
{
    Form->setFixedSize(Width, Height);
}

void RemoveBorderIcons(QWidget *Form)
{
    Form->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

void CentreOnScreen(QWidget *Form)
{
    QRect Frame = Form->frameGeometry();
    Frame.moveCenter(Form->screen()->availableGeometry().center());
    Form->move(Frame.topLeft());
}
