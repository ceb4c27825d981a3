#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>
#include <string>

#include "platform/ui/MenuItems.h"

namespace {

// &File (Open, Recent > Doc1, separator) on a menu bar; a pop-up menu held by
// nothing, holding Shared and Print. Shared is added to Recent later, Linked
// is Recent's and added to the pop-up later. Loose is in no menu at all.
class MenuItemsTest : public testing::Test {
 protected:
  QWidget Window;
  QMenuBar *Bar = new QMenuBar(&Window);
  QMenu *File = Bar->addMenu("&File");
  QAction *Open = File->addAction("&Open");
  QMenu *Recent = File->addMenu("Recent");
  QAction *Doc1 = Recent->addAction("Doc1");
  QAction *Linked = Recent->addAction("Linked");
  QAction *Separator = File->addSeparator();
  QMenu *Popup = new QMenu("Popup", &Window);
  QAction *Shared = Popup->addAction("Sh&ared");
  QAction *Print = Popup->addAction("Print");
  QAction *Loose = new QAction("Loose", &Window);

  void SetUp() override {
    Recent->addAction(Shared);
    Popup->addAction(Linked);
  }
};

TEST_F(MenuItemsTest, ActionsAreItemsMenusAreNot) {
  EXPECT_TRUE(IsMenuItem(Open));
  EXPECT_TRUE(IsMenuItem(File->menuAction()));
  EXPECT_TRUE(IsMenuItem(Loose));
  EXPECT_FALSE(IsMenuItem(File));
  EXPECT_FALSE(IsMenuItem(Bar));
  EXPECT_FALSE(IsMenuItem(&Window));
}

TEST_F(MenuItemsTest, ParentIsTheHoldingSubmenuUnlessThatIsARoot) {
  struct {
    const char *Name;
    QAction *Item;
    QAction *Parent;
  } Cases[] = {
      {"Open", Open, File->menuAction()},
      {"Recent", Recent->menuAction(), File->menuAction()},
      {"Doc1", Doc1, Recent->menuAction()},
      {"Separator", Separator, File->menuAction()},
      {"File, top of the bar", File->menuAction(), nullptr},
      {"Print, top of a root pop-up", Print, nullptr},
      {"Shared, the root pop-up holds it first", Shared, nullptr},
      {"Linked, Recent holds it first", Linked, Recent->menuAction()},
      {"Loose", Loose, nullptr},
  };
  for (const auto &Case : Cases) {
    SCOPED_TRACE(Case.Name);
    EXPECT_EQ(MenuItemParent(Case.Item), Case.Parent);
  }
}

TEST_F(MenuItemsTest, CaptionKeepsTheAmpersandAndASeparatorIsADash) {
  EXPECT_EQ(MenuItemCaption(File->menuAction()), "&File");
  EXPECT_EQ(MenuItemCaption(Shared), "Sh&ared");
  EXPECT_EQ(MenuItemCaption(Separator), "-");
}

TEST_F(MenuItemsTest, ChildrenAreTheSubmenuActionsInOrder) {
  EXPECT_EQ(MenuItemChildren(File->menuAction()),
            (QList<QAction *>{Open, Recent->menuAction(), Separator}));
  EXPECT_EQ(MenuItemChildren(Recent->menuAction()), (QList<QAction *>{Doc1, Linked, Shared}));
  EXPECT_TRUE(MenuItemChildren(Open).isEmpty());
  EXPECT_TRUE(MenuItemChildren(Loose).isEmpty());
}

}  // namespace
