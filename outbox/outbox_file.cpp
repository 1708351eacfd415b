#include "outbox_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace outbox {
namespace {

// Every record line starts so; the number follows.
constexpr std::string_view kRecordStart = "{\"id\":";
// Enough of a line's start to hold kRecordStart and any number.
constexpr std::size_t kHeadSize = 32;

std::string SystemWords(int error) { return std::generic_category().message(error); }

[[noreturn]] void Fail(const std::string &what, const std::string &path, int error) {
  throw OutboxError(what + "发件箱 " + path + "：" + SystemWords(error));
}

// Reads count bytes at offset; false on a read error.
bool ReadAt(int fd, char *buffer, std::size_t count, off_t offset) {
  while (count > 0) {
    const ssize_t n = ::pread(fd, buffer, count, offset);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    buffer += n;
    count -= static_cast<std::size_t>(n);
    offset += n;
  }
  return true;
}

void WriteAll(int fd, std::string_view bytes, const std::string &path) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) Fail("无法写入", path, errno);
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
}

struct LastLine {
  off_t start = 0;            // where the file's last line starts
  bool endsInLineEnd = true;  // whether the file ends with a newline (or is empty)
};

// Finds the last line by reading back from the end, a block at a time.
LastLine FindLastLine(int fd, off_t size, const std::string &path) {
  LastLine last;
  if (size == 0) return last;
  char block[4096];
  off_t end = size;
  bool first = true;
  while (end > 0) {
    const off_t begin = end > off_t(sizeof block) ? end - off_t(sizeof block) : 0;
    if (!ReadAt(fd, block, static_cast<std::size_t>(end - begin), begin))
      Fail("无法读取", path, errno ? errno : EIO);
    off_t i = end - begin;
    if (first) {
      first = false;
      last.endsInLineEnd = block[i - 1] == '\n';
      if (last.endsInLineEnd) --i;  // the newline that ends the last line
    }
    while (i > 0)
      if (block[--i] == '\n') {
        last.start = begin + i + 1;
        return last;
      }
    end = begin;
  }
  return last;
}

// The number of a record from the start of its line; false for a line that is none.
bool ParseRecordNumber(std::string_view head, std::uint64_t &number) {
  if (head.substr(0, kRecordStart.size()) != kRecordStart) return false;
  head.remove_prefix(kRecordStart.size());
  std::size_t digits = 0;
  number = 0;
  for (; digits < head.size() && digits < 19 && head[digits] >= '0' && head[digits] <= '9';
       ++digits)
    number = number * 10 + std::uint64_t(head[digits] - '0');
  return digits > 0 && digits < head.size() && (head[digits] == ',' || head[digits] == '}');
}

// The number of the record whose line starts at `start`; false when that line is none.
bool RecordNumberAt(int fd, off_t start, off_t size, std::uint64_t &number) {
  char head[kHeadSize];
  const std::size_t len = static_cast<std::size_t>(std::min<off_t>(sizeof head, size - start));
  return ReadAt(fd, head, len, start) && ParseRecordNumber({head, len}, number);
}

// For a file whose last line is not a record (edited by hand): a number no line of it can
// have taken, the highest of its record numbers and its count of lines.
std::uint64_t HighestNumber(int fd, off_t size, const std::string &path) {
  std::uint64_t highest = 0, lines = 0, number;
  std::string head;  // the first bytes of the line being read
  char block[65536];
  for (off_t at = 0; at < size;) {
    const std::size_t n = static_cast<std::size_t>(std::min<off_t>(sizeof block, size - at));
    if (!ReadAt(fd, block, n, at)) Fail("无法读取", path, errno ? errno : EIO);
    for (std::size_t i = 0; i < n; ++i) {
      if (block[i] != '\n') {
        if (head.size() < kHeadSize) head += block[i];
        continue;
      }
      ++lines;
      if (ParseRecordNumber(head, number)) highest = std::max(highest, number);
      head.clear();
    }
    at += off_t(n);
  }
  if (!head.empty()) {
    ++lines;
    if (ParseRecordNumber(head, number)) highest = std::max(highest, number);
  }
  return std::max(highest, lines);
}

// Makes each missing folder of a path, readable by its owner only.
void MakeFolders(const std::filesystem::path &folder) {
  std::filesystem::path made;
  for (const auto &part : folder) {
    made /= part;
    if (::mkdir(made.c_str(), 0700) != 0 && errno != EEXIST)
      throw OutboxError("无法建立发件箱的文件夹 " + made.string() + "：" + SystemWords(errno));
  }
}

struct Fd {
  int fd;
  ~Fd() { ::close(fd); }
};

}  // namespace

std::string OutboxPath() {
  if (const char *file = std::getenv(kOutboxVariable); file && *file) return file;
  std::string base;
  if (const char *data = std::getenv("XDG_DATA_HOME"); data && *data == '/')
    base = data;
  else if (const char *home = std::getenv("HOME"); home && *home)
    base = std::string(home) + "/.local/share";
  else
    throw OutboxError(std::string("找不到发件箱的位置：HOME 和 ") + kOutboxVariable +
                      " 都没有设置");
  return base + "/qolvix_sms/outbox.jsonl";
}

std::uint64_t AppendRecord(const std::string &path,
                           const std::function<std::string(std::uint64_t)> &record) {
  MakeFolders(std::filesystem::path(path).parent_path());
  const Fd file{::open(path.c_str(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0600)};
  if (file.fd < 0) Fail("无法打开", path, errno);
  while (::flock(file.fd, LOCK_EX) != 0)
    if (errno != EINTR) Fail("无法锁定", path, errno);
  struct stat st;
  if (::fstat(file.fd, &st) != 0) Fail("无法读取", path, errno);
  if (!S_ISREG(st.st_mode)) Fail("无法使用", path, EINVAL);

  const LastLine last = FindLastLine(file.fd, st.st_size, path);
  std::uint64_t number = 0;
  if (last.start < st.st_size && !RecordNumberAt(file.fd, last.start, st.st_size, number))
    number = HighestNumber(file.fd, st.st_size, path);
  ++number;

  // A last line without its newline (a write cut short, or an edit) keeps a line of its own.
  std::string line = last.endsInLineEnd ? "" : "\n";
  line += record(number);
  line += '\n';
  try {
    WriteAll(file.fd, line, path);
  } catch (const OutboxError &) {
    (void)::ftruncate(file.fd, st.st_size);
    throw;
  }
  return number;
}

}  // namespace outbox
