#include "app/json_text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstring>

namespace quendal_app {

namespace {

// As deep as QJsonDocument::fromJson reads.
constexpr std::size_t kMaxDepth = 1024;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isHexDigit(char c) {
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// One well-formed UTF-8 sequence of two to four bytes at `pos`: no overlong
// form, no surrogate, nothing beyond U+10FFFF, nothing cut off.
bool utf8Sequence(const QByteArray& text, qsizetype& pos) {
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    int length = 0;
    unsigned char low = 0x80;  // the range of the second byte
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return false;
    }
    if (text.size() - pos < length) {
        return false;
    }
    for (int i = 1; i < length; ++i) {
        const unsigned char c = byte(pos + i);
        if (c < (i == 1 ? low : 0x80) || c > (i == 1 ? high : 0xBF)) {
            return false;
        }
    }
    pos += length;
    return true;
}

}  // namespace

QByteArray jsonText(const QVariant& value, int indent) {
    const QJsonValue json = QJsonValue::fromVariant(value);
    QByteArray text;
    if (json.isObject()) {
        text = QJsonDocument(json.toObject()).toJson(QJsonDocument::Indented);
    } else if (json.isArray()) {
        text = QJsonDocument(json.toArray()).toJson(QJsonDocument::Indented);
    } else {
        const QByteArray wrapped = QJsonDocument(QJsonArray{json}).toJson(QJsonDocument::Compact);
        return wrapped.mid(1, wrapped.size() - 2);
    }
    if (text.endsWith('\n')) {
        text.chop(1);
    }
    return text.replace("\n", "\n" + QByteArray(indent, ' '));
}

void JsonSkeleton::skip_space(qsizetype& pos) const {
    while (pos < text_.size() &&
           (text_[pos] == ' ' || text_[pos] == '\n' || text_[pos] == '\r' || text_[pos] == '\t')) {
        ++pos;
    }
}

bool JsonSkeleton::scan_string(qsizetype& pos) const {
    ++pos;  // the opening quote
    while (pos < text_.size()) {
        const char c = text_[pos++];
        if (c == '\\') {
            ++pos;
        } else if (c == '"') {
            return pos <= text_.size();
        }
    }
    return false;
}

std::optional<JsonSpan> JsonSkeleton::scan_value(qsizetype& pos) const {
    skip_space(pos);
    if (pos >= text_.size()) {
        return std::nullopt;
    }
    JsonSpan span{pos, pos, text_[pos]};
    const char open = text_[pos];
    if (open == '"') {
        if (!scan_string(pos)) {
            return std::nullopt;
        }
    } else if (open == '{' || open == '[') {
        int depth = 0;
        while (pos < text_.size()) {
            const char c = text_[pos];
            if (c == '"') {
                if (!scan_string(pos)) {
                    return std::nullopt;
                }
                continue;
            }
            ++pos;
            if (c == '{' || c == '[') {
                ++depth;
            } else if (c == '}' || c == ']') {
                if (--depth == 0) {
                    break;
                }
            }
        }
        if (depth != 0) {
            return std::nullopt;
        }
    } else {
        span.kind = 'v';
        while (pos < text_.size() && text_[pos] != ',' && text_[pos] != '}' && text_[pos] != ']' &&
               text_[pos] != ' ' && text_[pos] != '\n' && text_[pos] != '\r' &&
               text_[pos] != '\t') {
            ++pos;
        }
        if (pos == span.begin) {
            return std::nullopt;
        }
    }
    span.end = pos;
    return span;
}

bool JsonSkeleton::check_string(qsizetype& pos) const {
    ++pos;  // the opening quote
    while (pos < text_.size()) {
        const char c = text_[pos];
        if (c == '"') {
            ++pos;
            return true;
        }
        if (c == '\\') {
            // Any character may be escaped; a "u" escape takes four hex digits.
            if (++pos >= text_.size()) {
                return false;
            }
            if (text_[pos++] == 'u') {
                if (text_.size() - pos < 4) {
                    return false;
                }
                for (int i = 0; i < 4; ++i) {
                    if (!isHexDigit(text_[pos++])) {
                        return false;
                    }
                }
            }
        } else if (static_cast<unsigned char>(c) < 0x80) {
            ++pos;  // control characters included, as the reader takes them
        } else if (!utf8Sequence(text_, pos)) {
            return false;
        }
    }
    return false;
}

bool JsonSkeleton::check_number(qsizetype& pos) const {
    const qsizetype begin = pos;
    const auto digits = [&] {
        while (pos < text_.size() && isDigit(text_[pos])) {
            ++pos;
        }
    };
    if (pos < text_.size() && text_[pos] == '-') {
        ++pos;
    }
    if (pos < text_.size() && text_[pos] == '0') {
        ++pos;
    } else {
        digits();
    }
    if (pos < text_.size() && text_[pos] == '.') {
        ++pos;
        digits();
    }
    if (pos < text_.size() && (text_[pos] == 'e' || text_[pos] == 'E')) {
        ++pos;
        if (pos < text_.size() && (text_[pos] == '+' || text_[pos] == '-')) {
            ++pos;
        }
        digits();
    }
    // What the grammar leaves open ("1.", ".5", "1e", a value beyond the
    // range of a double) the conversion decides, as in the reader.
    bool ok = false;
    QByteArray::fromRawData(text_.constData() + begin, pos - begin).toDouble(&ok);
    return ok;
}

bool JsonSkeleton::check_scalar(qsizetype& pos) const {
    const char c = text_[pos];
    if (c == '"') {
        return check_string(pos);
    }
    for (const char* word : {"true", "false", "null"}) {
        if (c == word[0]) {
            const auto length = static_cast<qsizetype>(std::strlen(word));
            if (text_.size() - pos < length ||
                std::memcmp(text_.constData() + pos, word, static_cast<std::size_t>(length)) != 0) {
                return false;
            }
            pos += length;
            return true;
        }
    }
    return check_number(pos);
}

std::optional<qsizetype> JsonSkeleton::check_document(qsizetype pos) const {
    if (pos >= text_.size() || (text_[pos] != '{' && text_[pos] != '[')) {
        return std::nullopt;
    }
    std::vector<char> open{text_[pos++]};  // the open containers, innermost last
    const auto closer = [&] { return open.back() == '{' ? '}' : ']'; };
    bool opened = true;  // a container that has just opened may close at once
    for (;;) {
        skip_space(pos);
        if (pos >= text_.size()) {
            return std::nullopt;
        }
        if (opened && text_[pos] == closer()) {
            ++pos;
            open.pop_back();
        } else {
            if (open.back() == '{') {
                if (text_[pos] != '"' || !check_string(pos)) {
                    return std::nullopt;
                }
                skip_space(pos);
                if (pos >= text_.size() || text_[pos] != ':') {
                    return std::nullopt;
                }
                ++pos;
                skip_space(pos);
                if (pos >= text_.size()) {
                    return std::nullopt;
                }
            }
            if (text_[pos] == '{' || text_[pos] == '[') {
                if (open.size() >= kMaxDepth) {
                    return std::nullopt;
                }
                open.push_back(text_[pos++]);
                opened = true;
                continue;
            }
            if (!check_scalar(pos)) {
                return std::nullopt;
            }
        }
        opened = false;
        // A value is complete: close what ends here, then go on after a comma.
        for (;;) {
            if (open.empty()) {
                return pos;
            }
            skip_space(pos);
            if (pos >= text_.size()) {
                return std::nullopt;
            }
            if (text_[pos] == ',') {
                ++pos;
                break;
            }
            if (text_[pos] != closer()) {
                return std::nullopt;
            }
            ++pos;
            open.pop_back();
        }
    }
}

std::optional<JsonSpan> JsonSkeleton::root() const {
    qsizetype pos = 0;
    if (text_.size() > 3 && text_.startsWith("\xEF\xBB\xBF")) {
        pos = 3;  // a byte-order mark
    }
    skip_space(pos);
    const qsizetype begin = pos;
    const auto end = check_document(pos);
    if (!end) {
        return std::nullopt;
    }
    qsizetype rest = *end;
    skip_space(rest);
    if (rest != text_.size()) {
        return std::nullopt;
    }
    return JsonSpan{begin, *end, text_[begin]};
}

std::optional<std::vector<std::pair<QString, JsonSpan>>> JsonSkeleton::members(
    const JsonSpan& object) const {
    if (object.kind != '{') {
        return std::nullopt;
    }
    std::vector<std::pair<QString, JsonSpan>> out;
    qsizetype pos = object.begin + 1;
    skip_space(pos);
    if (pos < object.end && text_[pos] == '}') {
        return out;
    }
    while (pos < object.end) {
        skip_space(pos);
        const auto key = scan_value(pos);
        if (!key || key->kind != '"') {
            return std::nullopt;
        }
        const auto name = value(*key);
        skip_space(pos);
        if (!name || pos >= object.end || text_[pos] != ':') {
            return std::nullopt;
        }
        ++pos;
        const auto member = scan_value(pos);
        if (!member) {
            return std::nullopt;
        }
        out.emplace_back(name->toString(), *member);
        skip_space(pos);
        if (pos < object.end && text_[pos] == ',') {
            ++pos;
            continue;
        }
        if (pos == object.end - 1 && text_[pos] == '}') {
            return out;
        }
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<std::vector<JsonSpan>> JsonSkeleton::elements(const JsonSpan& array) const {
    if (array.kind != '[') {
        return std::nullopt;
    }
    std::vector<JsonSpan> out;
    qsizetype pos = array.begin + 1;
    skip_space(pos);
    if (pos < array.end && text_[pos] == ']') {
        return out;
    }
    while (pos < array.end) {
        const auto element = scan_value(pos);
        if (!element) {
            return std::nullopt;
        }
        out.push_back(*element);
        skip_space(pos);
        if (pos < array.end && text_[pos] == ',') {
            ++pos;
            continue;
        }
        if (pos == array.end - 1 && text_[pos] == ']') {
            return out;
        }
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<QJsonValue> JsonSkeleton::value(const JsonSpan& span) const {
    QByteArray piece = text_.mid(span.begin, span.end - span.begin);
    const bool container = span.kind == '{' || span.kind == '[';
    if (!container) {
        piece = "[" + piece + "]";
    }
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(piece, &error);
    if (error.error != QJsonParseError::NoError || doc.isNull()) {
        return std::nullopt;
    }
    if (span.kind == '{') {
        return QJsonValue(doc.object());
    }
    if (span.kind == '[') {
        return QJsonValue(doc.array());
    }
    const QJsonArray wrapped = doc.array();
    if (wrapped.size() != 1) {
        return std::nullopt;
    }
    return wrapped.at(0);
}

}  // namespace quendal_app
