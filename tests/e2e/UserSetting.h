#pragma once
// A value of the current user's registry that a program reads as it starts,
// such as the display's scale or a system colour: set for the programs
// started from now on, and put back as it was when the object goes.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

class UserSetting {
 public:
  UserSetting(const char* key, const char* name, DWORD number)
      : UserSetting(key, name, REG_DWORD, &number, sizeof number) {}
  UserSetting(const char* key, const char* name, const std::string& text)
      : UserSetting(key, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1)) {}
  ~UserSetting() {
    if (had_)
      RegSetKeyValueA(HKEY_CURRENT_USER, key_, name_, type_, before_.data(),
                      static_cast<DWORD>(before_.size()));
    else
      RegDeleteKeyValueA(HKEY_CURRENT_USER, key_, name_);
  }
  UserSetting(const UserSetting&) = delete;
  UserSetting& operator=(const UserSetting&) = delete;

 private:
  UserSetting(const char* key, const char* name, DWORD type, const void* data, DWORD size)
      : key_(key), name_(name), before_(1024) {
    DWORD kept = static_cast<DWORD>(before_.size());
    had_ = RegGetValueA(HKEY_CURRENT_USER, key, name, RRF_RT_ANY, &type_, before_.data(), &kept) ==
           ERROR_SUCCESS;
    before_.resize(kept);
    EXPECT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, key, name, type, data, size), ERROR_SUCCESS);
  }

  const char *key_, *name_;
  std::vector<BYTE> before_;
  DWORD type_ = REG_NONE;
  bool had_ = false;
};
