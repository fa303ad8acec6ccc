// Files written whole on Windows: made under a new name beside the file with CREATE_NEW (never
// over an existing name, never through a link planted there), flushed to the disk, then moved
// over the old file with MoveFileExW, which replaces it in one step. Names are wide, reasons
// the system's own.
#include <windows.h>
// windows.h names its own ReplaceFile (ReplaceFileW) as a macro; this file defines the game's.
#undef ReplaceFile

#include "platform/system/Messages.h"
#include "platform/system/Paths.h"
#include "platform/system/TemporaryName.h"
#include "platform/system/WholeFile.h"
#include "platform/system/windows/SystemReason.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

Problem Failure(const fs::path& path, DWORD code) {
  return {Format(_("cannot write %s: %s"), Utf8FromPath(path).c_str(), SystemReason(code).c_str())};
}

// A new file of that name, open for writing; a link of that name counts as taken.
HANDLE CreateNew(const fs::path& path) {
  return CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                     FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

bool NameTaken(DWORD code) { return code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS; }

// Writes all of `bytes` and closes the file; the error code of the first failure, or 0. A file
// on a disk is flushed first, so a full disk noticed late is still caught.
DWORD WriteAllAndClose(HANDLE file, std::string_view bytes, bool flush) {
  DWORD failure = 0;
  while (!bytes.empty() && failure == 0) {
    const DWORD most = bytes.size() < (1u << 30) ? static_cast<DWORD>(bytes.size()) : (1u << 30);
    DWORD done = 0;
    if (!WriteFile(file, bytes.data(), most, &done, nullptr)) failure = GetLastError();
    bytes.remove_prefix(done);
  }
  if (failure == 0 && flush && !FlushFileBuffers(file)) failure = GetLastError();
  if (!CloseHandle(file) && failure == 0) failure = GetLastError();
  return failure;
}

// What is already at `path`, following links: its handle (for no access, only questions), or
// INVALID_HANDLE_VALUE when nothing is.
HANDLE OpenExisting(const fs::path& path) {
  return CreateFileW(path.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                     nullptr);
}

// The file a link ends at, from the open handle of what it names; `path` itself when it is no
// link.
fs::path ThroughLinks(const fs::path& path, HANDLE existing) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
    return path;
  std::wstring name(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        GetFinalPathNameByHandleW(existing, name.data(), static_cast<DWORD>(name.size()), 0);
    if (length == 0) return path;
    if (length < name.size()) {
      name.resize(length);
      return fs::path(name);
    }
    name.resize(length + 1);
  }
}

// A short name beside `path` that nothing has yet, created empty and open for writing.
HANDLE CreateBeside(const fs::path& path, fs::path& temporary) {
  const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(L".");
  TemporaryNames names;
  for (int tries = 0; tries < TemporaryNames::kTries; ++tries) {
    temporary = folder / fs::path(names.Next());
    const HANDLE file = CreateNew(temporary);
    if (file != INVALID_HANDLE_VALUE || !NameTaken(GetLastError())) return file;
  }
  return INVALID_HANDLE_VALUE;
}

}  // namespace

Result<void> ReplaceFile(const fs::path& path, std::string_view bytes) {
  fs::path target = path;
  if (const HANDLE existing = OpenExisting(path); existing != INVALID_HANDLE_VALUE) {
    if (GetFileType(existing) != FILE_TYPE_DISK) {
      // A console or a pipe cannot be replaced, only written to.
      CloseHandle(existing);
      const HANDLE file =
          CreateFileW(path.c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr);
      const DWORD failure =
          file == INVALID_HANDLE_VALUE ? GetLastError() : WriteAllAndClose(file, bytes, false);
      if (failure != 0) return Failure(path, failure);
      return {};
    }
    target = ThroughLinks(path, existing);
    CloseHandle(existing);
  }
  fs::path temporary;
  const HANDLE file = CreateBeside(target, temporary);
  if (file == INVALID_HANDLE_VALUE) return Failure(path, GetLastError());
  DWORD failure = WriteAllAndClose(file, bytes, true);
  if (failure == 0 && !MoveFileExW(temporary.c_str(), target.c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    failure = GetLastError();
  }
  if (failure != 0) {
    DeleteFileW(temporary.c_str());
    return Failure(path, failure);
  }
  return {};
}

Result<NewFile> WriteNewFile(const fs::path& path, std::string_view bytes) {
  const HANDLE file = CreateNew(path);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD code = GetLastError();
    if (NameTaken(code)) return NewFile::NameTaken;
    return Failure(path, code);
  }
  const DWORD failure = WriteAllAndClose(file, bytes, true);
  if (failure == 0) return NewFile::Written;
  DeleteFileW(path.c_str());
  return Failure(path, failure);
}

}  // namespace platform
