#pragma once

#include <memory>
#include <utility>

class QWidget;

// Calls Loaded() once on every TComponent that Form holds, at any depth, in
// the order in which the components were constructed. A host that builds its
// window itself calls this once, after the window's constructor has run.
void NotifyLoaded(QWidget *Form);

// Builds a form (its constructor runs setupUi) and then tells its components
// that the form has finished loading.
template <class TForm, class... Args>
TForm *CreateForm(Args &&...args) {
  auto Form = std::make_unique<TForm>(std::forward<Args>(args)...);
  NotifyLoaded(Form.get());
  return Form.release();
}
