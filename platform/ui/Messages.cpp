#include "platform/ui/Messages.h"

#include <QApplication>
#include <QMessageBox>
#include <utility>

#include "platform/ui/Text8.h"

namespace {

TMessageHandler &CurrentHandler() {
  static TMessageHandler Handler;
  return Handler;
}

bool ShowMessageBox(TMessageKind Kind, const std::string &Text) {
  const QString Title = QGuiApplication::applicationDisplayName();
  QWidget *const Parent = QApplication::activeWindow();
  if (Kind == TMessageKind::Information) {
    QMessageBox::information(Parent, Title, ToQString(Text));
    return true;
  }
  return QMessageBox::question(Parent, Title, ToQString(Text), QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::Yes) != QMessageBox::No;
}

bool Dispatch(TMessageKind Kind, const std::string &Text) {
  // A copy: the handler may install another one while it runs.
  const TMessageHandler Handler = CurrentHandler();
  return Handler ? Handler(Kind, Text) : ShowMessageBox(Kind, Text);
}

}  // namespace

TMessageHandler SetMessageHandler(TMessageHandler Handler) {
  return std::exchange(CurrentHandler(), std::move(Handler));
}

void ShowMessage(const std::string &Text) {
  Dispatch(TMessageKind::Information, Text);
}

bool MessageDlgYesNo(const std::string &Text) {
  return Dispatch(TMessageKind::Confirmation, Text);
}
