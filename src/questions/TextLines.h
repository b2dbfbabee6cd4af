#pragma once

#include <string_view>

// Walks a text line by line, however the editor that wrote it ends its lines: LF, CR LF or CR
// alone. Lines come without their ends and are numbered from 1; a text that ends with a line
// end has no empty line after it.
class TextLines {
  public:
    explicit TextLines(std::string_view text) : rest(text) {}

    // False once the text is used up.
    bool next(std::string_view& line);
    int number() const { return lineNumber; }

  private:
    std::string_view rest;
    int lineNumber = 0;
};
