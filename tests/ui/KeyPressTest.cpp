#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest/QTest>
#include <stdexcept>
#include <string>

#include "platform/ui/KeyPress.h"
#include "platform/ui/MessageRecorder.h"

namespace {

// A dialog with an edit box and a default button, as our dialogs have.
struct TKeyDialog {
  QDialog Dialog;
  QLineEdit *Edit = new QLineEdit("ab", &Dialog);
  QPushButton *DefaultButton = new QPushButton("OK", &Dialog);
  int DefaultClicks = 0;

  TKeyDialog() {
    DefaultButton->setDefault(true);
    QObject::connect(DefaultButton, &QPushButton::clicked, [this] { ++DefaultClicks; });
    Dialog.show();
    Edit->setFocus();
  }
};

TEST(OnKeyPress, HandlerSeesTheKeyAndDecidesWhetherItGoesOn) {
  struct {
    Qt::Key Key;
    QString Text;
    bool Consume;
    std::string Seen;
    QString EditText;
    int Cursor;
    int DefaultClicks;
    bool DialogOpen;
  } Cases[] = {
      {Qt::Key_X, "x", false, "x", "abx", 3, 0, true},
      {Qt::Key_X, "x", true, "x", "ab", 2, 0, true},
      {Qt::Key_Udiaeresis, "\u00FC", false, "\xFC", "ab\u00FC", 3, 0, true},
      {Qt::Key_Backspace, "\b", false, "\b", "a", 1, 0, true},
      {Qt::Key_Return, "\r", false, "\r", "ab", 2, 1, true},
      {Qt::Key_Return, "\r", true, "\r", "ab", 2, 0, true},
      {Qt::Key_Enter, "\r", true, "\r", "ab", 2, 0, true},
      {Qt::Key_Escape, "\x1b", false, "\x1b", "ab", 2, 0, false},
      {Qt::Key_Escape, "\x1b", true, "\x1b", "ab", 2, 0, true},
      // No single-byte character: the handler is not asked, the edit acts.
      {Qt::Key_Left, "", true, "", "ab", 1, 0, true},
      {Qt::Key_unknown, "\u20AC", true, "", "ab\u20AC", 3, 0, true},
  };
  for (const auto &Case : Cases) {
    SCOPED_TRACE(testing::PrintToString(Case.Text.toStdString()));
    TKeyDialog Form;
    std::string Seen;
    OnKeyPress(Form.Edit, [&](char &Key) {
      Seen += Key;
      if (Case.Consume) Key = 0;
    });

    QTest::sendKeyEvent(QTest::Click, Form.Edit, Case.Key, Case.Text, Qt::NoModifier);

    EXPECT_EQ(Seen, Case.Seen);
    EXPECT_EQ(Form.Edit->text(), Case.EditText);
    EXPECT_EQ(Form.Edit->cursorPosition(), Case.Cursor);
    EXPECT_EQ(Form.DefaultClicks, Case.DefaultClicks);
    EXPECT_EQ(Form.Dialog.isVisible(), Case.DialogOpen);
  }
}

TEST(OnKeyPress, HandlerMayDestroyTheDialog) {
  auto *Form = new TKeyDialog;
  const QPointer<QDialog> Dialog(&Form->Dialog);
  bool HandlerFinished = false;
  OnKeyPress(Form->Edit, [&](char &Key) {
    if (Key != '\r') return;
    delete Form;
    HandlerFinished = true;  // reads this handler's captures after the delete
  });

  QTest::keyClick(Form->Edit, Qt::Key_Return);

  EXPECT_TRUE(Dialog.isNull());
  EXPECT_TRUE(HandlerFinished);
}

TEST(OnKeyPress, AnExceptionFromTheHandlerIsShown) {
  TMessageRecorder Recorder;
  TKeyDialog Form;
  OnKeyPress(Form.Edit, [](char &) { throw std::runtime_error("bad key"); });

  QTest::keyClick(Form.Edit, Qt::Key_X);

  EXPECT_EQ(Recorder.Messages(),
            (std::vector<TMessageRecorder::TMessage>{{TMessageKind::Information, "bad key"}}));
}

}  // namespace
