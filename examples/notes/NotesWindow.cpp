#include "examples/notes/NotesWindow.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QSaveFile>
#include <QStatusBar>

#include "Quorsec/MenuCaption.h"
#include "examples/notes/MenuCommands.h"
#include "platform/runtime/DateTime.h"
#include "platform/ui/Click.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Text8.h"

namespace {

const QString TextFileFilter = "Text files (*.txt);;All files (*)";
constexpr int StatusMessageMilliseconds = 5000;

void ShowFileError(const char *What, const QString &FileName, const QString &Reason) {
  ShowMessage(FromQString(QString("Cannot %1 %2: %3").arg(What, FileName, Reason)));
}

}  // namespace

TNotesWindow::TNotesWindow(QWidget *Parent) : QMainWindow(Parent) {
  setupUi(this);
  FLogonStatus = new QLabel(statusbar);
  FLogonStatus->setObjectName("LogonStatus");
  statusbar->addPermanentWidget(FLogonStatus);

  OnClick(FileNew, [this] { FileNewClick(); });
  OnClick(FileOpen, [this] { FileOpenClick(); });
  OnClick(FileSave, [this] { FileSaveClick(); });
  OnClick(FileSaveAs, [this] { FileSaveAsClick(); });
  OnClick(FileQuit, [this] { close(); });
  OnClick(EditUndo, [this] { Editor->undo(); });
  OnClick(EditRedo, [this] { Editor->redo(); });
  OnClick(EditCut, [this] { Editor->cut(); });
  OnClick(EditCopy, [this] { Editor->copy(); });
  OnClick(EditPaste, [this] { Editor->paste(); });
  OnClick(EditSelectAll, [this] { Editor->selectAll(); });
  OnClick(ViewZoomIn, [this] { Editor->zoomIn(); });
  OnClick(ViewZoomOut, [this] { Editor->zoomOut(); });
  OnClick(HelpAbout, [this] { HelpAboutClick(); });
  OnClick(AdminChangePassword, [this] { AdminChangePasswordClick(); });
  OnClick(AdminLogOnAgain, [this] { AdminLogOnAgainClick(); });
  connect(ViewWordWrap, &QAction::toggled, Editor, [this](bool Wrap) {
    Editor->setLineWrapMode(Wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  });
  connect(Editor->document(), &QTextDocument::modificationChanged, this,
          &QWidget::setWindowModified);

  SetCurrentFile({});
  ShowLogonStatus();
}

void TNotesWindow::ApplyAccess() {
  const QList<QAction *> Administration = mnuAdministration->actions();
  for (QAction *Command : MenuCommands(*menubar)) {
    if (Administration.contains(Command)) continue;
    Command->setEnabled(Security->TestAccess(GetCompMenuCaption(Command)));
  }
  // Typing goes past the menus: only a user who may keep the notes may change them.
  Editor->setReadOnly(!FileSave->isEnabled() && !FileSaveAs->isEnabled());
  ShowLogonStatus();
}

bool TNotesWindow::LoadFile(const QString &FileName) {
  QFile File(FileName);
  if (!File.open(QIODevice::ReadOnly)) {
    ShowFileError("open", FileName, File.errorString());
    return false;
  }
  Editor->setPlainText(QString::fromUtf8(File.readAll()));
  SetCurrentFile(FileName);
  return true;
}

bool TNotesWindow::SaveFile(const QString &FileName) {
  // QSaveFile replaces the old file only once the new one is complete.
  QSaveFile File(FileName);
  if (!File.open(QIODevice::WriteOnly) || File.write(Editor->toPlainText().toUtf8()) < 0 ||
      !File.commit()) {
    ShowFileError("save", FileName, File.errorString());
    return false;
  }
  SetCurrentFile(FileName);
  return true;
}

void TNotesWindow::FileNewClick() {
  if (!MayDiscardChanges()) return;
  Editor->clear();
  SetCurrentFile({});
}

void TNotesWindow::FileOpenClick() {
  if (!MayDiscardChanges()) return;
  const QString FileName =
      QFileDialog::getOpenFileName(this, "Open Notes", FCurrentFile, TextFileFilter);
  if (!FileName.isEmpty()) LoadFile(FileName);
}

void TNotesWindow::FileSaveClick() {
  if (FCurrentFile.isEmpty()) {
    FileSaveAsClick();
  } else {
    SaveFile(FCurrentFile);
  }
}

void TNotesWindow::FileSaveAsClick() {
  const QString FileName =
      QFileDialog::getSaveFileName(this, "Save Notes As", FCurrentFile, TextFileFilter);
  if (!FileName.isEmpty()) SaveFile(FileName);
}

void TNotesWindow::HelpAboutClick() {
  QMessageBox::about(this, "About Quorsec Notes",
                     "Quorsec Notes shows the Quorsec access-control component at work: each "
                     "menu command is enabled only for the users allowed to perform it.\n\n"
                     "Use Administration > Log On Again... to see the editor as another user.");
}

void TNotesWindow::AdminChangePasswordClick() {
  if (Security->UserName().empty()) {
    statusbar->showMessage("Nobody is logged on.", StatusMessageMilliseconds);
    return;
  }
  const bool Changed = Security->ChangePassword();
  statusbar->showMessage(Changed ? "Password changed." : "Password not changed.",
                         StatusMessageMilliseconds);
}

void TNotesWindow::AdminLogOnAgainClick() {
  // A cancelled logon leaves nobody logged on, and ApplyAccess then disables every command.
  Security->LogOn();
  ApplyAccess();
}

void TNotesWindow::closeEvent(QCloseEvent *Event) {
  if (MayDiscardChanges()) {
    Event->accept();
  } else {
    Event->ignore();
  }
}

bool TNotesWindow::MayDiscardChanges() {
  return !Editor->document()->isModified() ||
         MessageDlgYesNo("The notes have unsaved changes. Discard them?");
}

void TNotesWindow::SetCurrentFile(const QString &FileName) {
  FCurrentFile = FileName;
  Editor->document()->setModified(false);
  const QString Shown = FileName.isEmpty() ? "Untitled" : QFileInfo(FileName).fileName();
  setWindowTitle(Shown + "[*] - Quorsec Notes");
  setWindowModified(false);
}

void TNotesWindow::ShowLogonStatus() {
  if (Security->UserName().empty()) {
    FLogonStatus->setText("Nobody logged on");
    return;
  }
  FLogonStatus->setText(QString("User: %1 | Logons: %2 | Previous logon: %3")
                            .arg(ToQString(Security->UserName()),
                                 QString::number(Security->UserAccessCount()),
                                 ToQString(DateTimeToStr(Security->UserLastAccess()))));
}
