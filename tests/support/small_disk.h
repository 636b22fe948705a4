// A small file system for full-disk tests: a tmpfs of a few megabytes
// mounted on a folder, which only root can do. Tests skip themselves with a
// message when it could not be mounted.
//
//   test::SmallDisk disk(folder / "disk");
//   if (!disk.mounted()) GTEST_SKIP() << test::SmallDisk::notMounted;
//   ... put files on it ...
//   disk.fill();  // no room is left for anything more
#pragma once

#include <filesystem>

namespace crv::test {

class SmallDisk {
 public:
  static constexpr const char* notMounted = "cannot mount a small file system here (needs root)";

  explicit SmallDisk(const std::filesystem::path& where, const char* size = "3m");
  ~SmallDisk();
  SmallDisk(const SmallDisk&) = delete;
  SmallDisk& operator=(const SmallDisk&) = delete;

  bool mounted() const { return mounted_; }
  const std::filesystem::path& path() const { return where_; }
  std::filesystem::path operator/(const std::string& name) const { return where_ / name; }

  // Takes every byte still free with a filler file; release() gives the
  // room back.
  void fill();
  void release();

 private:
  std::filesystem::path where_;
  bool mounted_ = false;
};

}  // namespace crv::test
