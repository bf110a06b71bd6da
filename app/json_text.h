// JSON text in pieces: values written one at a time into a stream, and the
// skeleton of a document walked without building it whole, so that large
// arrays are read element by element.
#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QString>
#include <QVariant>
#include <optional>
#include <utility>
#include <vector>

namespace quendal_app {

// The indented JSON text of one value, its continuation lines indented by
// `indent` more spaces; no trailing line end.
QByteArray jsonText(const QVariant& value, int indent);

// A value's byte range in a document.
struct JsonSpan {
    qsizetype begin = 0;
    qsizetype end = 0;
    char kind = 0;  // '{', '[', '"', or 'v' for a number or literal
};

class JsonSkeleton {
public:
    explicit JsonSkeleton(const QByteArray& text) : text_(text) {}

    // The document's top-level object or array; nothing when the text is not
    // a JSON document. The whole text is checked in one pass, building
    // nothing, by the rules of QJsonDocument::fromJson (a leading byte-order
    // mark, lenient escapes, at most 1024 levels), so a member the caller
    // never parses cannot hide a syntax error. The other functions expect a
    // text that passed this check.
    std::optional<JsonSpan> root() const;
    // The members of an object, in text order; nothing when malformed.
    std::optional<std::vector<std::pair<QString, JsonSpan>>> members(const JsonSpan& object) const;
    // The elements of an array; nothing when malformed.
    std::optional<std::vector<JsonSpan>> elements(const JsonSpan& array) const;
    // The value parsed in full; nothing when it is not valid JSON.
    std::optional<QJsonValue> value(const JsonSpan& span) const;

private:
    std::optional<qsizetype> check_document(qsizetype pos) const;
    bool check_scalar(qsizetype& pos) const;
    bool check_string(qsizetype& pos) const;
    bool check_number(qsizetype& pos) const;
    std::optional<JsonSpan> scan_value(qsizetype& pos) const;
    bool scan_string(qsizetype& pos) const;
    void skip_space(qsizetype& pos) const;

    const QByteArray& text_;
};

}  // namespace quendal_app
