#include "platform/ui/Click.h"

#include <QAbstractButton>
#include <QAction>

#include "platform/ui/HandlerBoundary.h"

void OnClick(QAbstractButton *Button, std::function<void()> Handler) {
  QObject::connect(Button, &QAbstractButton::clicked, Button,
                   [Handler = std::move(Handler)] { RunHandler(Handler); });
}

void OnClick(QAction *Action, std::function<void()> Handler) {
  QObject::connect(Action, &QAction::triggered, Action,
                   [Handler = std::move(Handler)] { RunHandler(Handler); });
}
