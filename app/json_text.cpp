#include "app/json_text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <charconv>
#include <cstring>

namespace quendal_app {

namespace {

// As deep as QJsonDocument::fromJson reads.
constexpr std::size_t kMaxDepth = 1024;
// The containers whose ends the document check keeps: the document, its
// members, theirs, their elements and those elements' own (a project's
// nodes and their action lists).
constexpr std::size_t kIndexedDepth = 4;

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

// Steps over a number's characters by the JSON grammar ("-", digits, a
// fraction, an exponent) from `pos`. True when they make a plain number:
// every part present, at most 32 characters, an exponent of one or two
// digits. Any such number reads as a finite double of normal size (or 0),
// so no conversion is needed to know that it is one.
bool plainNumber(const char* t, qsizetype size, qsizetype& pos) {
    const qsizetype begin = pos;
    const auto digits = [&] {
        const qsizetype from = pos;
        while (pos < size && isDigit(t[pos])) {
            ++pos;
        }
        return pos - from;
    };
    if (pos < size && t[pos] == '-') {
        ++pos;
    }
    bool plain = true;
    if (pos < size && t[pos] == '0') {
        ++pos;
    } else {
        plain = digits() > 0;
    }
    if (pos < size && t[pos] == '.') {
        ++pos;
        plain = digits() > 0 && plain;
    }
    if (pos < size && (t[pos] == 'e' || t[pos] == 'E')) {
        ++pos;
        if (pos < size && (t[pos] == '+' || t[pos] == '-')) {
            ++pos;
        }
        const qsizetype exponent = digits();
        plain = exponent > 0 && exponent <= 2 && plain;
    }
    return plain && pos - begin <= 32;
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

bool JsonSkeleton::scan_string(qsizetype& pos) const {
    const char* const t = text_.constData();
    const qsizetype size = text_.size();
    ++pos;  // the opening quote
    while (pos < size) {
        const char c = t[pos++];
        if (c == '\\') {
            ++pos;
        } else if (c == '"') {
            return pos <= size;
        }
    }
    return false;
}

qsizetype JsonSkeleton::known_end(qsizetype begin) const {
    // Elements are mostly asked for in text order: the entry after the last
    // one found first.
    if (next_ < ends_.size() && ends_[next_].first == begin) {
        return ends_[next_++].second;
    }
    const auto it = std::lower_bound(
        ends_.cbegin(), ends_.cend(), begin,
        [](const std::pair<qsizetype, qsizetype>& e, qsizetype b) { return e.first < b; });
    if (it == ends_.cend() || it->first != begin) {
        return begin;
    }
    next_ = static_cast<std::size_t>(it - ends_.cbegin()) + 1;
    return it->second;
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
        if (const qsizetype known = known_end(pos); known > pos) {
            span.end = known;  // a container of the outer levels
            pos = known;
            return span;
        }
        const char* const t = text_.constData();
        const qsizetype size = text_.size();
        int depth = 0;
        while (pos < size) {
            const char c = t[pos];
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
    const char* const t = text_.constData();
    const qsizetype size = text_.size();
    ++pos;  // the opening quote
    while (pos < size) {
        const char c = t[pos];
        if (c == '"') {
            ++pos;
            return true;
        }
        if (c == '\\') {
            // Any character may be escaped; a "u" escape takes four hex digits.
            if (++pos >= size) {
                return false;
            }
            if (t[pos++] == 'u') {
                if (size - pos < 4) {
                    return false;
                }
                for (int i = 0; i < 4; ++i) {
                    if (!isHexDigit(t[pos++])) {
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
    if (plainNumber(text_.constData(), text_.size(), pos)) {
        return true;
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
    ends_.clear();
    std::vector<char> open;            // the open containers, innermost last
    std::vector<std::size_t> indexed;  // their entries in ends_, for the outer levels
    const auto enter = [&] {
        open.push_back(text_[pos]);
        if (open.size() <= kIndexedDepth) {
            indexed.push_back(ends_.size());
            ends_.emplace_back(pos, pos);
        }
        ++pos;
    };
    const auto leave = [&] {  // at the closing bracket
        ++pos;
        if (open.size() <= kIndexedDepth) {
            ends_[indexed.back()].second = pos;
            indexed.pop_back();
        }
        open.pop_back();
    };
    enter();
    const auto closer = [&] { return open.back() == '{' ? '}' : ']'; };
    bool opened = true;  // a container that has just opened may close at once
    for (;;) {
        skip_space(pos);
        if (pos >= text_.size()) {
            return std::nullopt;
        }
        if (opened && text_[pos] == closer()) {
            leave();
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
                enter();
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
            leave();
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
    qsizetype rest = end.value_or(0);
    skip_space(rest);
    if (!end || rest != text_.size()) {
        ends_.clear();
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
    std::vector<JsonSpan> out;
    if (!elements(array, out)) {
        return std::nullopt;
    }
    return out;
}

bool JsonSkeleton::elements(const JsonSpan& array, std::vector<JsonSpan>& out) const {
    out.clear();
    if (array.kind != '[') {
        return false;
    }
    qsizetype pos = array.begin + 1;
    skip_space(pos);
    if (pos < array.end && text_[pos] == ']') {
        return true;
    }
    while (pos < array.end) {
        const auto element = scan_value(pos);
        if (!element) {
            return false;
        }
        out.push_back(*element);
        skip_space(pos);
        if (pos < array.end && text_[pos] == ',') {
            ++pos;
            continue;
        }
        return pos == array.end - 1 && text_[pos] == ']';
    }
    return false;
}

bool JsonSkeleton::flat_string(qsizetype& pos, qsizetype end, std::string_view& out) const {
    const char* const t = text_.constData();
    if (pos >= end || t[pos] != '"') {
        return false;
    }
    const qsizetype begin = ++pos;
    while (pos < end) {
        const auto c = static_cast<unsigned char>(t[pos]);
        if (c == '"') {
            out = std::string_view(t + begin, static_cast<std::size_t>(pos - begin));
            ++pos;
            return true;
        }
        if (c == '\\' || c < 0x20 || c >= 0x80) {
            return false;
        }
        ++pos;
    }
    return false;
}

bool JsonSkeleton::flat_scalar(qsizetype& pos, qsizetype end, JsonScalar& out) const {
    const char* const t = text_.constData();
    if (pos >= end) {
        return false;
    }
    const char c = t[pos];
    if (c == '"') {
        out.kind = JsonScalar::String;
        return flat_string(pos, end, out.text);
    }
    for (const auto& [word, kind] :
         {std::pair{"true", JsonScalar::True}, std::pair{"false", JsonScalar::False},
          std::pair{"null", JsonScalar::Null}}) {
        if (c == word[0]) {
            const auto length = static_cast<qsizetype>(std::strlen(word));
            if (end - pos < length ||
                std::memcmp(t + pos, word, static_cast<std::size_t>(length)) != 0) {
                return false;
            }
            pos += length;
            out.kind = kind;
            return true;
        }
    }
    const qsizetype begin = pos;
    if (!plainNumber(t, end, pos)) {
        return false;
    }
    double value = 0.0;
    const auto [stop, error] = std::from_chars(t + begin, t + pos, value);
    // A negative zero is left to the reader, which makes "-0" a whole 0.
    if (error != std::errc() || stop != t + pos || (value == 0.0 && t[begin] == '-')) {
        return false;
    }
    out.kind = JsonScalar::Number;
    out.number = value;
    return true;
}

bool JsonSkeleton::flat_object(qsizetype& pos, qsizetype end,
                               std::vector<std::pair<std::string_view, JsonScalar>>& out) const {
    const char* const t = text_.constData();
    if (pos >= end || t[pos] != '{') {
        return false;
    }
    ++pos;
    skip_space(pos);
    if (pos < end && t[pos] == '}') {
        ++pos;
        return true;
    }
    while (pos < end) {
        std::string_view key;
        JsonScalar value;
        if (!flat_string(pos, end, key)) {
            return false;
        }
        skip_space(pos);
        if (pos >= end || t[pos] != ':') {
            return false;
        }
        ++pos;
        skip_space(pos);
        if (!flat_scalar(pos, end, value)) {
            return false;
        }
        out.emplace_back(key, value);
        skip_space(pos);
        if (pos < end && t[pos] == ',') {
            ++pos;
            skip_space(pos);
            continue;
        }
        if (pos < end && t[pos] == '}') {
            ++pos;
            return true;
        }
        return false;
    }
    return false;
}

bool JsonSkeleton::flat_members(const JsonSpan& object,
                                std::vector<std::pair<std::string_view, JsonScalar>>& out) const {
    out.clear();
    qsizetype pos = object.begin;
    return object.kind == '{' && flat_object(pos, object.end, out) && pos == object.end;
}

bool JsonSkeleton::flat_objects(const JsonSpan& array,
                                std::vector<std::pair<std::string_view, JsonScalar>>& members,
                                std::vector<std::size_t>& counts) const {
    members.clear();
    counts.clear();
    if (array.kind != '[') {
        return false;
    }
    const char* const t = text_.constData();
    const qsizetype end = array.end;
    qsizetype pos = array.begin + 1;
    skip_space(pos);
    if (pos < end && t[pos] == ']') {
        return pos == end - 1;
    }
    while (pos < end) {
        const std::size_t before = members.size();
        if (!flat_object(pos, end, members)) {
            return false;
        }
        counts.push_back(members.size() - before);
        skip_space(pos);
        if (pos < end && t[pos] == ',') {
            ++pos;
            skip_space(pos);
            continue;
        }
        return pos == end - 1 && t[pos] == ']';
    }
    return false;
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
