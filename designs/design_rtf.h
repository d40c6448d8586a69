// Art design files come from any word processor, and the rich edit we show them in
// reads only part of what those write: a table can take its table code down with the
// whole program, and a field or a picture can leave the box empty. Before a design
// file reaches the control it is rewritten into what the control reads well:
//   - table rows become lines: a tab between cells, a paragraph break at a row's end,
//     nested tables the same; every table, row and cell property is dropped;
//   - a field keeps the text it shows (its result), not its instruction;
//   - pictures, objects and drawn shapes are dropped.
// Everything else, fonts, colours and sizes included, goes through unchanged.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// Groups nest at most this deep; a deeper file is not rewritten.
inline constexpr std::size_t kMaxDesignRtfDepth = 200;

struct DesignRtf {
    std::string rtf;          // what the control is given
    bool hasContent = false;  // the file holds text or a picture: it is not an empty design
    bool tooDeep = false;     // groups nest beyond kMaxDesignRtfDepth: `rtf` is empty
};

// One pass over the file, linear in its size. A control word's number is read as
// at most a signed 32-bit value (larger ones are cut to it) and written back so.
DesignRtf PrepareDesignRtf(std::string_view file);
