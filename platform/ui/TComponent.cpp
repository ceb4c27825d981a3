#include "platform/ui/TComponent.h"

#include <QPainter>

namespace {

constexpr int PaletteSize = 24;

std::uint64_t NextCreationIndex() {
  static std::uint64_t Next = 0;
  return Next++;
}

}  // namespace

TComponent::TComponent(QWidget *Owner) : QWidget(Owner), FCreationIndex(NextCreationIndex()) {
  setFixedSize(PaletteSize, PaletteSize);
  // Hidden explicitly: a child that was never hidden is shown with its
  // window, and a component must never appear at run time.
  hide();
}

void TComponent::SetDesigning(bool Designing) {
  FDesigning = Designing;
  setVisible(Designing);
}

void TComponent::SetPalettePicture(const QPixmap &Picture) {
  FPalettePicture = Picture;
  update();
}

void TComponent::Loaded() {}

void TComponent::paintEvent(QPaintEvent *) {
  QPainter Painter(this);
  if (!FPalettePicture.isNull()) {
    Painter.drawPixmap(rect(), FPalettePicture);
    return;
  }
  Painter.fillRect(rect(), palette().button());
  Painter.setPen(palette().color(QPalette::Dark));
  Painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
