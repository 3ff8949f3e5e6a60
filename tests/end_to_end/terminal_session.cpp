#include "terminal_session.h"

#include <unistd.h>

#include <atomic>
#include <fstream>
#include <stdexcept>
#include <thread>

#include "process_run.h"

namespace end_to_end {
namespace {

std::string uniqueName() {
  static std::atomic<int> sessions{0};
  return "e2e-" + std::to_string(getpid()) + "-" + std::to_string(sessions++);
}

}  // namespace

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

std::vector<std::string> nonEmptyLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\r')) line.pop_back();
    if (!line.empty()) lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

TerminalSession::TerminalSession(const std::vector<std::string>& command)
    : socketName_(uniqueName()), configPath_("/tmp/" + socketName_ + ".conf") {
  // The pane stays after the program ends, so its last screen and its exit
  // can still be read; tmux adds no words of its own to that screen.
  std::ofstream(configPath_) << "set -g remain-on-exit on\n"
                                "set -g remain-on-exit-format \"\"\n"
                                "set -g history-limit 10000\n";
  std::vector<std::string> start = {"new-session", "-d", "-x", "100", "-y", "50", "--"};
  start.insert(start.end(), command.begin(), command.end());
  tmux(start);
}

TerminalSession::~TerminalSession() {
  tmux({"kill-server"});
  unlink(configPath_.c_str());
}

std::string TerminalSession::tmux(const std::vector<std::string>& arguments) {
  std::vector<std::string> command = {"tmux", "-L", socketName_, "-f", configPath_};
  command.insert(command.end(), arguments.begin(), arguments.end());
  ProcessOptions options;
  options.timeLimit = std::chrono::milliseconds(10000);
  ProcessResult result = runProcess(command, options);
  if (!result.finishedInTime) throw std::runtime_error("tmux did not answer");
  return result.output;
}

std::string TerminalSession::screen() {
  std::string text = tmux({"capture-pane", "-p", "-J", "-S", "-"});
  while (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}

bool TerminalSession::running() {
  return tmux({"display-message", "-p", "#{pane_dead}"}) == "0\n";
}

void TerminalSession::type(const std::string& characters) {
  tmux({"send-keys", "-l", characters});
}

void TerminalSession::pressEnter() {
  tmux({"send-keys", "Enter"});
}

bool TerminalSession::waitForScreen(const std::function<bool(const std::string&)>& ready,
                                    std::chrono::milliseconds limit) {
  auto deadline = std::chrono::steady_clock::now() + limit;
  for (;;) {
    if (ready(screen())) return true;
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

bool TerminalSession::waitUntilFinished(std::chrono::milliseconds limit) {
  auto deadline = std::chrono::steady_clock::now() + limit;
  while (running()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return true;
}

}  // namespace end_to_end
