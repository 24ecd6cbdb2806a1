#pragma once
// A real file system that fails the operations a test names, lets the test
// act at the instant before or after each one (kill the process, pull a
// file away), and passes the rest on.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/file_system.h"
#include "tests/fakes/faults.h"
#include "tests/fakes/forwarding_file_system.h"

namespace kovrena::testing {

enum class Moment { Before, After };

class FaultyFileSystem final : public ForwardingFileSystem {
 public:
  explicit FaultyFileSystem(FileSystem& real) : ForwardingFileSystem(real) {}
  std::vector<Fault> faults;
  // Runs before and after each operation, a failed one included.
  std::function<void(FileOp, Moment)> around;

  Result<std::string> findFile(const std::string& path, std::uint32_t mask) override {
    return step(FileOp::Find, std::nullopt, [&] { return real_.findFile(path, mask); });
  }
  Result<NewFile> createTemporaryFile(const std::string& path) override {
    return step(FileOp::Create, std::nullopt, [&]() -> Result<NewFile> {
      Result<NewFile> created = real_.createTemporaryFile(path);
      if (!created) return created;
      NewFile made = std::move(created).value();
      made.file = std::make_unique<File>(*this, std::move(made.file));
      return made;
    });
  }
  void removeLeftovers(const std::string& path) override { real_.removeLeftovers(path); }
  Status setAttributes(const std::string& path, std::uint32_t attributes) override {
    return step(FileOp::SetAttributes, attributes, [&] { return real_.setAttributes(path, attributes); });
  }
  Result<std::uint32_t> getAttributes(const std::string& path) override {
    return step(FileOp::GetAttributes, std::nullopt, [&] { return real_.getAttributes(path); });
  }
  Status deleteFile(const std::string& path) override {
    return step(FileOp::Delete, std::nullopt, [&] { return real_.deleteFile(path); });
  }
  Status replaceFile(const std::string& from, const std::string& to) override {
    return step(FileOp::Replace, std::nullopt, [&] { return real_.replaceFile(from, to); });
  }
  Result<std::uint32_t> linkCount(const std::string& path) override {
    return step(FileOp::LinkCount, std::nullopt, [&] { return real_.linkCount(path); });
  }
  Result<std::uint64_t> lastWriteTime(const std::string& path) override {
    return step(FileOp::GetTime, std::nullopt, [&] { return real_.lastWriteTime(path); });
  }
  Status setLastWriteTimeToNow(const std::string& path) override {
    return step(FileOp::SetTime, std::nullopt, [&] { return real_.setLastWriteTimeToNow(path); });
  }
  void deferFolderSyncs() override { real_.deferFolderSyncs(); }
  Status syncFolders() override {
    return step(FileOp::SyncFolders, std::nullopt, [&] { return real_.syncFolders(); });
  }

 private:
  // onFault: what the operation still does when it fails.
  template <class Work, class OnFault = void (*)()>
  auto step(FileOp op, std::optional<std::uint32_t> value, Work work, OnFault onFault = [] {})
      -> decltype(work()) {
    if (around) around(op, Moment::Before);
    auto outcome = [&]() -> decltype(work()) {
      if (auto fault = FaultFor(faults, op, value)) {
        onFault();
        return *fault;
      }
      return work();
    }();
    if (around) around(op, Moment::After);
    return outcome;
  }

  class File final : public OutputFile {
   public:
    File(FaultyFileSystem& owner, std::unique_ptr<OutputFile> real) : owner_(owner), real_(std::move(real)) {}
    // A failing disk takes part of the data before it gives up.
    Status write(std::string_view bytes) override {
      return owner_.step(
          FileOp::Write, std::nullopt, [&] { return real_->write(bytes); },
          [&] { (void)real_->write(bytes.substr(0, bytes.size() / 2)); });
    }
    Status flush() override {
      return owner_.step(FileOp::Flush, std::nullopt, [&] { return real_->flush(); });
    }
    // A failed close still closes.
    Status close() override {
      const Status closed = real_->close();
      if (auto fault = FaultFor(owner_.faults, FileOp::Close)) return *fault;
      return closed;
    }

   private:
    FaultyFileSystem& owner_;
    std::unique_ptr<OutputFile> real_;
  };
};

}  // namespace kovrena::testing
