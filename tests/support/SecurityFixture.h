#pragma once
// A component whose data file lives in a fresh directory: the design-time branch of the path
// is pointed there, so tests never share a file.

#include <gtest/gtest.h>

#include <clocale>

#include "EIniFile/TEIniFile.h"
#include "Quorsec/NumberedList.h"
#include "Quorsec/Quorsec.h"
#include "platform/ui/ToolServices.h"
#include "tests/support/TempDir.h"

class TTempProject : public TToolServices {
 public:
  explicit TTempProject(std::string ProjectFile) : FProjectFile(std::move(ProjectFile)) {}
  std::string ProjectFileName() const override { return FProjectFile; }

 private:
  std::string FProjectFile;
};

class SecurityFixture : public ::testing::Test {
 protected:
  SecurityFixture() {
    std::setlocale(LC_TIME, "C");
    SetToolServices(&Project);
    Security.setPassword("file key");
  }
  ~SecurityFixture() override { SetToolServices(nullptr); }

  std::string DataFile() const { return Dir.File("Sec.Dat"); }

  // Anna/"pw" (granted "File_&Open", member of Staff which may "Edit_Cut"), and the
  // administrator Manager with an empty password.
  void WriteSampleUsers() {
    TEIniFile Store(DataFile(), "file key");
    AppendToList(Store, "Main", Lists::Users, {"Anna", "Manager"});
    AppendToList(Store, "Main", Lists::Groups, {"Staff"});
    AppendToList(Store, "Main", Lists::Actions, {"File_&Open", "Edit_Cut"});
    Store.WriteString("User_Anna", "Password", "pw");
    AppendToList(Store, "User_Anna", Lists::Actions, {"File_&Open"});
    AppendToList(Store, "User_Anna", Lists::Groups, {"Staff"});
    AppendToList(Store, "Group_Staff", Lists::Actions, {"Edit_Cut"});
    Store.WriteString("User_Manager", "Password", "");
    Store.WriteString("User_Manager", "DefUser", "MayManage");
    Store.Release();
  }

  TTempDir Dir;
  TTempProject Project{Dir.File("Project.ui")};
  TQuorSecurity Security;
};
