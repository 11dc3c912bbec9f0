#pragma once
// Tag files: elements <KEY>value</KEY>. The scanner does not parse tags: it takes the text
// between '<' and '>' as the key and the text up to the next '<' as the value, and skips
// the closing tag without comparing it. Keys and values are verbatim.
#include <istream>
#include <map>
#include <string>

// The longest piece of an element: the text before it, the key, the value, the closing tag.
constexpr std::size_t kMaxTagPiece = 255;

// Reads the elements of `in`; a key that occurs again replaces the earlier value. Reading
// stops at a piece longer than kMaxTagPiece or an element cut off by the end of the file,
// keeping the elements before it. A CR LF pair reads as one line break.
std::map<std::string, std::string> ParseTagFile(std::istream& in);
