#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cerrno>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "platform/descriptors.h"
#include "platform/file_system.h"

namespace {

HANDLE handle_of(int fd) {
  return reinterpret_cast<HANDLE>(_get_osfhandle(fd));
}

bool is_console(HANDLE handle) {
  DWORD mode = 0;
  return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != 0;
}

// A file in the user's temporary folder that the system deletes when its
// last handle is closed; the handle is not inherited.
HANDLE scratch_handle() {
  wchar_t folder[MAX_PATH + 1], name[MAX_PATH + 1];
  if (GetTempPathW(MAX_PATH + 1, folder) == 0 || GetTempFileNameW(folder, L"skb", 0, name) == 0) {
    return INVALID_HANDLE_VALUE;
  }
  return CreateFileW(name, GENERIC_READ | GENERIC_WRITE,
                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                     CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
}

}  // namespace

int open_descriptor(const std::string& path, OpenFor purpose, std::error_code& failure) {
  int flags = _O_RDONLY;
  if (purpose == OpenFor::kWriting) flags = _O_WRONLY | _O_CREAT | _O_TRUNC;
  if (purpose == OpenFor::kAppending) flags = _O_WRONLY | _O_CREAT | _O_APPEND;
  errno = 0;
  int fd = _wopen(fs_path(path).c_str(), flags | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
  if (fd < 0) failure.assign(errno != 0 ? errno : EACCES, std::generic_category());
  return fd;
}

int open_null_device() {
  return _wopen(L"NUL", _O_RDWR | _O_BINARY | _O_NOINHERIT);
}

int make_scratch_file() {
  HANDLE file = scratch_handle();
  if (file == INVALID_HANDLE_VALUE) return -1;
  int fd = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_BINARY);
  if (fd < 0) CloseHandle(file);
  return fd;
}

int duplicate_descriptor(int fd) {
  return _dup(fd);
}

void place_descriptor(int from, int to) {
  _dup2(from, to);
}

void close_descriptor(int fd) {
  _close(fd);
}

void rewind_descriptor(int fd) {
  _lseeki64(fd, 0, SEEK_SET);
}

void write_text(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    unsigned piece = static_cast<unsigned>(text.size() - done < (1u << 20) ? text.size() - done
                                                                           : (1u << 20));
    int written = _write(fd, text.data() + done, piece);
    if (written <= 0) return;
    done += static_cast<size_t>(written);
  }
}

std::string read_all(int fd) {
  std::string text;
  char buffer[65536];
  for (int count; (count = _read(fd, buffer, sizeof buffer)) > 0;) {
    text.append(buffer, static_cast<size_t>(count));
  }
  return text;
}

bool is_terminal(int fd) {
  return is_console(handle_of(fd));
}

// The console's own functions clear it on every Windows, with or without
// the colour codes of newer consoles: blanks in the current colours over
// the whole buffer, then the cursor home.
void clear_terminal(int fd) {
  HANDLE console = handle_of(fd);
  CONSOLE_SCREEN_BUFFER_INFO info;
  if (!is_console(console) || !GetConsoleScreenBufferInfo(console, &info)) return;
  DWORD cells = static_cast<DWORD>(info.dwSize.X) * static_cast<DWORD>(info.dwSize.Y);
  COORD home = {0, 0};
  DWORD written = 0;
  FillConsoleOutputCharacterW(console, L' ', cells, home, &written);
  FillConsoleOutputAttribute(console, info.wAttributes, cells, home, &written);
  SetConsoleCursorPosition(console, home);
}

bool same_open_file(int a, int b) {
  if (a == b) return true;
  HANDLE first = handle_of(a), second = handle_of(b);
  if (is_console(first) && is_console(second)) return true;
  BY_HANDLE_FILE_INFORMATION one, other;
  if (!GetFileInformationByHandle(first, &one) || !GetFileInformationByHandle(second, &other)) {
    return false;
  }
  return one.dwVolumeSerialNumber == other.dwVolumeSerialNumber &&
         one.nFileIndexHigh == other.nFileIndexHigh && one.nFileIndexLow == other.nFileIndexLow;
}
