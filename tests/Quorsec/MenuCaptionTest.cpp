#include <gtest/gtest.h>

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "Quorsec/MenuCaption.h"

namespace {

TEST(MenuCaption, NamesEveryItemByItsPathFromTheTop) {
  QMainWindow Window;
  QMenuBar *Bar = Window.menuBar();
  QMenu *File = Bar->addMenu("&File");
  QAction *Open = File->addAction("&Open");
  QMenu *Recent = File->addMenu("Recent");
  QAction *Doc1 = Recent->addAction("Doc1");
  QAction *Separator = File->addSeparator();
  QMenu *Edit = Bar->addMenu("Edit");
  QAction *EditSeparator = Edit->addSeparator();
  QMenu *AB = Bar->addMenu("A_B");
  QAction *Y = AB->addAction("Y");
  QMenu *A = Bar->addMenu("A");
  QAction *BY = A->addAction("B_Y");
  QMenu *Untitled = Bar->addMenu("");
  QAction *Sub = Untitled->addAction("Sub");
  QAction *Help = Bar->addAction("Help");
  QMenu Popup;  // a context menu, held by no menu
  QAction *Copy = Popup.addAction("&Copy");
  QMenu *More = Popup.addMenu("More");
  QAction *Paste = More->addAction("Paste");
  QAction Loose("Loose &Item");
  Edit->addAction(Open);  // held by two menus: the first holder names it

  QPushButton Button("Open");
  const struct {
    const char *What;
    const QObject *Object;
    const char *Name;
  } Cases[] = {
      {"item", Open, "&File_&Open"},
      {"item with children", Recent->menuAction(), "&File_Recent"},
      {"nested", Doc1, "&File_Recent_Doc1"},
      {"separator", Separator, "&File_-"},
      {"separator", EditSeparator, "Edit_-"},
      {"underscore in parent", Y, "A_B_Y"},
      {"underscore in item", BY, "A_B_Y"},
      {"empty top caption", Sub, "_Sub"},
      {"top-level menu", File->menuAction(), "&File"},
      {"top-level command", Help, "Help"},
      {"pop-up item", Copy, "&Copy"},
      {"pop-up submenu item", Paste, "More_Paste"},
      {"in no menu", &Loose, "Loose &Item"},
      {"null", nullptr, "Not a menu item!"},
      {"form", &Window, "Not a menu item!"},
      {"button", &Button, "Not a menu item!"},
      {"menu", File, "Not a menu item!"},
      {"menu bar", Bar, "Not a menu item!"},
  };
  for (const auto &Case : Cases) {
    SCOPED_TRACE(Case.What);
    EXPECT_EQ(GetCompMenuCaption(Case.Object), Case.Name);
  }
}

TEST(MenuCaption, AMenuInsideItselfDoesNotHang) {
  QMenuBar Bar;
  QMenu *Outer = Bar.addMenu("Outer");
  QMenu *Inner = Outer->addMenu("Inner");
  Inner->addAction(Outer->menuAction());
  QAction *Leaf = Inner->addAction("Leaf");
  EXPECT_EQ(GetCompMenuCaption(Leaf), "Outer_Inner_Leaf");
}

}  // namespace
