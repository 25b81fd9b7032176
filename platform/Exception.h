#pragma once

// The exception that carries a message text. The framework reports its own
// failures with it; the entry routine shows the text and ends the program.
// The text is a literal, so nothing is allocated on the way out.
class xmsg {
 public:
  explicit xmsg(const char* text) : text_(text) {}
  virtual ~xmsg() = default;
  const char* why() const { return text_; }

 private:
  const char* text_;
};
