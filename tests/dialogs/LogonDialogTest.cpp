// Logging on through the modal dialog, and automatic identification when a host form loads.

#include <gtest/gtest.h>

#include <QMainWindow>
#include <QTest>
#include <QTimer>

#include "dialogs/Lgndlg/Lgndlg.h"
#include "platform/ui/FormCreation.h"
#include "platform/ui/MessageRecorder.h"
#include "tests/support/ModalScript.h"
#include "tests/support/SecurityFixture.h"

namespace {

void Type(TfrmLogon &Form, const char *User, const char *Password) {
  Form.eUserName->setText(User);
  Form.ePassword->setText(Password);
}

class LogonDialog : public SecurityFixture {
 protected:
  void SetUp() override { WriteSampleUsers(); }
  TMessageRecorder Messages;
};

TEST_F(LogonDialog, WrongPasswordKeepsItOpenThenACorrectOneLogsOn) {
  TModalScript Script([this](QDialog &Dialog) {
    TfrmLogon &Form = ModalAs<TfrmLogon>(Dialog);
    EXPECT_EQ(frmLogon, &Form);
    EXPECT_EQ(Form.Security, &Security);
    Type(Form, "Anna", "wrong");
    Form.ePassword->setFocus();
    QTest::mouseClick(Form.btnOk, Qt::LeftButton);
    EXPECT_TRUE(Form.isVisible());
    EXPECT_FALSE(Form.LoggedOn);
    EXPECT_EQ(Form.eUserName->text(), "Anna");
    EXPECT_EQ(Form.ePassword->text(), "wrong");
    EXPECT_EQ(Form.focusWidget(), Form.eUserName);
    Form.ePassword->setText("pw");
    QTest::mouseClick(Form.btnOk, Qt::LeftButton);
    EXPECT_FALSE(Form.isVisible());
  });
  EXPECT_TRUE(Security.LogOn());
  EXPECT_TRUE(Script.Ran());
  EXPECT_EQ(frmLogon, nullptr);
  EXPECT_EQ(Security.UserName(), "Anna");
  EXPECT_TRUE(Security.Active());
  ASSERT_EQ(Messages.Messages().size(), 1u);
  EXPECT_EQ(Messages.Messages()[0].Text, "Password Incorrect\xFE");
}

TEST_F(LogonDialog, CancelAndEscapeLogNobodyOnAndKeepActive) {
  ASSERT_TRUE(Security.LogonEx("Manager", ""));
  const struct {
    const char *How;
    std::function<void(TfrmLogon &)> Cancel;
  } Cases[] = {
      {"Cancel button", [](TfrmLogon &Form) { QTest::mouseClick(Form.btnCancel, Qt::LeftButton); }},
      {"Escape in the name box",
       [](TfrmLogon &Form) { QTest::keyClick(Form.eUserName, Qt::Key_Escape); }},
      {"Escape in the password box",
       [](TfrmLogon &Form) { QTest::keyClick(Form.ePassword, Qt::Key_Escape); }},
      {"Escape on the form", [](TfrmLogon &Form) { QTest::keyClick(&Form, Qt::Key_Escape); }},
  };
  for (const auto &Case : Cases) {
    SCOPED_TRACE(Case.How);
    bool ClosedByCancel = false;
    TModalScript Script([&](QDialog &Dialog) {
      TfrmLogon &Form = ModalAs<TfrmLogon>(Dialog);
      Type(Form, "Anna", "pw");
      Case.Cancel(Form);
      ClosedByCancel = !Form.isVisible();
    });
    EXPECT_FALSE(Security.LogOn());
    EXPECT_TRUE(ClosedByCancel);
    EXPECT_EQ(Security.UserName(), "");
    EXPECT_EQ(Security.UserPassword(), "");
    EXPECT_TRUE(Security.Active());  // LogOn itself leaves Active alone
  }
  EXPECT_TRUE(Messages.Messages().empty());
}

TEST_F(LogonDialog, EnterMovesFromNameToPasswordAndSubmitsFromThePasswordBox) {
  TModalScript Script([](QDialog &Dialog) {
    TfrmLogon &Form = ModalAs<TfrmLogon>(Dialog);
    Type(Form, "Anna", "pw");
    QTest::keyClick(Form.eUserName, Qt::Key_Return);
    EXPECT_TRUE(Form.isVisible());
    EXPECT_EQ(Form.focusWidget(), Form.ePassword);
    QTest::keyClick(Form.ePassword, Qt::Key_Enter);
    EXPECT_FALSE(Form.isVisible());
  });
  EXPECT_TRUE(Security.LogOn());
  EXPECT_EQ(Security.UserAccessCount(), 1);  // submitted once only
}

TEST_F(LogonDialog, PasswordIsReadBeforeTheNameAndNeitherIsTrimmed) {
  TModalScript Script([](QDialog &Dialog) {
    TfrmLogon &Form = ModalAs<TfrmLogon>(Dialog);
    Type(Form, "Anna ", "pw");
    Form.btnOkClick();
    EXPECT_TRUE(Form.isVisible());
  });
  EXPECT_FALSE(Security.LogOn());
  EXPECT_EQ(Messages.Messages().at(0).Text, "User Not Found.\xFE");
}

// A host main window that carries the component, as a form from a .ui file would.
class THostWindow : public QMainWindow {
 public:
  explicit THostWindow(bool AutoIdentify, bool Designing = false) {
    Security = new TQuorSecurity(this);
    Security->setPassword("file key");
    Security->setAutoIdentify(AutoIdentify);
    Security->SetDesigning(Designing);
  }
  TQuorSecurity *Security;
};

TEST_F(LogonDialog, AutoIdentificationLogsOnWhenTheHostFormHasLoaded) {
  TModalScript Script([](QDialog &Dialog) {
    TfrmLogon &Form = ModalAs<TfrmLogon>(Dialog);
    Type(Form, "Anna", "pw");
    Form.btnOkClick();
  });
  std::unique_ptr<THostWindow> Host(CreateForm<THostWindow>(true));
  EXPECT_TRUE(Script.Ran());
  EXPECT_EQ(Host->Security->UserName(), "Anna");
}

TEST_F(LogonDialog, CancelledAutoIdentificationEndsTheApplication) {
  TModalScript Script([](QDialog &Dialog) { ModalAs<TfrmLogon>(Dialog).btnCancelClick(); });
  std::unique_ptr<THostWindow> Host(CreateForm<THostWindow>(true));
  ASSERT_TRUE(Script.Ran());
  bool LoopEndedByItself = true;
  QTimer::singleShot(5000, [&] {
    LoopEndedByItself = false;
    QCoreApplication::exit(1);
  });
  EXPECT_EQ(QCoreApplication::exec(), 0);
  EXPECT_TRUE(LoopEndedByItself);
}

TEST_F(LogonDialog, NoDialogWithoutAutoIdentifyOrWhileDesigning) {
  for (const bool Designing : {false, true}) {
    SCOPED_TRACE(Designing);
    TModalScript Script([](QDialog &) {});
    std::unique_ptr<THostWindow> Host(
        CreateForm<THostWindow>(/*AutoIdentify=*/Designing, Designing));
    QCoreApplication::processEvents();
    EXPECT_FALSE(Script.Ran());
    EXPECT_EQ(Host->Security->UserName(), "");
  }
}

}  // namespace
