// A module file is opened without waiting and its ELF headers are read: every part the
// loader maps must lie inside the file.
#include "ui/platform/module_file.h"

#include <fcntl.h>
#include <link.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>
#include <vector>

namespace kr {

namespace {

constexpr unsigned char kNativeClass = sizeof(ElfW(Addr)) == 8 ? ELFCLASS64 : ELFCLASS32;

bool readAt(int fd, void* into, std::size_t size, off_t offset) {
  auto* bytes = static_cast<char*>(into);
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = ::pread(fd, bytes + done, size - done, offset + static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Whether offset + length stays within size, without overflowing.
bool inside(std::uint64_t offset, std::uint64_t length, std::uint64_t size) {
  return offset <= size && length <= size - offset;
}

QString elfProblem(int fd, std::uint64_t size) {
  if (size == 0) return QStringLiteral("the file is empty");
  ElfW(Ehdr) header{};
  if (size < SELFMAG || !readAt(fd, &header, SELFMAG, 0) ||
      std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0)
    return QStringLiteral("not a library (no ELF header)");
  if (size < sizeof header || !readAt(fd, &header, sizeof header, 0))
    return QStringLiteral("cut short: %1 bytes, less than an ELF header").arg(size);
  if (header.e_ident[EI_CLASS] != kNativeClass)
    return QStringLiteral("a library for another kind of machine");
  if (header.e_type != ET_DYN) return QStringLiteral("not a shared library");
  if (header.e_phnum == 0 || header.e_phentsize != sizeof(ElfW(Phdr)))
    return QStringLiteral("damaged: no program headers the loader can read");
  const std::uint64_t tableSize = std::uint64_t{header.e_phnum} * sizeof(ElfW(Phdr));
  if (!inside(header.e_phoff, tableSize, size))
    return QStringLiteral("cut short: its program headers end past its %1 bytes").arg(size);
  std::vector<ElfW(Phdr)> parts(header.e_phnum);
  if (!readAt(fd, parts.data(), tableSize, static_cast<off_t>(header.e_phoff)))
    return QStringLiteral("unreadable program headers");
  for (const ElfW(Phdr) & part : parts) {
    if (!inside(part.p_offset, part.p_filesz, size))
      return QStringLiteral("cut short: %1 bytes, but its parts reach byte %2")
          .arg(size)
          .arg(part.p_offset + part.p_filesz);
  }
  return {};
}

}  // namespace

QString moduleFileProblem(const QString& path) {
  const QByteArray name = QFile::encodeName(path);
  int fd;
  do {
    fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return QString::fromLocal8Bit(std::strerror(errno));
  QString problem;
  struct stat st {};
  if (::fstat(fd, &st) != 0) problem = QString::fromLocal8Bit(std::strerror(errno));
  else if (S_ISDIR(st.st_mode)) problem = QStringLiteral("a folder, not a library");
  else if (!S_ISREG(st.st_mode)) problem = QStringLiteral("not a plain file (a pipe or a device)");
  else problem = elfProblem(fd, static_cast<std::uint64_t>(st.st_size));
  ::close(fd);
  return problem;
}

}  // namespace kr
