#pragma once
#include <string>

// The exception that carries a message text. The framework reports its own
// failures with it; the entry routine shows the text and ends the program.
class xmsg {
 public:
  explicit xmsg(std::string text) : text_(std::move(text)) {}
  virtual ~xmsg() = default;
  const std::string& why() const { return text_; }

 private:
  std::string text_;
};
