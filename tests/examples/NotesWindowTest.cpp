// The notes demo's window over the sample data file the build writes: each sample user sees the
// commands the file grants, logging on again switches them, and a cancelled start-up logon ends
// the demo.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTimer>
#include <clocale>
#include <filesystem>
#include <map>
#include <memory>

#include "Quorsec/MenuCaption.h"
#include "Quorsec/SchemaNames.h"
#include "dialogs/Lgndlg/Lgndlg.h"
#include "examples/notes/MenuCommands.h"
#include "examples/notes/NotesWindow.h"
#include "platform/ui/FormCreation.h"
#include "platform/ui/MessageRecorder.h"
#include "platform/ui/Text8.h"
#include "tests/support/ModalScript.h"
#include "tests/support/SecurityFixture.h"

namespace {

// What the sample file lets each user do, command by command, in menu order.
struct TCommandRights {
  const char *Action;
  bool Alice, Bob, Manager;
};
const TCommandRights Commands[] = {
    {"&File_&New", true, false, false},       {"&File_&Open...", true, true, true},
    {"&File_&Save", true, false, false},      {"&File_Save &As...", true, false, false},
    {"&File_&Quit", true, true, true},        {"&Edit_&Undo", true, false, false},
    {"&Edit_&Redo", true, false, false},      {"&Edit_Cu&t", true, false, false},
    {"&Edit_&Copy", true, true, false},       {"&Edit_&Paste", true, false, false},
    {"&Edit_Select &All", true, true, false}, {"&View_&Word Wrap", true, true, true},
    {"&View_Zoom &In", true, true, false},    {"&View_Zoom &Out", true, true, false},
    {"&Help_&About", true, true, true},
};

struct TSampleUser {
  const char *Name;
  const char *Password;
  bool TCommandRights::*Rights;
  bool MayType;
  // An earlier logon written into the file, so the status bar has known values to show.
  const char *LastAccess;
  int AccessCount;
};
const TSampleUser Alice{"alice", "alice", &TCommandRights::Alice, true, "01/02/2025 03:04:05", 6};
const TSampleUser Bob{"bob", "bob", &TCommandRights::Bob, false, "11/30/2025 22:10:00", 41};
const TSampleUser Manager{"Manager", "", &TCommandRights::Manager, false, "06/07/2024 08:09:10", 2};
const TSampleUser *const SampleUsers[] = {&Alice, &Bob, &Manager};

std::string StatusAfterLogon(const TSampleUser &User) {
  return std::string("User: ") + User.Name + " | Logons: " + std::to_string(User.AccessCount + 1) +
         " | Previous logon: " + User.LastAccess;
}

void LogOnAs(QDialog &Dialog, const TSampleUser &User) {
  TfrmLogon &Form = ModalAs<TfrmLogon>(Dialog);
  Form.eUserName->setText(User.Name);
  Form.ePassword->setText(User.Password);
  Form.btnOkClick();
}

std::string LogonStatus(const TNotesWindow &Window) {
  const auto *Label = Window.statusbar->findChild<QLabel *>("LogonStatus");
  return Label == nullptr ? "(no logon status)" : FromQString(Label->text());
}

// Rights null: nobody is logged on and every command but the Administration ones is disabled.
void ExpectCommands(const TNotesWindow &Window, bool TCommandRights::*Rights) {
  std::map<std::string, const QAction *> ByName;
  for (const QAction *Command : MenuCommands(*Window.menubar)) {
    ByName[GetCompMenuCaption(Command)] = Command;
  }
  for (const TCommandRights &Row : Commands) {
    SCOPED_TRACE(Row.Action);
    const QAction *Command = ByName[Row.Action];
    ASSERT_NE(Command, nullptr);
    EXPECT_EQ(Command->isEnabled(), Rights != nullptr && Row.*Rights);
  }
  EXPECT_TRUE(Window.AdminChangePassword->isEnabled());
  EXPECT_TRUE(Window.AdminLogOnAgain->isEnabled());
}

class NotesDemo : public ::testing::Test {
 protected:
  NotesDemo() {
    std::setlocale(LC_TIME, "C");
    std::filesystem::copy_file(NOTES_SAMPLE_FILE, Dir.File("Notes.Dat"));
    SetToolServices(&Project);
  }
  ~NotesDemo() override { SetToolServices(nullptr); }

  void WriteEarlierLogons() {
    // A window that was only constructed has logged nobody on; its component knows the file
    // and its key.
    const TNotesWindow Unloaded;
    TEIniFile Store = Unloaded.Security->OpenStore();
    for (const TSampleUser *User : SampleUsers) {
      const std::string Section = Schema::UserSection(User->Name);
      Store.WriteString(Section, Schema::LastAccessKey, User->LastAccess);
      Store.WriteInteger(Section, Schema::AccessCountKey, User->AccessCount);
    }
    Store.Release();
  }

  // Opens the window as the demo's main() does, with the start-up logon typed in by User.
  std::unique_ptr<TNotesWindow> OpenAs(const TSampleUser &User) {
    TModalScript Script([&User](QDialog &Dialog) { LogOnAs(Dialog, User); });
    std::unique_ptr<TNotesWindow> Window(CreateForm<TNotesWindow>());
    EXPECT_TRUE(Script.Ran());
    Window->ApplyAccess();
    return Window;
  }

  TTempDir Dir;
  TTempProject Project{Dir.File("NotesWindow.ui")};
  TMessageRecorder Messages;
};

TEST_F(NotesDemo, SampleFileNamesEveryCommandOfTheMenus) {
  const TNotesWindow Window;
  std::vector<std::string> MenuNames;
  for (const QAction *Command : MenuCommands(*Window.menubar)) {
    if (!Window.mnuAdministration->actions().contains(Command)) {
      MenuNames.push_back(GetCompMenuCaption(Command));
    }
  }
  std::vector<std::string> TableNames;
  for (const TCommandRights &Row : Commands) {
    TableNames.push_back(Row.Action);
    EXPECT_TRUE(Window.Security->ActionExist(Row.Action)) << Row.Action;
  }
  EXPECT_EQ(MenuNames, TableNames);
}

TEST_F(NotesDemo, EachSampleUserSeesTheCommandsTheFileGrants) {
  WriteEarlierLogons();
  for (const TSampleUser *User : SampleUsers) {
    SCOPED_TRACE(User->Name);
    const std::unique_ptr<TNotesWindow> Window = OpenAs(*User);
    EXPECT_EQ(Window->Security->UserName(), User->Name);
    ExpectCommands(*Window, User->Rights);
    EXPECT_EQ(Window->Editor->isReadOnly(), !User->MayType);
    EXPECT_EQ(LogonStatus(*Window), StatusAfterLogon(*User));
    if (User == &Alice) {
      Window->Editor->setPlainText("Shopping\n- bread\n- coffee\n");
      Window->show();
      QDir().mkpath(QUORSEC_SCREENSHOT_DIR);
      EXPECT_TRUE(Window->grab().save(QUORSEC_SCREENSHOT_DIR "/demo-alice.png"));
    }
  }
  EXPECT_TRUE(Messages.Messages().empty());
}

TEST_F(NotesDemo, LogOnAgainSwitchesTheCommandsAndACancelLeavesNobody) {
  WriteEarlierLogons();
  const std::unique_ptr<TNotesWindow> Window = OpenAs(Alice);
  const TSampleUser *const NextUsers[] = {&Manager, nullptr, &Bob};  // null: cancelled
  for (const TSampleUser *User : NextUsers) {
    SCOPED_TRACE(User == nullptr ? "cancelled" : User->Name);
    TModalScript Script([User](QDialog &Dialog) {
      if (User == nullptr) {
        ModalAs<TfrmLogon>(Dialog).btnCancelClick();
      } else {
        LogOnAs(Dialog, *User);
      }
    });
    Window->AdminLogOnAgain->trigger();
    EXPECT_TRUE(Script.Ran());
    ExpectCommands(*Window, User == nullptr ? nullptr : User->Rights);
    EXPECT_EQ(Window->Editor->isReadOnly(), User == nullptr || !User->MayType);
    EXPECT_EQ(LogonStatus(*Window), User == nullptr ? "Nobody logged on" : StatusAfterLogon(*User));
  }
}

TEST_F(NotesDemo, CancelledStartUpLogonEndsTheDemo) {
  TModalScript Script([](QDialog &Dialog) { ModalAs<TfrmLogon>(Dialog).btnCancelClick(); });
  const std::unique_ptr<TNotesWindow> Window(CreateForm<TNotesWindow>());
  ASSERT_TRUE(Script.Ran());
  Window->ApplyAccess();
  Window->show();
  bool LoopEndedByItself = true;
  QTimer Guard;  // ends a loop that would otherwise never return, failing the test
  Guard.setSingleShot(true);
  QObject::connect(&Guard, &QTimer::timeout, [&] {
    LoopEndedByItself = false;
    QCoreApplication::exit(1);
  });
  Guard.start(5000);
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_TRUE(LoopEndedByItself);
  ExpectCommands(*Window, nullptr);
}

TEST_F(NotesDemo, NotesSurviveSavingAndOpeningAndUnsavedOnesAreNotDroppedUnasked) {
  const std::unique_ptr<TNotesWindow> Window = OpenAs(Alice);
  const QString Text = QString::fromUtf8("Grüße\nzweite Zeile");
  const QString File = QString::fromStdString(Dir.File("notes.txt"));
  Window->Editor->setPlainText(Text);
  ASSERT_TRUE(Window->SaveFile(File));
  EXPECT_EQ(Window->windowTitle(), "notes.txt[*] - Quorsec Notes");
  EXPECT_FALSE(Window->isWindowModified());

  Window->FileNewClick();
  EXPECT_EQ(Window->Editor->toPlainText(), "");
  ASSERT_TRUE(Window->LoadFile(File));
  EXPECT_EQ(Window->Editor->toPlainText(), Text);

  Window->Editor->appendPlainText("not saved");
  Messages.SetAnswer(false);
  Window->FileNewClick();
  EXPECT_TRUE(Window->Editor->toPlainText().endsWith("not saved"));
  ASSERT_EQ(Messages.Messages().size(), 1u);
  EXPECT_EQ(Messages.Messages()[0].Kind, TMessageKind::Confirmation);

  const std::string Unwritable = Dir.File("missing/notes.txt");
  EXPECT_FALSE(Window->SaveFile(QString::fromStdString(Unwritable)));
  ASSERT_EQ(Messages.Messages().size(), 2u);
  EXPECT_EQ(Messages.Messages()[1].Text.rfind("Cannot save " + Unwritable + ": ", 0), 0u);
  EXPECT_TRUE(Window->isWindowModified());
}

}  // namespace
