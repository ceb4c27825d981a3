#pragma once
// The notes demo's main window: a plain-text editor carrying a TQuorSecurity on its form. Its
// menu commands follow the rights of whoever logged on; the Administration menu is always there
// to change one's password or to log on as someone else.

#include <QMainWindow>

#include "ui_NotesWindow.h"

class QLabel;

class TNotesWindow : public QMainWindow, public Ui::TNotesWindow {
  Q_OBJECT

 public:
  explicit TNotesWindow(QWidget *Parent = nullptr);

  // Enables exactly the commands the logged-on user may perform (none while nobody is logged
  // on), lets only a user who may save type into the notes, and shows who is logged on. Call
  // it after every logon.
  void ApplyAccess();

  // Read and write the notes as UTF-8 text. A failure is shown and leaves the editor as it was.
  bool LoadFile(const QString &FileName);
  bool SaveFile(const QString &FileName);

  void FileNewClick();
  void FileOpenClick();
  void FileSaveClick();
  void FileSaveAsClick();
  void HelpAboutClick();
  void AdminChangePasswordClick();
  void AdminLogOnAgainClick();

 protected:
  void closeEvent(QCloseEvent *Event) override;

 private:
  bool MayDiscardChanges();
  void SetCurrentFile(const QString &FileName);
  void ShowLogonStatus();

  QLabel *FLogonStatus;
  QString FCurrentFile;  // empty for notes never saved
};
