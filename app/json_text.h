// JSON text in pieces: values written one at a time into a stream, and the
// skeleton of a document walked without building it whole, so that large
// arrays are read element by element.
#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QString>
#include <QVariant>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace quendal_app {

// The indented JSON text of one value, its continuation lines indented by
// `indent` more spaces; no trailing line end.
QByteArray jsonText(const QVariant& value, int indent);

// A number from 0 to 1 (a frequency) written at `out` as
// QByteArray::number(value, 'g', QLocale::FloatingPointShortest) writes it,
// at most 32 bytes; the end is returned. The shortest digits that read back
// the same, laid out as Qt lays them out (plain up to four zeros after the
// point, else with a two-digit exponent): the same bytes for every float
// from 0 to 1, without Qt's allocation; other values go through Qt.
char* writeJsonFraction(char* out, double value);

// A value's byte range in a document.
struct JsonSpan {
    qsizetype begin = 0;
    qsizetype end = 0;
    char kind = 0;  // '{', '[', '"', or 'v' for a number or literal
};

// A scalar as the text holds it, read without Qt's parser.
struct JsonScalar {
    enum Kind : char { String, Number, True, False, Null };
    Kind kind = Null;
    std::string_view text;  // a string's bytes between the quotes
    double number = 0.0;
};

// How the document check shares out a large array: on `threads` threads,
// in pieces of about `piece` bytes. One thread checks the whole text alone.
struct JsonParallel {
    int threads = 1;
    qsizetype piece = qsizetype(4) << 20;
};

class JsonSkeleton {
public:
    explicit JsonSkeleton(const QByteArray& text, JsonParallel parallel = {})
        : text_(text), parallel_(parallel) {}

    // The document's top-level object or array; nothing when the text is not
    // a JSON document. The whole text is checked, building nothing but a
    // list of where the outer containers end and an index of the arrays of
    // the third level, by the rules of QJsonDocument::fromJson (a leading
    // byte-order mark, lenient escapes, at most 1024 levels), so a member
    // the caller never parses cannot hide a syntax error. A large array of
    // the third level whose elements each begin a line (a project's node
    // arrays) is checked in pieces on several threads; the pieces are
    // joined only where each ends exactly where the next begins, else the
    // check goes on alone from there. The other functions expect a text
    // that passed this check.
    std::optional<JsonSpan> root() const;
    // The members of an object, in text order; nothing when malformed.
    std::optional<std::vector<std::pair<QString, JsonSpan>>> members(const JsonSpan& object) const;
    // The elements of an array; nothing when malformed.
    std::optional<std::vector<JsonSpan>> elements(const JsonSpan& array) const;
    // The value parsed in full; nothing when it is not valid JSON.
    std::optional<QJsonValue> value(const JsonSpan& span) const;
    // The value that begins at `pos`.
    std::optional<JsonSpan> value_at(qsizetype pos) const { return scan_value(pos); }

    // An array of the third level as the check counted it: its number of
    // elements, and where every so many of them begin (element number and
    // position, ascending), so that a part of it is found without reading
    // the elements before.
    struct ElementIndex {
        std::size_t count = 0;
        std::vector<std::pair<std::size_t, qsizetype>> marks;
    };
    // Nothing for an array the check did not index.
    const ElementIndex* element_index(const JsonSpan& array) const;
    // Where element `i` (< count) of the indexed array begins.
    qsizetype element_at(const ElementIndex& index, std::size_t i) const;
    // Where the element after the one ending at `end` begins; -1 when the
    // array ends there.
    qsizetype next_element(qsizetype end) const {
        skip_space(end);
        if (end >= text_.size() || text_[end] != ',') {
            return -1;
        }
        ++end;
        skip_space(end);
        return end;
    }

    // The members of a flat object, in text order, into `out`: every key and
    // string value ASCII without control characters or escapes, every number plain (at
    // most 32 characters, an exponent of at most two digits, not a negative
    // zero), the rest true, false or null. False for any other object, which
    // the caller then parses in full; what is read here is what the parser
    // gives (numbers correctly rounded, as it rounds them).
    bool flat_members(const JsonSpan& object,
                      std::vector<std::pair<std::string_view, JsonScalar>>& out) const;
    // The same for the object that begins at `pos`, which is moved past it.
    bool flat_members_at(qsizetype& pos,
                         std::vector<std::pair<std::string_view, JsonScalar>>& out) const {
        out.clear();
        return flat_object(pos, text_.size(), out);
    }
    // The members of every object of the array of flat objects that begins
    // at `pos` (moved past it), all in text order into `members`, how many
    // each object has into `counts`; false when the array holds anything
    // else.
    bool flat_objects_at(qsizetype& pos,
                         std::vector<std::pair<std::string_view, JsonScalar>>& members,
                         std::vector<std::size_t>& counts) const;
    // A scalar (as flat_members reads them) at `pos`, which is moved past
    // it; false for anything else.
    bool flat_scalar_at(qsizetype& pos, JsonScalar& out) const {
        return flat_scalar(pos, text_.size(), out);
    }
    // True, moving `pos` past them, when the text at `pos` is `bytes`.
    bool literal_at(qsizetype& pos, std::string_view bytes) const {
        if (text_.size() - pos < static_cast<qsizetype>(bytes.size())) {
            return false;
        }
        const char* const t = text_.constData() + pos;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (t[i] != bytes[i]) {
                return false;
            }
        }
        pos += static_cast<qsizetype>(bytes.size());
        return true;
    }

private:
    friend class DocumentCheck;
    // Checks the document from `pos` (its first value) and keeps the ends of
    // its outer containers; `pos` ends past the value. True when it is whole.
    bool check_document(qsizetype& pos) const;
    std::optional<JsonSpan> scan_value(qsizetype& pos) const;
    bool scan_string(qsizetype& pos) const;
    bool flat_string(qsizetype& pos, qsizetype end, std::string_view& out) const;
    bool flat_scalar(qsizetype& pos, qsizetype end, JsonScalar& out) const;
    void skip_space(qsizetype& pos) const {
        const char* const t = text_.constData();
        const qsizetype size = text_.size();
        while (pos < size &&
               (t[pos] == ' ' || t[pos] == '\n' || t[pos] == '\r' || t[pos] == '\t')) {
            ++pos;
        }
    }
    // One flat object from its opening brace to past its closing one, its
    // members appended to `out`.
    bool flat_object(qsizetype& pos, qsizetype end,
                     std::vector<std::pair<std::string_view, JsonScalar>>& out) const;

    const QByteArray& text_;
    JsonParallel parallel_;
    // Where each container of the outer levels begins and ends (one past its
    // bracket), in text order, as the check found them: their members are
    // then found without reading them again.
    mutable std::vector<std::pair<qsizetype, qsizetype>> ends_;
    mutable std::size_t next_ = 0;  // the entry after the one last looked up
    // The arrays of the third level by where they begin, in text order.
    mutable std::vector<std::pair<qsizetype, ElementIndex>> indexes_;
    // The end of a container of the outer levels that begins at `begin`,
    // else `begin`.
    qsizetype known_end(qsizetype begin) const;
};

}  // namespace quendal_app
