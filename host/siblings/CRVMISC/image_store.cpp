// Keeping copies of attached files in the company's data folder.
#include "host/siblings/CRVMISC/image_store.h"

#include <random>
#include <system_error>

#include "host/data/shared_values.h"
#include "host/framework/services/file_replacement.h"

namespace crv::siblings {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t prefixLength = 16;    // hexadecimal digits before '_'
constexpr std::size_t maxStoredName = 250;  // IMG:StoredName

ImageStoreResult failed(std::string error) {
  ImageStoreResult result;
  result.error = std::move(error);
  return result;
}

bool isStoredName(std::string_view name) {
  if (name.empty() || name == "." || name == ".." || name.size() > maxStoredName) return false;
  for (char c : name)
    if (c == '/' || c == '\\' || c == '\0' || c == ':') return false;
  return true;
}

std::string randomPrefix() {
  static thread_local std::mt19937_64 engine{std::random_device{}()};
  static constexpr char digits[] = "0123456789abcdef";
  std::string prefix;
  std::uint64_t bits = engine();
  for (std::size_t i = 0; i < prefixLength; ++i, bits >>= 4) prefix += digits[bits & 15];
  return prefix;
}

// The original name, with characters that cannot be part of a stored name
// replaced, cut so that the stored name fits its field.
std::string safeName(const fs::path& source) {
  std::string name = source.filename().string();
  for (char& c : name)
    if (c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 32) c = '_';
  if (name.empty() || name == "." || name == "..") name = "attachment";
  const std::size_t room = maxStoredName - prefixLength - 1;
  if (name.size() > room) name = name.substr(name.size() - room);
  return name;
}

}  // namespace

fs::path imageStoreFolder() { return fs::path(DataPath) / "attachments"; }

std::string originalFileName(std::string_view storedName) {
  if (storedName.size() > prefixLength && storedName[prefixLength] == '_')
    return std::string(storedName.substr(prefixLength + 1));
  return std::string(storedName);
}

ImageStoreResult StoreImageFile(const fs::path& source) {
  std::error_code ec;
  if (!fs::is_regular_file(source, ec)) return failed("The file " + source.string() + " cannot be read.");
  const fs::path folder = imageStoreFolder();
  fs::create_directories(folder, ec);
  if (ec) return failed("The attachment folder " + folder.string() + " cannot be created: " + ec.message());

  const std::string name = safeName(source);
  for (int attempt = 0; attempt < 8; ++attempt) {
    const std::string stored = randomPrefix() + "_" + name;
    const fs::path target = folder / stored;
    if (fs::exists(target, ec)) continue;
    FileReplacement copy(target);
    if (!copy.writeFile(source))
      return failed("The file " + source.string() + " could not be copied to the attachment folder.");
    // Another station may have taken the name meanwhile: never replace.
    if (!copy.commit(FileReplacement::Existing::Keep)) {
      if (fs::exists(target, ec)) continue;
      return failed("The copy of " + source.string() + " could not be put in place: " + copy.error());
    }
    ImageStoreResult result;
    result.ok = true;
    result.storedName = stored;
    result.file = target;
    return result;
  }
  return failed("No free name was found in the attachment folder for " + source.string() + ".");
}

ImageStoreResult ExtractImageFile(std::string_view storedName, const fs::path& destination) {
  if (!isStoredName(storedName))
    return failed("\"" + std::string(storedName) + "\" is not a stored attachment.");
  const fs::path stored = imageStoreFolder() / std::string(storedName);
  std::error_code ec;
  if (!fs::is_regular_file(stored, ec))
    return failed("The stored attachment " + std::string(storedName) + " is missing.");
  const fs::path target =
      fs::is_directory(destination, ec) ? destination / originalFileName(storedName) : destination;
  if (const std::string error = copyFileSafely(stored, target); !error.empty())
    return failed("The attachment could not be copied to " + target.string() + ": " + error);
  ImageStoreResult result;
  result.ok = true;
  result.storedName = std::string(storedName);
  result.file = target;
  return result;
}

ImageStoreResult RemoveImageFile(std::string_view storedName) {
  if (!isStoredName(storedName))
    return failed("\"" + std::string(storedName) + "\" is not a stored attachment.");
  const fs::path stored = imageStoreFolder() / std::string(storedName);
  std::error_code ec;
  fs::remove(stored, ec);
  if (ec)
    return failed("The stored attachment " + stored.string() + " could not be removed: " + ec.message());
  ImageStoreResult result;
  result.ok = true;
  result.storedName = std::string(storedName);
  result.file = stored;
  return result;
}

}  // namespace crv::siblings
