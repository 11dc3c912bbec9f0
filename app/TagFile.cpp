#include "app/TagFile.h"

namespace {

enum class Piece { Found, End, TooLong };

// The next character, with CR LF read as LF as a text-mode stream would give it.
int NextChar(std::istream& in) {
    int c = in.get();
    if (c == '\r' && in.peek() == '\n') c = in.get();
    return c;
}

// Reads up to and including `delimiter`, keeping the text before it in `text` when given.
Piece ReadPiece(std::istream& in, char delimiter, std::string* text) {
    std::size_t length = 0;
    for (;;) {
        const int c = NextChar(in);
        if (c == std::istream::traits_type::eof()) return Piece::End;
        if (c == delimiter) return Piece::Found;
        if (++length > kMaxTagPiece) return Piece::TooLong;
        if (text) text->push_back(static_cast<char>(c));
    }
}

}  // namespace

std::map<std::string, std::string> ParseTagFile(std::istream& in) {
    std::map<std::string, std::string> tags;
    for (;;) {
        std::string key;
        std::string value;
        if (ReadPiece(in, '<', nullptr) != Piece::Found) break;
        if (ReadPiece(in, '>', &key) != Piece::Found) break;
        if (ReadPiece(in, '<', &value) != Piece::Found) break;
        if (ReadPiece(in, '>', nullptr) != Piece::Found) break;
        tags[key] = value;
    }
    return tags;
}
