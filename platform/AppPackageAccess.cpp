#include "platform/AppPackageAccess.h"

#include <aclapi.h>
#include <sddl.h>

#include "platform/WideText.h"

PACL WithAppPackagesReading(PACL dacl) {
  PSID appPackages = nullptr;
  if (!ConvertStringSidToSidW(L"S-1-15-2-1", &appPackages)) return nullptr;
  EXPLICIT_ACCESSW access = {};
  access.grfAccessPermissions = FILE_GENERIC_READ | FILE_GENERIC_EXECUTE;
  access.grfAccessMode = GRANT_ACCESS;
  access.grfInheritance = SUB_CONTAINERS_AND_OBJECTS_INHERIT;
  access.Trustee.TrusteeForm = TRUSTEE_IS_SID;
  access.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
  access.Trustee.ptstrName = static_cast<LPWSTR>(appPackages);
  PACL result = nullptr;
  const DWORD error = SetEntriesInAclW(1, &access, dacl, &result);
  LocalFree(appPackages);
  return error == ERROR_SUCCESS ? result : nullptr;
}

// A right that the folder has already is merged, not added twice.
bool LetAppPackagesRead(const char* folder) {
  WideText name(folder);
  PACL dacl = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (GetNamedSecurityInfoW(name, SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                            &dacl, nullptr, &descriptor) != ERROR_SUCCESS)
    return false;
  PACL granted = WithAppPackagesReading(dacl);
  const bool set =
      granted && SetNamedSecurityInfoW(const_cast<wchar_t*>(static_cast<const wchar_t*>(name)),
                                       SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                                       granted, nullptr) == ERROR_SUCCESS;
  LocalFree(granted);
  LocalFree(descriptor);
  return set;
}
