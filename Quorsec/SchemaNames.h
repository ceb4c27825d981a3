#pragma once
// Section and key names, markers and sentinels of the security data file. These texts are the
// file format: existing data files depend on every byte of them.

#include <string>

namespace Schema {

inline const std::string MainSection = "Main";
inline const std::string UserSectionPrefix = "User_";
inline const std::string GroupSectionPrefix = "Group_";

inline const std::string PasswordKey = "Password";
inline const std::string DefUserKey = "DefUser";
inline const std::string LastAccessKey = "LastAccess";
inline const std::string AccessCountKey = "AccessCount";

inline const std::string AdministratorMarker = "MayManage";
inline const std::string NotAdministratorMarker = "ThisIsATest";

// Read in place of a missing numbered user key, so a gap in the list never matches a real name.
inline const std::string ImpossibleUser = "ImposibleUser";
// Read in place of a missing password; reading it back means the user's section is damaged.
inline const std::string NoStoredPassword = "NoStoredPwdMarker";

// The administrator written into a file that has no user at all.
inline const std::string SeedUserName = "Manager";

inline std::string UserSection(const std::string &UserName) {
  return UserSectionPrefix + UserName;
}
inline std::string GroupSection(const std::string &GroupName) {
  return GroupSectionPrefix + GroupName;
}

}  // namespace Schema
