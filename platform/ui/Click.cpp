#include "platform/ui/Click.h"

#include <QAbstractButton>

#include "platform/ui/HandlerBoundary.h"

void OnClick(QAbstractButton *Button, std::function<void()> Handler) {
  QObject::connect(Button, &QAbstractButton::clicked, Button,
                   [Handler = std::move(Handler)] { RunHandler(Handler); });
}
