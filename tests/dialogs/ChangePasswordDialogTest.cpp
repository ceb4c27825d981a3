// Changing the own password through the modal dialog.

#include <gtest/gtest.h>

#include <QTest>

#include "dialogs/Chngpsw/Chngpsw.h"
#include "platform/ui/MessageRecorder.h"
#include "tests/support/ModalScript.h"
#include "tests/support/SecurityFixture.h"

namespace {

using TMessages = std::vector<TMessageRecorder::TMessage>;

void Type(TfrmChangePasswd &Form, const char *Old, const char *New1, const char *New2) {
  Form.eOldPassword->setText(Old);
  Form.eNewPassword1->setText(New1);
  Form.eNewPassword2->setText(New2);
}

class ChangePasswordDialog : public SecurityFixture {
 protected:
  void SetUp() override {
    WriteSampleUsers();
    ASSERT_TRUE(Security.LogonEx("Anna", "pw"));
  }
  std::string StoredPassword() const {
    TEIniFile Store(DataFile(), "file key");
    return Store.ReadString("User_Anna", "Password", "?");
  }
  TMessageRecorder Messages;
};

TEST_F(ChangePasswordDialog, RefusalsKeepItOpenAndALaterSuccessCloses) {
  TModalScript Script([this](QDialog &Dialog) {
    TfrmChangePasswd &Form = ModalAs<TfrmChangePasswd>(Dialog);
    EXPECT_EQ(frmChangePasswd, &Form);
    Type(Form, "wrong", "new", "newer");  // both wrong: only the mismatch is reported
    QTest::mouseClick(Form.btnOk, Qt::LeftButton);
    Type(Form, "wrong", "new", "new");
    QTest::mouseClick(Form.btnOk, Qt::LeftButton);
    EXPECT_TRUE(Form.isVisible());
    EXPECT_FALSE(Form.PasswordChanged);
    EXPECT_EQ(Form.eOldPassword->text(), "wrong");
    EXPECT_EQ(Messages.Messages(),
              (TMessages{{TMessageKind::Information, "Passwords Do Not Match."},
                         {TMessageKind::Information, "Password Incorrect\xFE"}}));
    Form.eOldPassword->setText("pw");
    QTest::mouseClick(Form.btnOk, Qt::LeftButton);
    EXPECT_FALSE(Form.isVisible());
  });
  EXPECT_TRUE(Security.ChangePassword());
  EXPECT_EQ(frmChangePasswd, nullptr);
  EXPECT_EQ(StoredPassword(), "new");
}

TEST_F(ChangePasswordDialog, CancelAfterRefusalsChangesNothing) {
  TModalScript Script([](QDialog &Dialog) {
    TfrmChangePasswd &Form = ModalAs<TfrmChangePasswd>(Dialog);
    Type(Form, "PW", "x", "x");
    Form.btnOkClick();
    QTest::keyClick(Form.eNewPassword2, Qt::Key_Escape);  // no meaning here
    QTest::keyClick(Form.eNewPassword2, Qt::Key_Return);
    EXPECT_TRUE(Form.isVisible());
    QTest::mouseClick(Form.btnCancel, Qt::LeftButton);
    EXPECT_FALSE(Form.isVisible());
  });
  EXPECT_FALSE(Security.ChangePassword());
  EXPECT_EQ(StoredPassword(), "pw");
  EXPECT_EQ(Messages.Messages().size(), 1u);
}

TEST_F(ChangePasswordDialog, EmptyNewPasswordTypedTwiceIsAccepted) {
  TModalScript Script([](QDialog &Dialog) {
    TfrmChangePasswd &Form = ModalAs<TfrmChangePasswd>(Dialog);
    Type(Form, "pw", "", "");
    Form.btnOkClick();
  });
  EXPECT_TRUE(Security.ChangePassword());
  EXPECT_EQ(StoredPassword(), "");
}

TEST_F(ChangePasswordDialog, NobodyLoggedOnShowsNoDialog) {
  TQuorSecurity Fresh;
  TModalScript Script([](QDialog &) {});
  EXPECT_FALSE(Fresh.ChangePassword());
  QCoreApplication::processEvents();
  EXPECT_FALSE(Script.Ran());
}

}  // namespace
