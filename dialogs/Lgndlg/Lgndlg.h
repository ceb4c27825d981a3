#pragma once
// The logon dialog: asks for a user name and a password until the component accepts them or
// the user cancels.

#include <QDialog>

#include "ui_Lgndlg.h"

class TQuorSecurity;

class TfrmLogon : public QDialog, public Ui::TfrmLogon {
  Q_OBJECT

 public:
  explicit TfrmLogon(QWidget *Owner = nullptr);

  TQuorSecurity *Security = nullptr;  // not owned
  bool LoggedOn = false;

  void btnOkClick();
  void btnCancelClick();
  void eUserNameKeyPress(char &Key);
  void ePasswordKeyPress(char &Key);
  void FormKeyPress(char &Key);

 protected:
  // Keys that reach the form itself, not those typed into its boxes.
  void keyPressEvent(QKeyEvent *Event) override;
};

// The logon dialog while it is shown.
extern TfrmLogon *frmLogon;
