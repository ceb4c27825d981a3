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

bool MasterListContains(const TEIniFile &Store, const TListKind &Kind, const std::string &Name) {
  return ListContains(Store, Schema::MainSection, Kind, Name, Kind.MissingMasterItem);
}

void AppendToList(TEIniFile &Store, const std::string &Section, const TListKind &Kind,
                  const TStrings &Names) {
  // A negative count is an empty list: appending starts at 1 rather than at an unreadable item.
  const int Count = std::max(ListCount(Store, Section, Kind), 0);
  const auto Position = [Count](std::size_t Index) { return Count + static_cast<int>(Index) + 1; };
  for (std::size_t I = 0; I < Names.size(); ++I) {
    CheckEntryFits(Section, ItemKey(Kind, Position(I)), Names[I]);
  }
  for (std::size_t I = 0; I < Names.size(); ++I) {
    Store.WriteInteger(Section, Kind.CountKey, Position(I));
    Store.WriteString(Section, ItemKey(Kind, Position(I)), Names[I]);
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

  if (!Kind.OwnSectionPrefix.empty()) Store.EraseSection(Kind.OwnSectionPrefix + Name);
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
