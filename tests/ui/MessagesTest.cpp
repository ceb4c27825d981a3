#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/ui/HandlerBoundary.h"
#include "platform/ui/MessageRecorder.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Text8.h"

namespace {

using TMessage = TMessageRecorder::TMessage;

const std::string TextEndingInMark = "Zugriff verweigert \xC3\xBC\xFE";

TEST(Messages, ReachTheHandlerByteForByteWithTheAnswerGiven) {
  TMessageRecorder Recorder;

  ShowMessage(TextEndingInMark);
  Recorder.SetAnswer(false);
  const bool Declined = MessageDlgYesNo("Delete?\xFE");
  Recorder.SetAnswer(true);
  const bool Accepted = MessageDlgYesNo("Delete?");

  EXPECT_FALSE(Declined);
  EXPECT_TRUE(Accepted);
  EXPECT_EQ(Recorder.Messages(), (std::vector<TMessage>{
                                     {TMessageKind::Information, TextEndingInMark},
                                     {TMessageKind::Confirmation, "Delete?\xFE"},
                                     {TMessageKind::Confirmation, "Delete?"},
                                 }));
}

TEST(Messages, ARecorderPutsBackTheHandlerItReplaced) {
  TMessageRecorder Outer;
  {
    TMessageRecorder Inner;
    ShowMessage("inner");
    EXPECT_EQ(Inner.Messages().size(), 1u);
  }
  ShowMessage("outer");

  EXPECT_EQ(Outer.Messages(), (std::vector<TMessage>{{TMessageKind::Information, "outer"}}));
}

// The default handler really shows a QMessageBox: answer it from inside its
// own loop and check what it showed.
TEST(Messages, DefaultConfirmationIsAYesNoBoxAndNoDeclines) {
  struct {
    QMessageBox::StandardButton Click;
    bool Expected;
  } Cases[] = {{QMessageBox::Yes, true}, {QMessageBox::No, false}};

  for (const auto &Case : Cases) {
    SCOPED_TRACE(Case.Click);
    QString Shown;
    bool HasYesAndNo = false;
    QObject Context;  // drops the timer should no box ever run a loop
    QTimer::singleShot(0, &Context, [&] {
      auto *Box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
      ASSERT_NE(Box, nullptr);
      Shown = Box->text();
      HasYesAndNo = Box->button(QMessageBox::Yes) && Box->button(QMessageBox::No);
      if (HasYesAndNo)
        Box->button(Case.Click)->click();
      else
        Box->close();
    });

    EXPECT_EQ(MessageDlgYesNo(TextEndingInMark), Case.Expected);
    EXPECT_EQ(Shown, ToQString(TextEndingInMark));
    EXPECT_TRUE(HasYesAndNo);
  }
}

TEST(RunHandler, ShowsWhatAnEscapingExceptionSaysAndStopsIt) {
  TMessageRecorder Recorder;

  RunHandler([] { throw std::runtime_error("Cannot open file \xFE"); });
  RunHandler([] { throw 42; });
  RunHandler([] {});

  ASSERT_EQ(Recorder.Messages().size(), 2u);
  EXPECT_EQ(Recorder.Messages()[0], (TMessage{TMessageKind::Information, "Cannot open file \xFE"}));
  EXPECT_EQ(Recorder.Messages()[1].Kind, TMessageKind::Information);
  EXPECT_FALSE(Recorder.Messages()[1].Text.empty());
}

}  // namespace
