#include "app/json_text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace quendal_app {

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

std::optional<JsonSpan> JsonSkeleton::root() const {
    qsizetype pos = 0;
    const auto span = scan_value(pos);
    skip_space(pos);
    if (!span || pos != text_.size()) {
        return std::nullopt;
    }
    return span;
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
