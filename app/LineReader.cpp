#include "app/LineReader.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <vector>

#include "app/FileLoader.h"
#include "platform/ContentLimits.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

class Cursor {
public:
    explicit Cursor(std::string_view text) : text(text) {}
    bool AtEnd() const { return pos >= text.size(); }
    char Peek(std::size_t ahead = 0) const {
        return pos + ahead < text.size() ? text[pos + ahead] : '\0';
    }
    void SkipBlanks() {
        while (!AtEnd() && IsBlank(text[pos])) ++pos;
    }
    const char* Here() const { return text.data() + pos; }
    const char* End() const { return text.data() + text.size(); }
    void MoveTo(const char* p) { pos = static_cast<std::size_t>(p - text.data()); }
    void Advance(std::size_t n = 1) { pos += n; }

private:
    std::string_view text;
    std::size_t pos = 0;
};

// An optional sign; true for minus.
bool TakeSign(Cursor& in) {
    const char c = in.Peek();
    if (c == '+' || c == '-') {
        in.Advance();
        return c == '-';
    }
    return false;
}

// "%i" and "%d". Values outside the range of int do not match.
bool ReadInteger(Cursor& in, bool anyBase, int& value) {
    in.SkipBlanks();
    Cursor start = in;
    const bool negative = TakeSign(in);
    int base = 10;
    if (anyBase && in.Peek() == '0') {
        if ((in.Peek(1) == 'x' || in.Peek(1) == 'X') && IsHexDigit(in.Peek(2))) {
            in.Advance(2);
            base = 16;
        } else {
            base = 8;
        }
    }
    std::uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(in.Here(), in.End(), magnitude, base);
    if (error != std::errc()) {
        in = start;
        return false;
    }
    const std::uint64_t limit = negative ? std::uint64_t{1} << 31 : (std::uint64_t{1} << 31) - 1;
    if (magnitude > limit) {
        in = start;
        return false;
    }
    in.MoveTo(end);
    const std::int64_t signedValue =
        negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    value = static_cast<int>(signedValue);
    return true;
}

// "%f": a decimal number with an optional sign and exponent.
bool ReadFloat(Cursor& in, float& value) {
    in.SkipBlanks();
    Cursor start = in;
    const bool negative = TakeSign(in);
    if (in.Peek() == '+' || in.Peek() == '-') {
        in = start;
        return false;
    }
    float magnitude = 0.0f;
    const auto [end, error] =
        std::from_chars(in.Here(), in.End(), magnitude, std::chars_format::general);
    if (error != std::errc()) {
        in = start;
        return false;
    }
    in.MoveTo(end);
    value = negative ? -magnitude : magnitude;
    return true;
}

// "%s": one word.
bool ReadWord(Cursor& in, std::string& value) {
    in.SkipBlanks();
    const char* begin = in.Here();
    while (!in.AtEnd() && !IsBlank(in.Peek())) in.Advance();
    if (in.Here() == begin) return false;
    value.assign(begin, in.Here());
    return true;
}

// Reads one conversion and stores it in the target when their types agree (an integer may
// also go into a float target).
bool Convert(Cursor& in, char conversion, const LineTarget& target) {
    switch (conversion) {
        case 'i':
        case 'd': {
            int value = 0;
            if (!ReadInteger(in, conversion == 'i', value)) return false;
            if (int* const* t = std::get_if<int*>(&target)) {
                if (*t) **t = value;
            } else if (float* const* f = std::get_if<float*>(&target)) {
                if (*f) **f = static_cast<float>(value);
            }
            return true;
        }
        case 'f': {
            float value = 0.0f;
            if (!ReadFloat(in, value)) return false;
            if (float* const* t = std::get_if<float*>(&target))
                if (*t) **t = value;
            return true;
        }
        case 's': {
            std::string value;
            if (!ReadWord(in, value)) return false;
            if (std::string* const* t = std::get_if<std::string*>(&target))
                if (*t) **t = std::move(value);
            return true;
        }
        default:
            return false;
    }
}

// Matches one piece from where the line stands; stops at the first thing that differs.
void MatchPiece(Cursor& line, std::string_view piece, const LineTarget& target) {
    bool converted = false;
    std::size_t i = 0;
    while (i < piece.size()) {
        const char c = piece[i];
        if (IsBlank(c)) {
            while (i < piece.size() && IsBlank(piece[i])) ++i;
            line.SkipBlanks();
            continue;
        }
        if (c == '%' && i + 1 < piece.size() && piece[i + 1] != '%') {
            // A piece fills one target; a second conversion would have none.
            if (converted || !Convert(line, piece[i + 1], target)) return;
            converted = true;
            i += 2;
            continue;
        }
        // A literal character; "%%" stands for one percent sign.
        if (c == '%' && i + 1 < piece.size()) ++i;
        if (line.AtEnd() || line.Peek() != c) return;
        line.Advance();
        ++i;
    }
}

// Nothing after an endless line can be trusted: the stream ends there.
bool EndAtOverLongLine(std::istream& in, std::string& line) {
    line.clear();
    in.setstate(std::ios::failbit);
    return false;
}

}  // namespace

void MatchLine(std::string_view line, std::string_view format,
               std::span<const LineTarget> targets) {
    Cursor cursor(line);
    std::size_t next = 0;
    bool first = true;
    std::string piece;
    for (const LineTarget& target : targets) {
        while (next < format.size() && format[next] == ',') ++next;
        if (next >= format.size()) return;
        std::size_t end = format.find(',', next);
        if (end == std::string_view::npos) end = format.size();
        // Every piece after the first starts at its comma. (Built by clear and push_back:
        // GCC 12 at -O3 reports a false overlap for assign() from a literal here.)
        piece.clear();
        if (!first) piece.push_back(',');
        piece.append(format.substr(next, end - next));
        MatchPiece(cursor, piece, target);
        first = false;
        next = end;
    }
}

bool ReadPhysicalLine(std::istream& in, std::string& line) {
    line.clear();
    bool extracted = false;
    for (;;) {
        const int c = in.get();
        if (c == std::istream::traits_type::eof()) {
            // A last line without a line break still counts, and leaves the stream usable.
            if (extracted) in.clear(std::ios::eofbit);
            break;
        }
        extracted = true;
        if (c == '\n') break;
        // One character over the cap may still be the CR of a CR LF.
        if (line.size() > contentlimits::kMaxLineBytes) return EndAtOverLongLine(in, line);
        line.push_back(static_cast<char>(c));
    }
    if (!extracted) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > contentlimits::kMaxLineBytes) return EndAtOverLongLine(in, line);
    return true;
}

void ReadFormattedLine(std::istream* f, std::string_view format,
                       std::span<const LineTarget> targets) {
    if (!f) return;
    std::string line;
    if (!ReadPhysicalLine(*f, line)) return;
    MatchLine(line, format, targets);
}

namespace {

using Traits = std::istream::traits_type;

// Reads up to the next double quote or the end of the stream, CR LF kept as LF; the quote
// is consumed.
std::string ReadUpToQuote(std::istream& f) {
    std::string text;
    for (;;) {
        int c = f.get();
        if (c == Traits::eof() || c == '"') return text;
        if (c == '\r' && f.peek() == '\n') c = f.get();
        text.push_back(static_cast<char>(c));
    }
}

void SkipRestOfLine(std::istream& f) {
    for (int c = f.get(); c != Traits::eof() && c != '\n'; c = f.get()) {
    }
}

}  // namespace

void FileLoader::SkipText(std::istream* f, const char* text) {
    if (!f || !text) return;
    for (const char* p = text; *p; ++p)
        if (f->get() == Traits::eof()) return;
    // The line break after the text, which is two characters in a CR LF file.
    if (f->get() == '\r' && f->peek() == '\n') f->get();
}

void FileLoader::ReadQuotedString(std::istream* f, std::string* out) {
    if (!f) return;
    f->get();  // the opening quote, not compared
    std::string text = ReadUpToQuote(*f);
    SkipRestOfLine(*f);
    if (out) *out = std::move(text);
}

void FileLoader::ReadQuotedValue(std::istream* f, const char*, std::string* out) {
    if (!f) return;
    for (;;) {
        const int c = f->get();
        if (c == Traits::eof()) {
            if (out) out->clear();
            return;
        }
        if (c == '"') break;
    }
    f->unget();
    ReadQuotedString(f, out);
}
