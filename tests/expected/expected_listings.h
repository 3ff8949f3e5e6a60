// The listings the programs must show, written from the array shapes: the
// row-major blocks of rowlay and the column-major blocks of collay, each
// with "\n" line ends and without the empty line that follows a block.
#pragma once

#include <string>

namespace expected {

std::string rowMajorBlock(int block);     // block 1, 2 or 3
std::string columnMajorBlock(int block);  // block 1, 2 or 3

// `text` with every "\n" replaced by `lineEnd`.
std::string withLineEnds(const std::string& text, const std::string& lineEnd);

}  // namespace expected
