#pragma once
// The change-password dialog: the logged-on user's old password and the new one twice.

#include <QDialog>

#include "ui_Chngpsw.h"

class TQuorSecurity;

class TfrmChangePasswd : public QDialog, public Ui::TfrmChangePasswd {
  Q_OBJECT

 public:
  explicit TfrmChangePasswd(QWidget *Owner = nullptr);

  TQuorSecurity *Security = nullptr;  // not owned
  bool PasswordChanged = false;

  void btnOkClick();
  void btnCancelClick();

 protected:
  // Enter and Escape mean nothing here: no default or cancel button.
  void keyPressEvent(QKeyEvent *Event) override;
};

// The change-password dialog while it is shown.
extern TfrmChangePasswd *frmChangePasswd;
