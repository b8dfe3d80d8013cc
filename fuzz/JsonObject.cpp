#include "fuzz/JsonObject.h"

#include "fuzz/TextChecks.h"

namespace zfuzz {

namespace {

class TReader {
  public:
    explicit TReader(std::string_view text) : s_(text) {}

    std::optional<std::vector<std::string>> Object() {
        Blanks();
        if (!Peek('{')) return std::nullopt;
        std::vector<std::string> names;
        if (!ObjectBody(0, &names)) return std::nullopt;
        Blanks();
        if (i_ != s_.size()) return std::nullopt;
        return names;
    }

  private:
    static constexpr int kDeepest = 64;

    bool Peek(char c) const { return i_ < s_.size() && s_[i_] == c; }

    bool Take(char c) {
        if (!Peek(c)) return false;
        ++i_;
        return true;
    }

    void Blanks() {
        while (i_ < s_.size() &&
               (s_[i_] == ' ' || s_[i_] == '\t' || s_[i_] == '\n' || s_[i_] == '\r'))
            ++i_;
    }

    bool Value(int depth) {
        Blanks();
        if (depth > kDeepest || i_ == s_.size()) return false;
        const char c = s_[i_];
        if (c == '{') return ObjectBody(depth, nullptr);
        if (c == '[') return ArrayBody(depth);
        if (c == '"') return String(nullptr);
        if (c == '-' || (c >= '0' && c <= '9')) return Number();
        for (const std::string_view word : {"true", "false", "null"})
            if (s_.substr(i_).starts_with(word)) {
                i_ += word.size();
                return true;
            }
        return false;
    }

    bool ObjectBody(int depth, std::vector<std::string>* names) {
        Take('{');
        Blanks();
        if (Take('}')) return true;
        do {
            Blanks();
            std::string name;
            if (!String(&name)) return false;
            if (names) names->push_back(name);
            Blanks();
            if (!Take(':') || !Value(depth + 1)) return false;
            Blanks();
        } while (Take(','));
        return Take('}');
    }

    bool ArrayBody(int depth) {
        Take('[');
        Blanks();
        if (Take(']')) return true;
        do {
            if (!Value(depth + 1)) return false;
            Blanks();
        } while (Take(','));
        return Take(']');
    }

    static bool IsHex(char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    }

    // The name is kept as written, escapes and all: the checks compare plain names.
    bool String(std::string* text) {
        if (!Take('"')) return false;
        const std::size_t start = i_;
        while (i_ < s_.size() && s_[i_] != '"') {
            const auto c = static_cast<unsigned char>(s_[i_]);
            if (c < 0x20) return false;
            if (c != '\\') {
                ++i_;
                continue;
            }
            ++i_;
            if (i_ == s_.size()) return false;
            const char e = s_[i_++];
            if (e == 'u') {
                for (int k = 0; k < 4; ++k)
                    if (i_ == s_.size() || !IsHex(s_[i_++])) return false;
            } else if (std::string_view("\"\\/bfnrt").find(e) == std::string_view::npos) {
                return false;
            }
        }
        if (i_ == s_.size()) return false;
        const std::string_view body = s_.substr(start, i_ - start);
        ++i_;
        if (!IsWellFormedUtf8(body)) return false;
        if (text) *text = body;
        return true;
    }

    std::size_t Digits() {
        const std::size_t start = i_;
        while (i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9')
            ++i_;
        return i_ - start;
    }

    // -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
    bool Number() {
        Take('-');
        if (Take('0')) {
            if (i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9') return false;
        } else if (Digits() == 0) {
            return false;
        }
        if (Take('.') && Digits() == 0) return false;
        if (Take('e') || Take('E')) {
            if (!Take('+')) Take('-');
            if (Digits() == 0) return false;
        }
        return true;
    }

    std::string_view s_;
    std::size_t i_ = 0;
};

} // namespace

std::optional<std::vector<std::string>> ObjectNames(std::string_view text) {
    return TReader(text).Object();
}

} // namespace zfuzz
