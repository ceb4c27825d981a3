#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QMetaObject>
#include <QTimer>
#include <functional>

#include "platform/ui/Terminate.h"

namespace {

constexpr int HangFallbackMs = 10000;
constexpr int FallbackCode = 99;

// Ends a loop that a faulty Terminate left running, so the test fails
// instead of hanging.
class THangFallback {
 public:
  explicit THangFallback(const std::function<void()> &EndLoop) {
    FTimer.setSingleShot(true);
    QObject::connect(&FTimer, &QTimer::timeout, EndLoop);
    FTimer.start(HangFallbackMs);
  }

 private:
  QTimer FTimer;
};

int ExecApplication() {
  THangFallback Fallback([] { QCoreApplication::exit(FallbackCode); });
  return QApplication::exec();
}

TEST(Terminate, BeforeExecTheNextExecReturnsAtOnce) {
  Terminate();
  EXPECT_EQ(ExecApplication(), 0);
}

TEST(Terminate, DuringExecEndsTheLoopOnceTheHandlerReturns) {
  bool HandlerFinished = false;
  QTimer::singleShot(0, [&] {
    Terminate();
    HandlerFinished = true;
  });
  EXPECT_EQ(ExecApplication(), 0);
  EXPECT_TRUE(HandlerFinished);
}

TEST(Terminate, ADialogRunBeforeExecDoesNotSwallowTheRequest) {
  Terminate();
  {
    QDialog Dialog;
    THangFallback Fallback([&] { Dialog.done(FallbackCode); });
    EXPECT_EQ(Dialog.exec(), QDialog::Rejected);
  }
  EXPECT_EQ(ExecApplication(), 0);
}

TEST(Terminate, IsSpentOnceTheApplicationLoopHasEnded) {
  Terminate();
  ASSERT_EQ(ExecApplication(), 0);

  // Ends the loop only in the queue's second sweep: a request left over
  // would end it in the first.
  constexpr int OwnCode = 7;
  QMetaObject::invokeMethod(
      qApp,
      [] {
        QMetaObject::invokeMethod(
            qApp, [] { QCoreApplication::exit(OwnCode); }, Qt::QueuedConnection);
      },
      Qt::QueuedConnection);
  EXPECT_EQ(ExecApplication(), OwnCode);
}

}  // namespace
