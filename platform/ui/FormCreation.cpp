#include "platform/ui/FormCreation.h"

#include <QList>
#include <QPointer>
#include <algorithm>

#include "platform/ui/TComponent.h"

void NotifyLoaded(QWidget *Form) {
  // findChildren walks containers depth first, and raise() reorders
  // siblings, so neither gives the construction order: sort by it.
  QList<TComponent *> Components = Form->findChildren<TComponent *>();
  std::stable_sort(Components.begin(), Components.end(),
                   [](const TComponent *Left, const TComponent *Right) {
                     return Left->CreationIndex() < Right->CreationIndex();
                   });

  // A component's Loaded may delete another component of the form.
  QList<QPointer<TComponent>> Pending(Components.begin(), Components.end());
  for (const QPointer<TComponent> &Component : Pending) {
    if (Component) Component->Loaded();
  }
}
