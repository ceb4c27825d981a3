#include "platform/ui/KeyPress.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>
#include <utility>

#include "platform/ui/HandlerBoundary.h"

namespace {

constexpr char EnterKey = 13;
constexpr char EscapeKey = 27;

// A child of its target, so it goes when the target goes.
class TKeyPressFilter : public QObject {
 public:
  TKeyPressFilter(QWidget *Target, std::function<void(char &Key)> Handler)
      : QObject(Target), FHandler(std::move(Handler)) {
    Target->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject *Watched, QEvent *Event) override {
    if (Event->type() != QEvent::KeyPress) return false;
    char Key = KeyPressChar(*static_cast<QKeyEvent *>(Event));
    if (Key == 0) return false;  // cursor keys, function keys, modifiers: they type nothing
    // If the handler destroys the target, this filter and its handler go
    // with it: run a copy, and touch neither afterwards.
    const std::function<void(char &Key)> Handler = FHandler;
    const QPointer<QObject> TargetAlive(Watched);
    RunHandler([&] { Handler(Key); });
    if (TargetAlive && Key != 0) return false;
    // Consumed, or the target is gone and Qt must not deliver to it.
    // Marked accepted, so Qt does not offer it to the parent widgets.
    Event->accept();
    return true;
  }

 private:
  std::function<void(char &Key)> FHandler;
};

}  // namespace

char KeyPressChar(const QKeyEvent &Event) {
  switch (Event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return EnterKey;
    case Qt::Key_Escape:
      return EscapeKey;
    default:
      break;
  }
  const QString Text = Event.text();
  if (Text.size() != 1 || Text.front().unicode() > 0xFF) return 0;
  return static_cast<char>(Text.front().unicode());
}

void OnKeyPress(QWidget *Target, std::function<void(char &Key)> Handler) {
  new TKeyPressFilter(Target, std::move(Handler));
}
