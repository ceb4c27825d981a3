#include "dialogs/Lgndlg/Lgndlg.h"

#include <QKeyEvent>

#include "Quorsec/Quorsec.h"
#include "platform/ui/Click.h"
#include "platform/ui/FormSetup.h"
#include "platform/ui/Glyphs.h"
#include "platform/ui/HandlerBoundary.h"
#include "platform/ui/KeyPress.h"
#include "platform/ui/Text8.h"

TfrmLogon *frmLogon = nullptr;

namespace {
constexpr char EnterKey = 13;
constexpr char EscapeKey = 27;
}  // namespace

TfrmLogon::TfrmLogon(QWidget *Owner) : QDialog(Owner) {
  setupUi(this);
  PrepareDialog(this, 236, 107, 13);
  btnOk->setIcon(OkGlyph());
  btnCancel->setIcon(CancelGlyph());
  OnClick(btnOk, [this] { btnOkClick(); });
  OnClick(btnCancel, [this] { btnCancelClick(); });
  OnKeyPress(eUserName, [this](char &Key) { eUserNameKeyPress(Key); });
  OnKeyPress(ePassword, [this](char &Key) { ePasswordKeyPress(Key); });
}

void TfrmLogon::btnOkClick() {
  LoggedOn = false;
  const std::string Password = FromQString(ePassword->text());
  const std::string UserName = FromQString(eUserName->text());
  LoggedOn = Security->LogonEx(UserName, Password);
  eUserName->setFocus();
  if (LoggedOn) accept();
}

void TfrmLogon::btnCancelClick() {
  LoggedOn = false;
  reject();
}

void TfrmLogon::eUserNameKeyPress(char &Key) {
  if (Key == EnterKey) {
    ePassword->setFocus();
    Key = 0;
  }
  if (Key == EscapeKey) btnCancelClick();
}

void TfrmLogon::ePasswordKeyPress(char &Key) {
  if (Key == EnterKey) {
    btnOkClick();
    Key = 0;
  }
  if (Key == EscapeKey) btnCancelClick();
}

void TfrmLogon::FormKeyPress(char &Key) {
  if (Key == EscapeKey) btnCancelClick();
}

void TfrmLogon::keyPressEvent(QKeyEvent *Event) {
  // QDialog's own Enter and Escape handling is not wanted: only the handlers decide.
  Event->accept();
  const QWidget *Focus = focusWidget();
  if (Focus != nullptr && Focus != this) return;  // came up from a box: the form does not see it
  char Key = KeyPressChar(*Event);
  if (Key != 0) RunHandler([this, &Key] { FormKeyPress(Key); });
}
