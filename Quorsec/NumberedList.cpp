#include "Quorsec/NumberedList.h"

#include <algorithm>

#include "EIniFile/RecordFormat.h"
#include "Quorsec/SchemaNames.h"
#include "platform/runtime/TextConvert.h"

namespace {

void WriteItems(TEIniFile &Store, const std::string &Section, const TListKind &Kind,
                const TStrings &Items) {
  Store.WriteInteger(Section, Kind.CountKey, static_cast<std::int32_t>(Items.size()));
  for (std::size_t I = 0; I < Items.size(); ++I) {
    Store.WriteString(Section, ItemKey(Kind, static_cast<int>(I + 1)), Items[I]);
  }
}

}  // namespace

std::string ItemKey(const TListKind &Kind, int Position) {
  return Kind.ItemStem + IntToStr(Position);
}

int ListCount(const TEIniFile &Store, const std::string &Section, const TListKind &Kind) {
  return Store.ReadInteger(Section, Kind.CountKey, 0);
}

TStrings ReadList(const TEIniFile &Store, const std::string &Section, const TListKind &Kind,
                  const std::string &MissingItem) {
  TStrings Items;
  const int Count = ListCount(Store, Section, Kind);
  for (int I = 1; I <= Count; ++I) {
    Items.push_back(Store.ReadString(Section, ItemKey(Kind, I), MissingItem));
  }
  return Items;
}

bool ListContains(const TEIniFile &Store, const std::string &Section, const TListKind &Kind,
                  const std::string &Name, const std::string &MissingItem) {
  const TStrings Items = ReadList(Store, Section, Kind, MissingItem);
  return std::find(Items.begin(), Items.end(), Name) != Items.end();
}

void AppendToList(TEIniFile &Store, const std::string &Section, const TListKind &Kind,
                  const TStrings &Names) {
  const int Count = std::max(ListCount(Store, Section, Kind), 0);
  for (std::size_t I = 0; I < Names.size(); ++I) {
    CheckEntryFits(Section, ItemKey(Kind, Count + static_cast<int>(I) + 1), Names[I]);
  }
  for (const std::string &Name : Names) {
    const int Position = std::max(ListCount(Store, Section, Kind), 0) + 1;
    Store.WriteInteger(Section, Kind.CountKey, Position);
    Store.WriteString(Section, ItemKey(Kind, Position), Name);
  }
}

bool DeleteFromMasterList(TEIniFile &Store, const TListKind &Kind, const std::string &Name) {
  const std::string &Main = Schema::MainSection;
  TStrings Remaining = ReadList(Store, Main, Kind);
  const auto Found = std::find(Remaining.begin(), Remaining.end(), Name);
  if (Found == Remaining.end()) return false;
  Remaining.erase(Found);

  const int OldCount = ListCount(Store, Main, Kind);
  Store.DeleteItem(Kind.CountKey, Main);
  for (int I = 1; I <= OldCount; ++I) Store.DeleteItem(ItemKey(Kind, I), Main);
  WriteItems(Store, Main, Kind, Remaining);

  if (Kind.CountKey == Lists::Users.CountKey) Store.EraseSection(Schema::UserSection(Name));
  if (Kind.CountKey == Lists::Groups.CountKey) Store.EraseSection(Schema::GroupSection(Name));
  return true;
}

int WithdrawFromMemberList(TEIniFile &Store, const std::string &Section, const TListKind &Kind,
                           const TStrings &Names) {
  const TStrings Items = ReadList(Store, Section, Kind);
  TStrings Kept;
  for (const std::string &Item : Items) {
    if (std::find(Names.begin(), Names.end(), Item) == Names.end()) Kept.push_back(Item);
  }
  const int Withdrawn = static_cast<int>(Items.size() - Kept.size());
  if (Withdrawn > 0) WriteItems(Store, Section, Kind, Kept);
  return Withdrawn;
}
