#include "app/json_text.h"

#include "app/json_grammar.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <algorithm>
#include <charconv>
#include <cstring>

namespace quendal_app {

using json_grammar::isDigit;
using json_grammar::plainNumber;

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

char* writeJsonFraction(char* out, double value) {
    if (!(value == 0.0 || (value >= 1e-99 && value <= 1.0))) {  // a two-digit exponent at most
        const QByteArray text = QByteArray::number(value, 'g', QLocale::FloatingPointShortest);
        return std::copy_n(text.constData(), std::min<qsizetype>(text.size(), 32), out);
    }
    char scientific[32];
    const char* const end = std::to_chars(scientific, scientific + sizeof scientific, value,
                                          std::chars_format::scientific)
                                .ptr;
    // "d.ddde-XX": the digits without the point, and the decimal exponent.
    char digits[24];
    int count = 0;
    const char* p = scientific;
    for (; *p != 'e'; ++p) {
        if (*p != '.') {
            digits[count++] = *p;
        }
    }
    int exponent = 0;
    std::from_chars(p + (p[1] == '+' ? 2 : 1), end, exponent);
    if (count == 1 && digits[0] == '0') {
        *out = '0';
        return out + 1;
    }
    const int point = exponent + 1;  // digits before the point
    char* o = out;
    if (point <= 0 && 1 - point <= 4) {
        *o++ = '0';
        *o++ = '.';
        o = std::fill_n(o, -point, '0');
        o = std::copy_n(digits, count, o);
    } else if (point > 0) {  // 1 itself
        for (int i = 0; i < std::max(count, point); ++i) {
            if (i == point) {
                *o++ = '.';
            }
            *o++ = i < count ? digits[i] : '0';
        }
    } else {
        *o++ = digits[0];
        if (count > 1) {
            *o++ = '.';
            o = std::copy_n(digits + 1, count - 1, o);
        }
        *o++ = 'e';
        *o++ = '-';
        *o++ = static_cast<char>('0' + (-exponent) / 10);
        *o++ = static_cast<char>('0' + (-exponent) % 10);
    }
    return o;
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

std::optional<JsonSpan> JsonSkeleton::root() const {
    qsizetype pos = 0;
    if (text_.size() > 3 && text_.startsWith("\xEF\xBB\xBF")) {
        pos = 3;  // a byte-order mark
    }
    skip_space(pos);
    const qsizetype begin = pos;
    ends_.clear();
    indexes_.clear();
    next_ = 0;
    const bool whole = check_document(pos);
    const qsizetype end = pos;
    skip_space(pos);
    if (!whole || pos != text_.size()) {
        ends_.clear();
        indexes_.clear();
        return std::nullopt;
    }
    return JsonSpan{begin, end, text_[begin]};
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
    if (array.kind != '[') {
        return std::nullopt;
    }
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

const JsonSkeleton::ElementIndex* JsonSkeleton::element_index(const JsonSpan& array) const {
    const auto it = std::lower_bound(
        indexes_.cbegin(), indexes_.cend(), array.begin,
        [](const std::pair<qsizetype, ElementIndex>& e, qsizetype b) { return e.first < b; });
    return it != indexes_.cend() && it->first == array.begin ? &it->second : nullptr;
}

qsizetype JsonSkeleton::element_at(const ElementIndex& index, std::size_t i) const {
    auto mark = std::upper_bound(
        index.marks.cbegin(), index.marks.cend(), i,
        [](std::size_t n, const std::pair<std::size_t, qsizetype>& m) { return n < m.first; });
    --mark;  // the first element is always marked
    qsizetype pos = mark->second;
    for (std::size_t n = mark->first; n < i; ++n) {
        const auto element = scan_value(pos);
        pos = next_element(element->end);
    }
    return pos;
}

bool JsonSkeleton::flat_objects_at(qsizetype& pos,
                                   std::vector<std::pair<std::string_view, JsonScalar>>& members,
                                   std::vector<std::size_t>& counts) const {
    members.clear();
    counts.clear();
    const char* const t = text_.constData();
    const qsizetype end = text_.size();
    if (pos >= end || t[pos] != '[') {
        return false;
    }
    ++pos;
    skip_space(pos);
    if (pos < end && t[pos] == ']') {
        ++pos;
        return true;
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
        if (pos < end && t[pos] == ']') {
            ++pos;
            return true;
        }
        return false;
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
    // A whole number of up to 15 digits (most of a project's) is exact.
    std::uint64_t whole = 0;
    qsizetype at = c == '-' ? pos + 1 : pos;
    const qsizetype first = at;
    while (at < end && at - first < 16 && isDigit(t[at])) {
        whole = whole * 10 + static_cast<unsigned>(t[at++] - '0');
    }
    if (at - first >= 1 && at - first <= 15 && (t[first] != '0' || at - first == 1) &&
        (at == end || (t[at] != '.' && t[at] != 'e' && t[at] != 'E' && !isDigit(t[at])))) {
        if (whole == 0 && c == '-') {
            return false;  // a negative zero is left to the reader, which makes "-0" a whole 0
        }
        pos = at;
        out.kind = JsonScalar::Number;
        out.number = c == '-' ? -static_cast<double>(whole) : static_cast<double>(whole);
        return true;
    }
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
