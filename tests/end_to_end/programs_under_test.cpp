#include "programs_under_test.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string_view>

namespace end_to_end {
namespace {

std::string rowlayPath;
std::string collayPath;
std::vector<std::string> launcher;

bool takeFlag(std::string_view argument, std::string_view flag, std::string& value) {
  if (argument.substr(0, flag.size()) != flag) return false;
  value = std::string(argument.substr(flag.size()));
  return true;
}

const std::string& pathOf(Program program) {
  return program == Program::Rowlay ? rowlayPath : collayPath;
}

}  // namespace

void takeProgramFlags(int& argc, char** argv) {
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    std::string launcherText;
    if (takeFlag(argv[i], "--rowlay=", rowlayPath) || takeFlag(argv[i], "--collay=", collayPath)) {
      continue;
    }
    if (takeFlag(argv[i], "--launcher=", launcherText)) {
      std::istringstream words(launcherText);
      for (std::string word; words >> word;) launcher.push_back(word);
      continue;
    }
    argv[kept++] = argv[i];
  }
  argc = kept;
  argv[argc] = nullptr;
}

std::vector<std::string> commandFor(Program program, const std::vector<std::string>& arguments) {
  const std::string& path = pathOf(program);
  EXPECT_FALSE(path.empty()) << "the program to test was not given (--rowlay= / --collay=)";
  std::vector<std::string> command = launcher;
  command.push_back(path);
  command.insert(command.end(), arguments.begin(), arguments.end());
  return command;
}

bool isWindowsImage(Program program) {
  return pathOf(program).ends_with(".exe");
}

std::string textModeLineEnd(Program program) {
  return isWindowsImage(program) ? "\r\n" : "\n";
}

}  // namespace end_to_end
