// The notes demo: asks who is there, then opens the editor with that user's commands. Its users
// and their rights are in Notes.Dat beside this program (the build writes a sample one).

#include <QApplication>
#include <memory>

#include "examples/notes/NotesWindow.h"
#include "platform/ui/FormCreation.h"

int main(int argc, char **argv) {
  QApplication App(argc, argv);
  QApplication::setApplicationName("Quorsec Notes");
  // Loading the form runs the logon; when it is cancelled, exec() below returns at once.
  const std::unique_ptr<TNotesWindow> Window(CreateForm<TNotesWindow>());
  Window->ApplyAccess();
  Window->show();
  return QApplication::exec();
}
