#include "dialogs/Chngpsw/Chngpsw.h"

#include <QKeyEvent>

#include "Quorsec/Quorsec.h"
#include "platform/ui/Click.h"
#include "platform/ui/FormSetup.h"
#include "platform/ui/Glyphs.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Text8.h"

TfrmChangePasswd *frmChangePasswd = nullptr;

TfrmChangePasswd::TfrmChangePasswd(QWidget *Owner) : QDialog(Owner) {
  setupUi(this);
  PrepareDialog(this, 253, 143, 13);
  btnOk->setIcon(OkGlyph());
  btnCancel->setIcon(CancelGlyph());
  OnClick(btnOk, [this] { btnOkClick(); });
  OnClick(btnCancel, [this] { btnCancelClick(); });
}

void TfrmChangePasswd::btnOkClick() {
  PasswordChanged = false;
  if (eNewPassword1->text() != eNewPassword2->text()) {
    ShowMessage("Passwords Do Not Match.");
    return;
  }
  if (!Security->ChangePasswordEx(FromQString(eOldPassword->text()),
                                  FromQString(eNewPassword1->text()))) {
    ShowMessage("Password Incorrect\xFE");
    return;
  }
  PasswordChanged = true;
  accept();
}

void TfrmChangePasswd::btnCancelClick() {
  PasswordChanged = false;
  reject();
}

void TfrmChangePasswd::keyPressEvent(QKeyEvent *Event) {
  Event->accept();
}
