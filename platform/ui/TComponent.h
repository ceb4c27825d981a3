#pragma once

#include <QPixmap>
#include <QWidget>
#include <cstdint>

// A non-visual component of a form. It is a widget only so that Qt Designer
// can place it on a form and a .ui file can store it: at run time it stays
// hidden, and while a form is being designed it shows its 24x24 palette
// picture so that it can be selected and moved.
class TComponent : public QWidget {
  Q_OBJECT

 public:
  // The owner is the Qt parent; the component's name is its objectName.
  explicit TComponent(QWidget *Owner);

  bool IsDesigning() const { return FDesigning; }
  // Set by the Designer plugin on the instances it places on a form.
  void SetDesigning(bool Designing);

  void SetPalettePicture(const QPixmap &Picture);

  // The form holding this component has finished loading: every component
  // and control of the form exists and carries its stored properties.
  virtual void Loaded();

  // Position in the order in which components were constructed; the loaded
  // notification follows it.
  std::uint64_t CreationIndex() const { return FCreationIndex; }

 protected:
  void paintEvent(QPaintEvent *Event) override;

 private:
  const std::uint64_t FCreationIndex;
  bool FDesigning = false;
  QPixmap FPalettePicture;
};
