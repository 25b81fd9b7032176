#pragma once

// The current user's registry hive, as far as the rotation uses it. Kept free
// of windows.h so that the rotation builds and is tested natively against a
// recording stand-in; SystemRegistry() is the real one, in the Windows build.
class CurrentUserRegistry {
 public:
  using Key = void*;

  virtual ~CurrentUserRegistry() = default;

  // Opens an existing subkey with all access; never creates one. Null when
  // the key cannot be opened.
  virtual Key OpenExisting(const char* subkey) = 0;

  // Opens the subkey with all access, made first where it is missing.
  virtual Key OpenOrCreate(const char* subkey) = 0;

  // Sets the key's default (unnamed) value to the UTF-8 string of byteCount
  // bytes, its NUL included.
  virtual void SetDefaultString(Key key, const char* value, unsigned long byteCount) = 0;

  virtual void Close(Key key) = 0;
};

CurrentUserRegistry& SystemRegistry();
