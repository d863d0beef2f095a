#include "memory_file_system.h"

#include <algorithm>
#include <cstring>

namespace orv::compressed {

class MemoryFileSystem::File : public ByteFile {
 public:
  File(std::shared_ptr<Bytes> bytes, bool writable, std::uint64_t& writeBudget)
      : bytes_(std::move(bytes)), writable_(writable), writeBudget_(writeBudget) {}

  std::size_t Read(void* buffer, std::size_t count, FileException& error) override {
    if (!bytes_) return Closed(error);
    if (position_ >= bytes_->size()) return 0;
    const std::size_t n = std::min<std::size_t>(count, bytes_->size() - static_cast<std::size_t>(position_));
    std::memcpy(buffer, bytes_->data() + position_, n);
    position_ += n;
    return n;
  }
  bool Write(const void* data, std::size_t count, FileException& error) override {
    if (!bytes_ || !writable_) return Closed(error) != 0;
    if (count > writeBudget_) {
      writeBudget_ = 0;
      error.Set(FileErrorCause::diskFull, 0, L"");
      return false;
    }
    writeBudget_ -= count;
    const auto end = static_cast<std::size_t>(position_) + count;
    if (bytes_->size() < end) bytes_->resize(end);
    std::memcpy(bytes_->data() + position_, data, count);
    position_ = end;
    return true;
  }
  bool Seek(std::uint64_t position, FileException& error) override {
    if (!bytes_) return Closed(error) != 0;
    position_ = position;
    return true;
  }
  bool GetLength(std::uint64_t& length, FileException& error) override {
    if (!bytes_) return Closed(error) != 0;
    length = bytes_->size();
    return true;
  }
  bool Close(FileException& error) override {
    if (!bytes_) return Closed(error) != 0;
    bytes_.reset();
    return true;
  }

 private:
  std::size_t Closed(FileException& error) {
    error.Set(FileErrorCause::invalidFile, 0, L"");
    return 0;
  }
  std::shared_ptr<Bytes> bytes_;
  bool writable_;
  std::uint64_t& writeBudget_;
  std::uint64_t position_ = 0;
};

std::unique_ptr<ByteFile> MemoryFileSystem::Open(const std::wstring& path, FileAccess access, FileException& error) {
  if (failOpen_.count(path)) {
    error.Set(FileErrorCause::accessDenied, 0, path);
    return nullptr;
  }
  auto found = files_.find(path);
  if (access == FileAccess::CreateWrite) {
    auto bytes = std::make_shared<Bytes>();
    files_[path] = bytes;
    return std::make_unique<File>(bytes, true, writeBudget_);
  }
  if (found == files_.end()) {
    error.Set(FileErrorCause::fileNotFound, 0, path);
    return nullptr;
  }
  return std::make_unique<File>(found->second, access == FileAccess::WriteExisting, writeBudget_);
}

bool MemoryFileSystem::Remove(const std::wstring& path, FileException& error) {
  if (files_.erase(path) == 0) {
    error.Set(FileErrorCause::fileNotFound, 0, path);
    return false;
  }
  return true;
}

bool MemoryFileSystem::MoveReplacing(const std::wstring& from, const std::wstring& to, FileException& error) {
  auto found = files_.find(from);
  if (failReplace_ || found == files_.end()) {
    error.Set(failReplace_ ? FileErrorCause::accessDenied : FileErrorCause::fileNotFound, 0, from);
    return false;
  }
  auto bytes = found->second;
  files_.erase(found);
  files_[to] = bytes;
  return true;
}

std::wstring MemoryFileSystem::CreateTemporaryFile(const std::wstring& folder, const std::wstring& prefix,
                                                   FileException& error) {
  if (failTemporary_) {
    error.Set(FileErrorCause::directoryFull, 0, folder);
    return L"";
  }
  for (;;) {
    std::wstring path = folder + L"/" + prefix + std::to_wstring(++temporaryCounter_) + L".tmp";
    if (!files_.count(path)) {
      files_[path] = std::make_shared<Bytes>();
      return path;
    }
  }
}

void MemoryFileSystem::SetFile(const std::wstring& path, Bytes bytes) {
  files_[path] = std::make_shared<Bytes>(std::move(bytes));
}

void MemoryFileSystem::SetFile(const std::wstring& path, const std::string& bytes) {
  SetFile(path, Bytes(bytes.begin(), bytes.end()));
}

MemoryFileSystem::Bytes MemoryFileSystem::GetFile(const std::wstring& path) const {
  auto found = files_.find(path);
  return found == files_.end() ? Bytes() : *found->second;
}

std::vector<std::wstring> MemoryFileSystem::ListFiles() const {
  std::vector<std::wstring> names;
  for (const auto& entry : files_) names.push_back(entry.first);
  return names;
}

}  // namespace orv::compressed
