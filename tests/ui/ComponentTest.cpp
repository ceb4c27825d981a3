#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/FormCreation.h"
#include "platform/ui/TComponent.h"

namespace {

struct TLoadedLog {
  std::vector<std::string> Names;
  std::vector<bool> FormConstructed;
};

class TLoggingComponent : public TComponent {
 public:
  TLoggingComponent(QWidget *Owner, const char *Name, TLoadedLog &Log, const bool &FormConstructed)
      : TComponent(Owner), FLog(Log), FFormConstructed(FormConstructed) {
    setObjectName(Name);
  }

  void Loaded() override {
    FLog.Names.push_back(objectName().toStdString());
    FLog.FormConstructed.push_back(FFormConstructed);
  }

 private:
  TLoadedLog &FLog;
  const bool &FFormConstructed;
};

// Components on the form and inside a container, created in an order that
// neither the child lists nor a depth-first walk reproduce.
class TTestForm : public QWidget {
 public:
  explicit TTestForm(TLoadedLog &Log) {
    auto *Panel = new QWidget(this);
    auto *First = new TLoggingComponent(this, "First", Log, FConstructed);
    new TLoggingComponent(Panel, "Second", Log, FConstructed);
    new TLoggingComponent(this, "Third", Log, FConstructed);
    First->raise();  // moves First to the end of the form's children
    FConstructed = true;
  }

 private:
  bool FConstructed = false;
};

TEST(CreateForm, EachComponentIsLoadedOnceInCreationOrderAfterConstruction) {
  TLoadedLog Log;
  const std::unique_ptr<TTestForm> Form(CreateForm<TTestForm>(Log));

  EXPECT_EQ(Log.Names, (std::vector<std::string>{"First", "Second", "Third"}));
  EXPECT_EQ(Log.FormConstructed, (std::vector<bool>{true, true, true}));
}

TEST(NotifyLoaded, ReachesComponentsOfAHostBuiltWindow) {
  TLoadedLog Log;
  TTestForm Form(Log);
  ASSERT_TRUE(Log.Names.empty());

  NotifyLoaded(&Form);

  EXPECT_EQ(Log.Names, (std::vector<std::string>{"First", "Second", "Third"}));
}

TEST(TComponent, StaysHiddenWhenItsWindowIsShown) {
  QWidget Window;
  auto *Component = new TComponent(&Window);

  Window.show();

  EXPECT_TRUE(Window.isVisible());
  EXPECT_FALSE(Component->isVisible());
}

TEST(TComponent, ShowsItsPalettePictureWhileDesigning) {
  QWidget Window;
  auto *Component = new TComponent(&Window);
  QPixmap Picture(24, 24);
  Picture.fill(Qt::red);
  Component->SetPalettePicture(Picture);

  Component->SetDesigning(true);
  Window.show();

  EXPECT_TRUE(Component->IsDesigning());
  EXPECT_TRUE(Component->isVisible());
  EXPECT_EQ(Component->size(), QSize(24, 24));
  const QImage Painted = Component->grab().toImage();
  EXPECT_EQ(Painted.pixelColor(12, 12), QColor(Qt::red));
}

}  // namespace
