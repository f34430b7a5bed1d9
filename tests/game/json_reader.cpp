#include "json_reader.h"

#include <cctype>

namespace zavkari::testing {
namespace {

class Reader {
  public:
    explicit Reader(std::string_view text) : text_(text) {}

    bool Value(Json& out) {
        Skip();
        if (pos_ >= text_.size()) return false;
        const char c = text_[pos_];
        if (c == '{') return Object(out);
        if (c == '[') return Array(out);
        if (c == '"') {
            out.kind = Json::Kind::String;
            return String(out.text);
        }
        if (Word("true")) return out.kind = Json::Kind::Bool, out.boolean = true, true;
        if (Word("false")) return out.kind = Json::Kind::Bool, true;
        if (Word("null")) return out.kind = Json::Kind::Null, true;
        return Number(out);
    }

    bool AtEnd() {
        Skip();
        return pos_ == text_.size();
    }

  private:
    void Skip() {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_])))
            ++pos_;
    }
    bool Eat(char c) {
        Skip();
        if (pos_ < text_.size() && text_[pos_] == c) return ++pos_, true;
        return false;
    }
    bool Word(std::string_view w) {
        if (text_.substr(pos_, w.size()) != w) return false;
        pos_ += w.size();
        return true;
    }
    bool Number(Json& out) {
        const std::size_t start = pos_;
        if (pos_ < text_.size() && text_[pos_] == '-') ++pos_;
        while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_])))
            ++pos_;
        if (pos_ == start || (pos_ == start + 1 && text_[start] == '-')) return false;
        out.kind = Json::Kind::Number;
        out.number = std::stoll(std::string(text_.substr(start, pos_ - start)));
        return true;
    }
    bool String(std::string& out) {
        if (!Eat('"')) return false;
        while (pos_ < text_.size()) {
            const char c = text_[pos_++];
            if (c == '"') return true;
            if (static_cast<unsigned char>(c) < 0x20) return false;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (pos_ >= text_.size()) return false;
            const char e = text_[pos_++];
            if (e == 'u') {
                if (pos_ + 4 > text_.size()) return false;
                out +=
                    static_cast<char>(std::stoi(std::string(text_.substr(pos_, 4)), nullptr, 16));
                pos_ += 4;
            } else if (e == '"' || e == '\\' || e == '/') {
                out += e;
            } else {
                return false;
            }
        }
        return false;
    }
    bool Array(Json& out) {
        out.kind = Json::Kind::Array;
        Eat('[');
        if (Eat(']')) return true;
        do {
            out.items.emplace_back();
            if (!Value(out.items.back())) return false;
        } while (Eat(','));
        return Eat(']');
    }
    bool Object(Json& out) {
        out.kind = Json::Kind::Object;
        Eat('{');
        if (Eat('}')) return true;
        do {
            std::string key;
            Skip();
            if (!String(key) || !Eat(':') || out.fields.count(key)) return false;
            if (!Value(out.fields[key])) return false;
        } while (Eat(','));
        return Eat('}');
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace

std::optional<Json> ParseJson(std::string_view text) {
    Reader reader(text);
    Json value;
    if (!reader.Value(value) || !reader.AtEnd()) return std::nullopt;
    return value;
}

}  // namespace zavkari::testing
