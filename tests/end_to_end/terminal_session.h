// A program running in a terminal of its own, driven as a person would:
// keys typed into it, its screen read back as shown. tmux provides both the
// pseudo-terminal and the terminal emulation that turns cursor controls
// into a screen.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace end_to_end {

class TerminalSession {
 public:
  explicit TerminalSession(const std::vector<std::string>& command);
  ~TerminalSession();
  TerminalSession(const TerminalSession&) = delete;
  TerminalSession& operator=(const TerminalSession&) = delete;

  // The screen and its scrolled-off history, one text line per row,
  // trailing blank rows dropped.
  std::string screen();
  bool running();

  void type(const std::string& characters);
  void pressEnter();

  // Polls the screen until it satisfies `ready`; false if the limit passes.
  bool waitForScreen(const std::function<bool(const std::string&)>& ready,
                     std::chrono::milliseconds limit);
  bool waitUntilFinished(std::chrono::milliseconds limit);

 private:
  std::string tmux(const std::vector<std::string>& arguments);

  std::string socketName_;
  std::string configPath_;
};

bool contains(const std::string& text, const std::string& part);

// The lines of `text` that hold anything but spaces, trailing spaces and
// carriage returns removed: what a reader sees, without the blank rows.
std::vector<std::string> nonEmptyLines(const std::string& text);

}  // namespace end_to_end
