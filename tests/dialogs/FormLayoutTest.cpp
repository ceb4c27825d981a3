// The two forms as laid out: geometry, tab order and captions. Each test also leaves a
// screenshot under the build folder for a person to look at.

#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include "dialogs/Chngpsw/Chngpsw.h"
#include "dialogs/Lgndlg/Lgndlg.h"

namespace {

struct TControl {
  const char *Name;
  QRect Rect;
  int TabPosition;  // -1: not in the tab order
  const char *Caption;
};

// The controls in the order Tab visits them, starting from the first.
QStringList TabOrder(QWidget &Form) {
  QStringList Order;
  QWidget *First = Form.nextInFocusChain();
  for (QWidget *W = First; W != &Form; W = W->nextInFocusChain()) {
    if (W->focusPolicy() & Qt::TabFocus) Order << W->objectName();
  }
  return Order;
}

QString CaptionOf(QWidget *W) {
  if (auto *Label = qobject_cast<QLabel *>(W)) return Label->text();
  if (auto *Button = qobject_cast<QPushButton *>(W)) return Button->text();
  return qobject_cast<QLineEdit *>(W)->text();
}

void CheckLayout(QDialog &Form, const QString &Title, QSize Client,
                 const std::vector<TControl> &Controls) {
  EXPECT_EQ(Form.windowTitle(), Title);
  EXPECT_EQ(Form.size(), Client);
  EXPECT_EQ(Form.minimumSize(), Client);
  EXPECT_EQ(Form.maximumSize(), Client);
  EXPECT_FALSE(Form.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(Form.windowFlags() & Qt::WindowSystemMenuHint);
  EXPECT_TRUE(Form.font().bold());

  QStringList ExpectedTabs;
  std::vector<const TControl *> Tabbed;
  for (const TControl &Control : Controls) {
    SCOPED_TRACE(Control.Name);
    auto *W = Form.findChild<QWidget *>(Control.Name);
    ASSERT_NE(W, nullptr);
    EXPECT_EQ(W->geometry(), Control.Rect);
    EXPECT_EQ(CaptionOf(W), QString::fromUtf8(Control.Caption));
    if (qobject_cast<QLabel *>(W) != nullptr) {  // the caption is not clipped
      EXPECT_LE(W->fontMetrics().horizontalAdvance(CaptionOf(W)), Control.Rect.width());
    }
    if (auto *Edit = qobject_cast<QLineEdit *>(W)) {
      EXPECT_EQ(Edit->maxLength(), 32767);  // no limit of our own
      if (Edit->echoMode() == QLineEdit::Password) {
        EXPECT_EQ(Edit->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, Edit),
                  '*');
      }
    }
    if (auto *Button = qobject_cast<QPushButton *>(W)) {
      EXPECT_FALSE(Button->isDefault());
      EXPECT_FALSE(Button->autoDefault());
      EXPECT_FALSE(Button->icon().isNull());
    }
    if (Control.TabPosition >= 0) Tabbed.push_back(&Control);
  }
  std::sort(Tabbed.begin(), Tabbed.end(),
            [](const TControl *A, const TControl *B) { return A->TabPosition < B->TabPosition; });
  for (const TControl *Control : Tabbed) ExpectedTabs << Control->Name;
  EXPECT_EQ(TabOrder(Form), ExpectedTabs);
}

void SaveScreenshot(QWidget &Form, const QString &Name) {
  QDir().mkpath(QUORSEC_SCREENSHOT_DIR);
  EXPECT_TRUE(Form.grab().save(QString(QUORSEC_SCREENSHOT_DIR) + "/" + Name + ".png"));
}

TEST(FormLayout, LogonDialog) {
  TfrmLogon Form;
  CheckLayout(Form, "Logon To System", {236, 107},
              {{"Label1", {7, 14, 77, 16}, -1, "User Name:"},
               {"Label2", {15, 45, 68, 16}, -1, "Password:"},
               {"eUserName", {86, 11, 113, 24}, 0, ""},
               {"ePassword", {86, 41, 113, 24}, 1, ""},
               {"btnOk", {130, 71, 84, 31}, 2, "OK"},
               {"btnCancel", {15, 71, 83, 31}, 3, "Cancel"}});
  EXPECT_EQ(Form.eUserName->echoMode(), QLineEdit::Normal);
  EXPECT_EQ(Form.ePassword->echoMode(), QLineEdit::Password);
  EXPECT_FALSE(Form.LoggedOn);
  EXPECT_EQ(Form.Security, nullptr);
  Form.eUserName->setText("Manager");
  Form.ePassword->setText("secret");
  SaveScreenshot(Form, "logon-dialog");
}

TEST(FormLayout, ChangePasswordDialog) {
  TfrmChangePasswd Form;
  CheckLayout(Form, "Change Password", {253, 143},
              {{"Label2", {46, 15, 79, 15}, -1, "Old Password:"},
               {"Label1", {43, 45, 82, 15}, -1, "New Password:"},
               {"Label3", {3, 74, 122, 15}, -1, "Retype New Password:"},
               {"eOldPassword", {128, 11, 113, 23}, 2, ""},
               {"eNewPassword1", {128, 41, 113, 23}, 3, ""},
               {"eNewPassword2", {128, 70, 113, 23}, 4, ""},
               {"btnOk", {23, 105, 83, 31}, 0, "OK"},
               {"btnCancel", {147, 105, 83, 31}, 1, "Cancel"}});
  for (QLineEdit *Edit : {Form.eOldPassword, Form.eNewPassword1, Form.eNewPassword2}) {
    EXPECT_EQ(Edit->echoMode(), QLineEdit::Password);
  }
  EXPECT_EQ(Form.property("tag").toInt(), 8);
  EXPECT_FALSE(Form.PasswordChanged);
  Form.eOldPassword->setText("old");
  SaveScreenshot(Form, "change-password-dialog");
}

}  // namespace
