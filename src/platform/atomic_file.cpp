#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <system_error>

namespace wayband::platform {

namespace {

constexpr mode_t kNewFileMode = 0666;  // narrowed by the process's umask
constexpr int kMaxNameAttempts = 100;

std::atomic<unsigned> g_tempCounter{0};

bool Fail(std::string* error, const std::string& what, int code) {
  if (error) *error = what + ": " + std::strerror(code);
  return false;
}

// A descriptor that closes itself.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() { Close(); }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  bool Close() {
    if (fd_ < 0) return true;
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t written = ::write(fd, content.data(), content.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    content.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

// Flushes the folder so that the rename itself survives a crash; failures do not undo it.
void SyncFolder(const std::filesystem::path& folder) {
  Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) ::fsync(dir.get());
}

}  // namespace

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view content,
                         std::string* error) {
  const std::filesystem::path folder =
      path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
  std::filesystem::path temp;
  int fd = -1;
  for (int attempt = 0; attempt < kMaxNameAttempts && fd < 0; ++attempt) {
    // Built by appending: GCC 12 at -O3 misreports joining a literal to a temporary string
    // as overlapping copies (GCC bug 105651).
    std::string name = ".";
    name += path.filename().string();
    name += ".tmp-";
    name += std::to_string(::getpid());
    name += '-';
    name += std::to_string(g_tempCounter++);
    temp = folder / name;
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) return Fail(error, "cannot create a temporary file beside " + path.string(), errno);
  Descriptor file(fd);
  struct stat existing {};
  if (::stat(path.c_str(), &existing) == 0) ::fchmod(fd, existing.st_mode & 07777);
  int code = 0;
  if (!WriteAll(fd, content) || ::fsync(fd) != 0) code = errno;
  if (!file.Close() && code == 0) code = errno;
  if (code == 0 && ::rename(temp.c_str(), path.c_str()) != 0) code = errno;
  if (code != 0) {
    ::unlink(temp.c_str());
    return Fail(error, "cannot write " + path.string(), code);
  }
  SyncFolder(folder);
  return true;
}

}  // namespace wayband::platform
