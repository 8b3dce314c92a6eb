#pragma once

#include <gumbo.h>

#include <string>

namespace tabloom {

// The content of a table cell as Tabloom keeps it: text with character
// references decoded, inline elements as the page typed them, a line break
// (CR LF) for each br, white space runs as one blank.
struct CellMarkup {
    std::string content;
    int nestedTables = 0;  // tables inside the cell, left out
    bool tooDeep = false;  // elements nested past the limit, left out

    // Reads the children of node (a td, th or the font element around
    // a cell's whole content).
    static CellMarkup Read(const GumboNode* node);
    // The font element that holds all of the cell's content, or nullptr.
    static const GumboNode* SoleFont(const GumboNode* cell);
};

}  // namespace tabloom
