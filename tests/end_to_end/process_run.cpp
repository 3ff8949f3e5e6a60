#include "process_run.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace end_to_end {
namespace {

[[noreturn]] void fail(const std::string& what) {
  throw std::runtime_error(what + ": " + std::strerror(errno));
}

// Standard input comes from an unlinked temporary file, so the child sees
// end of input right after the text, as with a redirected file.
int openInputFile(const std::string& text) {
  char path[] = "/tmp/e2e-input-XXXXXX";
  int fd = mkstemp(path);
  if (fd < 0) fail("mkstemp");
  unlink(path);
  if (write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size())) fail("write");
  if (lseek(fd, 0, SEEK_SET) != 0) fail("lseek");
  return fd;
}

void drainAvailable(int fd, std::string& into, bool& open) {
  char chunk[4096];
  for (;;) {
    ssize_t got = read(fd, chunk, sizeof chunk);
    if (got > 0) {
      into.append(chunk, static_cast<size_t>(got));
      continue;
    }
    if (got == 0) open = false;
    if (got < 0 && errno == EINTR) continue;
    return;  // end of stream, or nothing more for now
  }
}

}  // namespace

ProcessResult runProcess(const std::vector<std::string>& command, const ProcessOptions& options) {
  int outputPipe[2];
  int errorPipe[2];
  if (pipe2(outputPipe, O_CLOEXEC) != 0 || pipe2(errorPipe, O_CLOEXEC) != 0) fail("pipe2");
  int inputFd =
      options.input.kind == StandardInput::Kind::Text ? openInputFile(options.input.text) : -1;
  int outputFileFd = -1;
  if (options.outputPath) {
    outputFileFd = open(options.outputPath->c_str(), O_WRONLY | O_CLOEXEC);
    if (outputFileFd < 0) fail("open " + *options.outputPath);
  }

  std::vector<char*> argv;
  for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
  argv.push_back(nullptr);

  pid_t child = fork();
  if (child < 0) fail("fork");
  if (child == 0) {
    if (inputFd >= 0) {
      dup2(inputFd, STDIN_FILENO);
    } else {
      close(STDIN_FILENO);
    }
    dup2(outputFileFd >= 0 ? outputFileFd : outputPipe[1], STDOUT_FILENO);
    dup2(errorPipe[1], STDERR_FILENO);
    execvp(argv[0], argv.data());
    std::perror(argv[0]);
    _exit(127);
  }
  close(outputPipe[1]);
  close(errorPipe[1]);
  if (inputFd >= 0) close(inputFd);
  if (outputFileFd >= 0) close(outputFileFd);
  fcntl(outputPipe[0], F_SETFL, O_NONBLOCK);
  fcntl(errorPipe[0], F_SETFL, O_NONBLOCK);

  ProcessResult result;
  bool outputOpen = true;
  bool errorsOpen = true;
  int status = 0;
  bool exited = false;
  auto deadline = std::chrono::steady_clock::now() + options.timeLimit;
  // Reading stops once the child has exited and its pipes are drained, even
  // if a helper it started (the Wine server) still holds them open.
  while (!exited) {
    pollfd fds[] = {{outputPipe[0], POLLIN, 0}, {errorPipe[0], POLLIN, 0}};
    poll(fds, 2, 20);
    if (outputOpen) drainAvailable(outputPipe[0], result.output, outputOpen);
    if (errorsOpen) drainAvailable(errorPipe[0], result.errors, errorsOpen);
    exited = waitpid(child, &status, WNOHANG) == child;
    if (!exited && std::chrono::steady_clock::now() > deadline) {
      kill(child, SIGKILL);
      waitpid(child, &status, 0);
      break;
    }
  }
  if (outputOpen) drainAvailable(outputPipe[0], result.output, outputOpen);
  if (errorsOpen) drainAvailable(errorPipe[0], result.errors, errorsOpen);
  close(outputPipe[0]);
  close(errorPipe[0]);
  result.finishedInTime = exited;
  result.exitStatus = exited && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

}  // namespace end_to_end
