// The recursive-descent reader of JSON text.
#include "json/json_reader.h"

#include <algorithm>

#include "conceptplane/text.h"

namespace json {

namespace {

// Thrown inside the reader only; Read turns it into a SyntaxError.
struct Stop {
    std::size_t line;
    std::string reason;
};

class Reader {
  public:
    Reader(std::string_view text, int maxDepth) : s_(text), maxDepth_(maxDepth) {}

    Value Document() {
        Value v = Element(0);
        SkipBlanks();
        if (i_ < s_.size()) Fail("hay más texto después del final del documento");
        return v;
    }

  private:
    [[noreturn]] void Fail(const std::string& reason) const { throw Stop{line_, reason}; }

    void SkipBlanks() {
        while (i_ < s_.size()) {
            const char c = s_[i_];
            if (c == '\n') {
                ++line_;
            } else if (c != ' ' && c != '\t' && c != '\r') {
                return;
            }
            ++i_;
        }
    }

    char Peek() {
        SkipBlanks();
        if (i_ >= s_.size()) Fail("el documento termina antes de tiempo");
        return s_[i_];
    }

    void Expect(char c, const char* what) {
        if (Peek() != c) Fail(std::string("se esperaba ") + what);
        ++i_;
    }

    Value Element(int depth) {
        if (depth > maxDepth_) Fail("demasiados niveles anidados");
        const char c = Peek();
        Value v;
        v.line = line_;
        if (c == '{') {
            Object(v, depth);
        } else if (c == '[') {
            Array(v, depth);
        } else if (c == '"') {
            v.kind = Value::Kind::String;
            v.text = String();
        } else if (c == '-' || (c >= '0' && c <= '9')) {
            v.kind = Value::Kind::Number;
            v.text = Number();
        } else {
            Literal(v);
        }
        return v;
    }

    bool Word(std::string_view word) {
        if (!s_.substr(i_).starts_with(word)) return false;
        i_ += word.size();
        return true;
    }

    void Literal(Value& v) {
        if (Word("true")) {
            v.kind = Value::Kind::Bool;
            v.boolean = true;
        } else if (Word("false")) {
            v.kind = Value::Kind::Bool;
        } else if (!Word("null")) {
            Fail("valor no válido");
        }
    }

    void Object(Value& v, int depth) {
        v.kind = Value::Kind::Object;
        ++i_;
        if (Peek() == '}') {
            ++i_;
            return;
        }
        for (;;) {
            if (Peek() != '"') Fail("se esperaba el nombre de un campo entre comillas");
            std::string name = String();
            if (v.Member(name)) Fail("el campo \"" + name + "\" aparece dos veces");
            Expect(':', "«:»");
            v.names.push_back(std::move(name));
            v.values.push_back(Element(depth + 1));
            if (Peek() == '}') break;
            Expect(',', "«,» o «}»");
        }
        ++i_;
    }

    void Array(Value& v, int depth) {
        v.kind = Value::Kind::Array;
        ++i_;
        if (Peek() == ']') {
            ++i_;
            return;
        }
        for (;;) {
            v.items.push_back(Element(depth + 1));
            if (Peek() == ']') break;
            Expect(',', "«,» o «]»");
        }
        ++i_;
    }

    bool Digits() {
        const std::size_t start = i_;
        while (i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9')
            ++i_;
        return i_ > start;
    }

    std::string Number() {
        const std::size_t start = i_;
        if (s_[i_] == '-') ++i_;
        const std::size_t first = i_;
        if (!Digits()) Fail("número no válido");
        if (s_[first] == '0' && i_ - first > 1) Fail("número no válido");
        if (i_ < s_.size() && s_[i_] == '.') {
            ++i_;
            if (!Digits()) Fail("número no válido");
        }
        if (i_ < s_.size() && (s_[i_] == 'e' || s_[i_] == 'E')) {
            ++i_;
            if (i_ < s_.size() && (s_[i_] == '+' || s_[i_] == '-')) ++i_;
            if (!Digits()) Fail("número no válido");
        }
        return std::string(s_.substr(start, i_ - start));
    }

    unsigned Hex4() {
        if (s_.size() - i_ < 4) Fail("secuencia \\u incompleta");
        unsigned code = 0;
        for (int k = 0; k < 4; ++k) {
            const char c = s_[i_++];
            code <<= 4;
            if (c >= '0' && c <= '9') {
                code |= static_cast<unsigned>(c - '0');
            } else if (c >= 'a' && c <= 'f') {
                code |= static_cast<unsigned>(c - 'a' + 10);
            } else if (c >= 'A' && c <= 'F') {
                code |= static_cast<unsigned>(c - 'A' + 10);
            } else {
                Fail("secuencia \\u no válida");
            }
        }
        return code;
    }

    // \uXXXX, with a surrogate pair joined into one character; a lone surrogate is refused.
    char32_t Escaped() {
        const unsigned high = Hex4();
        if (high >= 0xDC00 && high <= 0xDFFF) Fail("secuencia \\u no válida");
        if (high < 0xD800 || high > 0xDBFF) return high;
        if (!s_.substr(i_).starts_with("\\u")) Fail("secuencia \\u no válida");
        i_ += 2;
        const unsigned low = Hex4();
        if (low < 0xDC00 || low > 0xDFFF) Fail("secuencia \\u no válida");
        return 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00);
    }

    std::string String() {
        ++i_;
        std::string out;
        for (;;) {
            if (i_ >= s_.size()) Fail("un texto no se cierra");
            const char c = s_[i_++];
            if (c == '"') return out;
            if (static_cast<unsigned char>(c) < 0x20) Fail("carácter de control dentro de un texto");
            if (c != '\\') {
                out += c;
                continue;
            }
            if (i_ >= s_.size()) Fail("un texto no se cierra");
            const char e = s_[i_++];
            switch (e) {
                case '"':
                    out += '"';
                    break;
                case '\\':
                    out += '\\';
                    break;
                case '/':
                    out += '/';
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'u':
                    out += cp::ToUtf8(cp::Text(1, Escaped()));
                    break;
                default:
                    Fail("secuencia de escape no válida");
            }
        }
    }

    std::string_view s_;
    int maxDepth_;
    std::size_t i_ = 0;
    std::size_t line_ = 1;
};

// The first line that is not UTF-8, or 0 when the whole text is. A line end is never part of a
// longer sequence, so lines can be checked one by one.
std::size_t FirstBadUtf8Line(std::string_view text) {
    std::size_t line = 1;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view part = text.substr(0, end);
        if (cp::ToUtf8(cp::FromUtf8(part)) != part) return line;
        text.remove_prefix(std::min(end + 1, text.size()));
        ++line;
    }
    return 0;
}

}  // namespace

const Value* Value::Member(std::string_view name) const {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == name) return &values[i];
    return nullptr;
}

ReadResult Read(std::string_view text, int maxDepth) {
    if (const std::size_t bad = FirstBadUtf8Line(text))
        return {std::nullopt, {bad, "el texto no es UTF-8 válido"}};
    try {
        return {Reader(text, maxDepth).Document(), {}};
    } catch (const Stop& stop) {
        return {std::nullopt, {stop.line, stop.reason}};
    }
}

}  // namespace json
