#pragma once
// How the component shows each of its dialogs: created through the form-creation service, given
// the component, shown modally, and released on every path. The unit's form variable names the
// dialog only while it exists.

#include <memory>

#include "platform/ui/FormCreation.h"

class TQuorSecurity;

template <class TForm>
class TShownForm {
 public:
  TShownForm(TQuorSecurity *Security, TForm *&FormVariable)
      : FForm(CreateForm<TForm>()), FFormVariable(FormVariable) {
    FFormVariable = FForm.get();
    FForm->Security = Security;
    FForm->exec();
  }
  ~TShownForm() { FFormVariable = nullptr; }
  TShownForm(const TShownForm &) = delete;
  TShownForm &operator=(const TShownForm &) = delete;

  TForm &Form() const { return *FForm; }

 private:
  std::unique_ptr<TForm> FForm;
  TForm *&FFormVariable;
};
