#include "vbforms/declared_entry.h"

#include <filesystem>
#include <system_error>

#include "vbforms/run_time_error.h"

namespace vbforms {
namespace {

constexpr std::string_view kOrigin = "$ORIGIN/";

// The declared path with "$ORIGIN/" replaced by the directory of the running program.
std::string ExpandOrigin(const std::string &path) {
  if (path.compare(0, kOrigin.size(), kOrigin) != 0) return path;
  std::error_code ec;
  const auto program = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return path;  // fails to load below, and the report shows the declared path
  return (program.parent_path() / path.substr(kOrigin.size())).string();
}

QString Text(const std::string &utf8) { return QString::fromStdString(utf8); }

}  // namespace

DeclaredEntry::DeclaredEntry(std::string libraryPath, std::string entryName)
    : libraryPath_(std::move(libraryPath)), entryName_(std::move(entryName)) {}

FARPROC DeclaredEntry::Address() {
  if (address_) return address_;
  const std::string path = ExpandOrigin(libraryPath_);
  ModuleHandle module(LoadLibraryA(path.c_str()));
  if (!module) {
    std::error_code ec;
    const bool exists = std::filesystem::exists(path, ec);
    throw RunTimeError(exists ? RunTimeError::kErrorLoadingLibrary : RunTimeError::kFileNotFound,
                       QString("%1：%2\n无法调用 %3。\n\n%4")
                           .arg(exists ? "加载 DLL 错误" : "文件未找到", Text(path),
                                Text(entryName_), Text(LastLibraryError())));
  }
  const FARPROC address = GetProcAddress(module.get(), entryName_.c_str());
  if (!address)
    throw RunTimeError(RunTimeError::kEntryPointNotFound,
                       QString("找不到 DLL 入口点 %1（在 %2 中）。\n\n%3")
                           .arg(Text(entryName_), Text(path), Text(LastLibraryError())));
  module_ = std::move(module);
  address_ = address;
  return address_;
}

}  // namespace vbforms
