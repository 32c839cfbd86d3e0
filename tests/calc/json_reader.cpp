// The strict JSON reader of the tests.
#include "json_reader.h"

#include <cstdlib>
#include <stdexcept>

namespace calc_test {

namespace {

class Reader {
  public:
    explicit Reader(const std::string& text) : s_(text) {}

    JsonValue Document() {
        JsonValue v = Value();
        Blanks();
        if (i_ != s_.size()) Fail("text after the document");
        return v;
    }

  private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw std::runtime_error("not JSON at " + std::to_string(i_) + ": " + what);
    }
    void Blanks() {
        while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t' || s_[i_] == '\n' || s_[i_] == '\r'))
            ++i_;
    }
    char Peek() {
        Blanks();
        if (i_ >= s_.size()) Fail("unexpected end");
        return s_[i_];
    }
    void Expect(char c) {
        if (Peek() != c) Fail(std::string("expected ") + c);
        ++i_;
    }
    void Word(const std::string& word) {
        if (s_.compare(i_, word.size(), word) != 0) Fail("expected " + word);
        i_ += word.size();
    }

    JsonValue Value() {
        JsonValue v;
        const char c = Peek();
        if (c == '{') return Object();
        if (c == '[') return Array();
        if (c == '"') {
            v.kind = JsonValue::Kind::String;
            v.text = String();
        } else if (c == 't' || c == 'f') {
            v.kind = JsonValue::Kind::Bool;
            v.boolean = c == 't';
            Word(v.boolean ? "true" : "false");
        } else if (c == 'n') {
            Word("null");
        } else {
            v.kind = JsonValue::Kind::Number;
            v.text = Number();
            v.number = std::strtod(v.text.c_str(), nullptr);
        }
        return v;
    }

    JsonValue Object() {
        JsonValue v;
        v.kind = JsonValue::Kind::Object;
        Expect('{');
        if (Peek() == '}') return ++i_, v;
        while (true) {
            if (Peek() != '"') Fail("expected a member name");
            const std::string name = String();
            if (v.members.count(name)) Fail("duplicate member " + name);
            Expect(':');
            v.members[name] = Value();
            v.order.push_back(name);
            if (Peek() == '}') return ++i_, v;
            Expect(',');
        }
    }

    JsonValue Array() {
        JsonValue v;
        v.kind = JsonValue::Kind::Array;
        Expect('[');
        if (Peek() == ']') return ++i_, v;
        while (true) {
            v.items.push_back(Value());
            if (Peek() == ']') return ++i_, v;
            Expect(',');
        }
    }

    std::string Number() {
        const std::size_t start = i_;
        if (s_[i_] == '-') ++i_;
        const auto digits = [&] {
            const std::size_t from = i_;
            while (i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9')
                ++i_;
            if (i_ == from) Fail("expected digits");
        };
        if (i_ < s_.size() && s_[i_] == '0') {
            ++i_;
        } else {
            digits();
        }
        if (i_ < s_.size() && s_[i_] == '.') ++i_, digits();
        if (i_ < s_.size() && (s_[i_] == 'e' || s_[i_] == 'E')) {
            ++i_;
            if (i_ < s_.size() && (s_[i_] == '+' || s_[i_] == '-')) ++i_;
            digits();
        }
        return s_.substr(start, i_ - start);
    }

    void AppendUtf8(std::string& out, unsigned code) {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    std::string String() {
        ++i_;
        std::string out;
        while (true) {
            if (i_ >= s_.size()) Fail("unterminated string");
            const char c = s_[i_++];
            if (c == '"') return out;
            if (static_cast<unsigned char>(c) < 0x20) Fail("raw control character in a string");
            if (c != '\\') {
                out += c;
                continue;
            }
            if (i_ >= s_.size()) Fail("unterminated escape");
            const char e = s_[i_++];
            const std::string simple = "\"\\/bfnrt";
            const std::string meaning = "\"\\/\b\f\n\r\t";
            if (const auto k = simple.find(e); k != std::string::npos) {
                out += meaning[k];
            } else if (e == 'u' && i_ + 4 <= s_.size()) {
                AppendUtf8(out, static_cast<unsigned>(std::stoul(s_.substr(i_, 4), nullptr, 16)));
                i_ += 4;
            } else {
                Fail("bad escape");
            }
        }
    }

    const std::string& s_;
    std::size_t i_ = 0;
};

}  // namespace

const JsonValue& JsonValue::operator[](const std::string& name) const {
    const auto it = members.find(name);
    if (it == members.end()) throw std::runtime_error("no member " + name);
    return it->second;
}

JsonValue ParseJson(const std::string& document) {
    return Reader(document).Document();
}

}  // namespace calc_test
