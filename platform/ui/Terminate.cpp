#include "platform/ui/Terminate.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace {

bool TerminatePending = false;

void EndRunningLoops();

void PostEndRunningLoops() {
  // exit() does nothing while no loop runs, so the request waits in the
  // event queue for the first loop that picks it up.
  QMetaObject::invokeMethod(QCoreApplication::instance(), &EndRunningLoops, Qt::QueuedConnection);
}

void EndRunningLoops() {
  if (!TerminatePending) return;
  QCoreApplication::exit(0);
  // The loop that picked the request up may be a dialog's, run before the
  // application's loop has started: pass the request on. Posted events
  // wait for the next sweep, so this cannot spin inside the loop just ended.
  PostEndRunningLoops();
}

}  // namespace

void Terminate() {
  if (TerminatePending) return;
  TerminatePending = true;
  // The request is spent when the application's loop ends; only
  // QCoreApplication::exec() announces that.
  QObject::connect(
      QCoreApplication::instance(), &QCoreApplication::aboutToQuit, QCoreApplication::instance(),
      [] { TerminatePending = false; }, Qt::SingleShotConnection);
  PostEndRunningLoops();
}
