// The suite's image store: copies of attached files kept with the company.
//
// Attaching a file stores a copy under <DataPath>/attachments/ and the
// Images row keeps the copy's name (IMG:StoredName) beside the original
// path (IMG:FileName), so an attachment survives the original being moved
// or deleted and travels with the company's data folder. A copy is written
// under a temporary name and renamed into place, so the store never holds
// half a file. Stored names are plain file names made unique by a random
// prefix; a name that is not one (a path, "..") is refused, so a stored
// name read from a row can never reach a file outside the store.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace crv::siblings {

struct ImageStoreResult {
  bool ok = false;
  std::string storedName;      // StoreImageFile: the name of the copy
  std::filesystem::path file;  // the copy (Store) or the extracted file (Extract)
  std::string error;           // why it failed, for the user

  explicit operator bool() const { return ok; }
};

// <DataPath>/attachments
std::filesystem::path imageStoreFolder();

// Copies `source` into the store.
ImageStoreResult StoreImageFile(const std::filesystem::path& source);
// Copies a stored file to `destination`: a folder (the file keeps its
// original name) or a file path; an existing file there is replaced.
ImageStoreResult ExtractImageFile(std::string_view storedName, const std::filesystem::path& destination);
// Removes a stored file; one that is already gone counts as removed.
ImageStoreResult RemoveImageFile(std::string_view storedName);

// The original file name within a stored name.
std::string originalFileName(std::string_view storedName);

}  // namespace crv::siblings
