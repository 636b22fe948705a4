// The cells of a workbook's sheet as xlsx2csv reads them (a reader of its
// own, not the library that wrote the file), one row a line, cells
// separated by tabs.
#pragma once

#include <filesystem>
#include <string>

namespace crv::test {

// False when xlsx2csv is not installed; tests that read workbooks skip then.
bool haveXlsx2csv();
// The rows of sheet `sheet` (1-based); empty when unreadable.
std::string xlsxText(const std::filesystem::path& file, int sheet = 1);

}  // namespace crv::test
