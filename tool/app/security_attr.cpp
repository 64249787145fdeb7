#include "security_attr.h"

namespace {

const DWORD kAllRights = 0x001FFFFF;
const DWORD kInheritToAll = OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE;

}  // namespace

CSecurityAttr::~CSecurityAttr() {
  if (valid_) FreeParts();
}

void CSecurityAttr::FreeParts() {
  if (descriptor_) HeapFree(GetProcessHeap(), 0, descriptor_);
  if (acl_) HeapFree(GetProcessHeap(), 0, acl_);
  if (sid_) FreeSid(sid_);
  descriptor_ = nullptr;
  acl_ = nullptr;
  sid_ = nullptr;
  valid_ = false;
}

int CSecurityAttr::Build(SECURITY_ATTRIBUTES** attributes) {
  *attributes = nullptr;
  if (valid_) FreeParts();
  SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
  if (!AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &sid_)) {
    sid_ = nullptr;
    return 0;
  }
  DWORD aclSize = sizeof(ACL) + GetLengthSid(sid_) + sizeof(ACCESS_ALLOWED_ACE) - sizeof(DWORD);
  acl_ = static_cast<PACL>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, aclSize));
  if (acl_ == nullptr || !InitializeAcl(acl_, aclSize, ACL_REVISION)) {
    FreeParts();
    return 0;
  }
  // Files and folders created inside take the entry over, so that a log file one account created
  // stays writable for the next. Without the entry the list would be empty and nobody could
  // write into the folder: then no folder is made with it at all.
  if (!AddAccessAllowedAceEx(acl_, ACL_REVISION, kInheritToAll, kAllRights, sid_)) {
    FreeParts();
    return 0;
  }
  descriptor_ = HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, SECURITY_DESCRIPTOR_MIN_LENGTH);
  if (descriptor_ == nullptr ||
      !InitializeSecurityDescriptor(descriptor_, SECURITY_DESCRIPTOR_REVISION) ||
      !SetSecurityDescriptorDacl(descriptor_, TRUE, acl_, FALSE)) {
    FreeParts();
    return 0;
  }
  attributes_.nLength = sizeof attributes_;
  attributes_.lpSecurityDescriptor = descriptor_;
  attributes_.bInheritHandle = FALSE;
  *attributes = &attributes_;
  valid_ = true;
  return 1;
}
