// The data folder's security record read back entry by entry. Wine does not enforce access
// lists, so what is checked is the entry itself: everyone, every right, and inherited by the
// files and folders created inside, so that one account's log files stay writable for the next.
#include <windows.h>

#include <gtest/gtest.h>

#include "security_attr.h"

namespace {

const ACCESS_ALLOWED_ACE* OnlyEntry(const SECURITY_ATTRIBUTES& attributes) {
  BOOL present = FALSE, defaulted = FALSE;
  PACL acl = nullptr;
  if (!GetSecurityDescriptorDacl(attributes.lpSecurityDescriptor, &present, &acl, &defaulted) ||
      !present || acl == nullptr || acl->AceCount != 1) {
    return nullptr;
  }
  void* ace = nullptr;
  if (!GetAce(acl, 0, &ace)) return nullptr;
  return static_cast<const ACCESS_ALLOWED_ACE*>(ace);
}

TEST(SecurityAttrWine, TheOneEntryGivesEveryoneAllRightsAndIsInheritedByFilesAndFolders) {
  CSecurityAttr security;
  SECURITY_ATTRIBUTES* attributes = nullptr;
  ASSERT_EQ(security.Build(&attributes), 1);
  ASSERT_NE(attributes, nullptr);
  EXPECT_EQ(attributes->nLength, sizeof(SECURITY_ATTRIBUTES));
  EXPECT_FALSE(attributes->bInheritHandle);

  const ACCESS_ALLOWED_ACE* entry = OnlyEntry(*attributes);
  ASSERT_NE(entry, nullptr) << "the access list does not hold exactly one entry";
  EXPECT_EQ(entry->Header.AceType, ACCESS_ALLOWED_ACE_TYPE);
  EXPECT_EQ(entry->Header.AceFlags, OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE)
      << "log files created in the folder would not take the entry over";
  EXPECT_EQ(entry->Mask, 0x001FFFFFu);

  SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
  PSID everyone = nullptr;
  ASSERT_TRUE(AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0,
                                       &everyone));
  EXPECT_TRUE(EqualSid(const_cast<DWORD*>(&entry->SidStart), everyone));
  FreeSid(everyone);

  // Built again, the record is whole again (the old parts are freed first).
  ASSERT_EQ(security.Build(&attributes), 1);
  EXPECT_NE(OnlyEntry(*attributes), nullptr);
}

}  // namespace
