#pragma once
// Drives a modal dialog that the code under test opens with exec(): once the dialog is up, the
// script runs on it; whatever the script does, the dialog is closed afterwards so a failing test
// cannot hang. Destroying the script cancels it when no dialog ever appeared.

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <stdexcept>

class TModalScript {
 public:
  explicit TModalScript(std::function<void(QDialog &)> Script) : FScript(std::move(Script)) {
    FTimer.setSingleShot(true);
    QObject::connect(&FTimer, &QTimer::timeout, [this] { Run(); });
    FTimer.start(0);
  }

  bool Ran() const { return FRan; }

 private:
  void Run() {
    auto *Dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    if (Dialog == nullptr) {
      FTimer.start(10);  // not up yet
      return;
    }
    FRan = true;
    FScript(*Dialog);
    if (Dialog->isVisible()) Dialog->reject();
  }

  std::function<void(QDialog &)> FScript;
  QTimer FTimer;
  bool FRan = false;
};

// The modal dialog as the form a script expects; any other dialog fails the test loudly.
template <class TForm>
TForm &ModalAs(QDialog &Dialog) {
  auto *Form = qobject_cast<TForm *>(&Dialog);
  if (Form == nullptr) throw std::logic_error("the modal dialog is not the one expected");
  return *Form;
}
