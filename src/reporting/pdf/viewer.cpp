#include "reporting/pdf/viewer.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <thread>

extern char** environ;

namespace tarvo {

bool startViewer(const std::filesystem::path& file) {
  std::string program = "xdg-open";
  std::string argument = std::filesystem::absolute(file).string();
  char* argv[] = {program.data(), argument.data(), nullptr};
  pid_t pid = 0;
  if (posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0) return false;
  // Nobody waits for the viewer; a detached thread reaps it so no zombie stays behind.
  std::thread([pid] {
    int status = 0;
    waitpid(pid, &status, 0);
  }).detach();
  return true;
}

}  // namespace tarvo
