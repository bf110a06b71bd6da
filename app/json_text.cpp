#include "app/json_text.h"

#include "app/worker_threads.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <algorithm>
#include <atomic>
#include <charconv>
#include <cstring>

namespace quendal_app {

namespace {

// As deep as QJsonDocument::fromJson reads.
constexpr std::size_t kMaxDepth = 1024;
// The containers whose ends the document check keeps: the document, its
// members and theirs (a project's node arrays among them).
constexpr std::size_t kIndexedDepth = 3;
// An array of the third level keeps where every so many of its elements
// begin.
constexpr std::size_t kMarkStride = 64;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isHexDigit(char c) {
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// One well-formed UTF-8 sequence of two to four bytes at `pos`: no overlong
// form, no surrogate, nothing beyond U+10FFFF, nothing cut off.
bool utf8Sequence(const char* text, qsizetype size, qsizetype& pos) {
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
    if (size - pos < length) {
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

// The document check: the grammar as QJsonDocument::fromJson reads it,
// walked with a stack of the open containers. The check of the whole text
// keeps the outer containers' ends and indexes the arrays of the third
// level; a check of a piece of such an array starts at one of its elements
// and stops where the next piece begins, or where the array closes.
class DocumentCheck {
public:
    enum class Stop { End, Closed, Reached, Failed };

    // The whole text.
    explicit DocumentCheck(const JsonSkeleton& s)
        : s_(s), t_(s.text_.constData()), size_(s.text_.size()) {}
    // A piece of an array of the third level, from one of its elements on.
    DocumentCheck(const JsonSkeleton& s, JsonSkeleton::ElementIndex& index, qsizetype stop,
                  const std::atomic<std::size_t>* limit, std::size_t piece)
        : s_(s),
          t_(s.text_.constData()),
          size_(s.text_.size()),
          open_{'{', '{', '['},
          floor_(2),
          piece_index_(&index),
          stop_(stop),
          limit_(limit),
          piece_(piece) {}

    // Checks the value at `pos` (the document's, or from the piece's first
    // element on); `pos` is where it stopped: past the document, at the
    // piece's closing bracket, or at the element where the next piece
    // begins.
    Stop run(qsizetype& pos) {
        pos_ = pos;
        bool opened = false;  // a container that has just opened may close at once
        if (floor_ == 0) {
            if (pos_ >= size_ || (t_[pos_] != '{' && t_[pos_] != '[')) {
                return Stop::Failed;
            }
            enter();
            opened = true;
        }
        const Stop stop = walk(opened);
        pos = pos_;
        return stop;
    }

private:
    Stop walk(bool opened) {
        for (;;) {
            skip_space();
            if (pos_ >= size_) {
                return Stop::Failed;
            }
            if (opened && t_[pos_] == closer()) {
                leave();
            } else {
                if (open_.size() == kIndexedDepth && open_.back() == '[') {
                    // An element of an array of the third level begins.
                    if (piece_index_ != nullptr &&
                        (pos_ >= stop_ || limit_->load(std::memory_order_relaxed) <= piece_)) {
                        return Stop::Reached;
                    }
                    JsonSkeleton::ElementIndex& index = current_index();
                    if (index.count % kMarkStride == 0) {
                        index.marks.emplace_back(index.count, pos_);
                    }
                    ++index.count;
                }
                if (open_.back() == '{') {
                    if (t_[pos_] != '"' || !check_string()) {
                        return Stop::Failed;
                    }
                    skip_space();
                    if (pos_ >= size_ || t_[pos_] != ':') {
                        return Stop::Failed;
                    }
                    ++pos_;
                    skip_space();
                    if (pos_ >= size_) {
                        return Stop::Failed;
                    }
                }
                if (t_[pos_] == '{' || t_[pos_] == '[') {
                    if (open_.size() >= kMaxDepth) {
                        return Stop::Failed;
                    }
                    enter();
                    opened = true;
                    if (piece_index_ == nullptr && open_.size() == kIndexedDepth &&
                        open_.back() == '[') {
                        s_.indexes_.emplace_back(pos_ - 1, JsonSkeleton::ElementIndex{});
                        switch (shared_out()) {
                            case Shared::No:
                                continue;
                            case Shared::Failed:
                                return Stop::Failed;
                            case Shared::Closed:
                                break;  // at the closing bracket
                            case Shared::Unjoined:
                                opened = false;
                                continue;  // at an element, from which on this check goes on alone
                        }
                    } else {
                        continue;
                    }
                } else if (!check_scalar()) {
                    return Stop::Failed;
                }
            }
            opened = false;
            // A value is complete: close what ends here, then go on after a comma.
            for (;;) {
                if (open_.empty()) {
                    return Stop::End;
                }
                skip_space();
                if (pos_ >= size_) {
                    return Stop::Failed;
                }
                if (t_[pos_] == ',') {
                    ++pos_;
                    break;
                }
                if (t_[pos_] != closer()) {
                    return Stop::Failed;
                }
                if (floor_ > 0 && open_.size() == floor_ + 1) {
                    return Stop::Closed;
                }
                leave();
            }
        }
    }

    enum class Shared { No, Failed, Closed, Unjoined };

    // The array just opened, checked in pieces on several threads when it
    // may be large: each piece from the first element that begins a line at
    // or after its share of the text, to where the next piece begins.
    Shared shared_out() {
        const JsonParallel& parallel = s_.parallel_;
        skip_space();
        const qsizetype first = pos_;
        if (parallel.threads < 2 || parallel.piece < 1 || size_ - first < 2 * parallel.piece ||
            first >= size_ || t_[first] == ']') {
            return Shared::No;
        }
        const std::size_t count =
            static_cast<std::size_t>((size_ - first + parallel.piece - 1) / parallel.piece);
        const auto startOf = [&](std::size_t k) {
            if (k == 0) {
                return first;
            }
            if (k >= count) {
                return size_;
            }
            const qsizetype from = first + static_cast<qsizetype>(k) * parallel.piece - 1;
            const void* line = std::memchr(t_ + from, '\n', static_cast<std::size_t>(size_ - from));
            if (line == nullptr) {
                return size_;
            }
            qsizetype at = static_cast<const char*>(line) - t_ + 1;
            while (at < size_ && (t_[at] == ' ' || t_[at] == '\t' || t_[at] == '\r')) {
                ++at;
            }
            return at;
        };
        struct Piece {
            qsizetype begin = 0, stop = 0, end = 0;
            Stop outcome = Stop::Failed;
            JsonSkeleton::ElementIndex index;
        };
        std::vector<Piece> pieces(count);
        std::atomic<std::size_t> limit{count};  // the pieces from here on lie past the array
        forEachOnThreads(parallel.threads, count, [&](std::size_t k) {
            if (k >= limit.load()) {
                return;
            }
            Piece& p = pieces[k];
            p.begin = startOf(k);
            p.stop = startOf(k + 1);
            p.end = p.begin;
            p.outcome = Stop::Reached;
            if (p.begin < p.stop) {
                DocumentCheck piece(s_, p.index, p.stop, &limit, k);
                p.outcome = piece.run(p.end);
            }
            if (p.outcome == Stop::Closed) {
                for (std::size_t seen = limit.load();
                     seen > k + 1 && !limit.compare_exchange_weak(seen, k + 1);) {
                }
            }
        });
        // Join the pieces in order: the first begins at an element, and each
        // next one at an element only if the one before stopped just there.
        JsonSkeleton::ElementIndex& index = current_index();
        for (const Piece& p : pieces) {
            for (const auto& [number, at] : p.index.marks) {
                index.marks.emplace_back(index.count + number, at);
            }
            index.count += p.index.count;
            pos_ = p.end;
            switch (p.outcome) {
                case Stop::Failed:
                case Stop::End:
                    return Shared::Failed;
                case Stop::Closed:
                    return Shared::Closed;
                case Stop::Reached:
                    if (p.end != p.stop) {
                        return Shared::Unjoined;
                    }
                    break;
            }
        }
        return Shared::Failed;  // the last piece always stops at the text's end
    }

    JsonSkeleton::ElementIndex& current_index() {
        return piece_index_ != nullptr ? *piece_index_ : s_.indexes_.back().second;
    }

    char closer() const { return open_.back() == '{' ? '}' : ']'; }

    void enter() {
        open_.push_back(t_[pos_]);
        if (piece_index_ == nullptr && open_.size() <= kIndexedDepth) {
            indexed_.push_back(s_.ends_.size());
            s_.ends_.emplace_back(pos_, pos_);
        }
        ++pos_;
    }

    void leave() {  // at the closing bracket
        ++pos_;
        if (piece_index_ == nullptr && open_.size() <= kIndexedDepth) {
            s_.ends_[indexed_.back()].second = pos_;
            indexed_.pop_back();
        }
        open_.pop_back();
    }

    void skip_space() {
        while (pos_ < size_ &&
               (t_[pos_] == ' ' || t_[pos_] == '\n' || t_[pos_] == '\r' || t_[pos_] == '\t')) {
            ++pos_;
        }
    }

    bool check_string() {
        ++pos_;  // the opening quote
        // Eight bytes at a time while none is a quote, a backslash or past ASCII.
        constexpr std::uint64_t kOnes = 0x0101010101010101u;
        constexpr std::uint64_t kHigh = 0x8080808080808080u;
        while (size_ - pos_ >= 8) {
            std::uint64_t w;
            std::memcpy(&w, t_ + pos_, 8);
            const std::uint64_t quote = w ^ (kOnes * '"');
            const std::uint64_t slash = w ^ (kOnes * '\\');
            if (((w | ((quote - kOnes) & ~quote) | ((slash - kOnes) & ~slash)) & kHigh) != 0) {
                break;
            }
            pos_ += 8;
        }
        while (pos_ < size_) {
            const auto c = static_cast<unsigned char>(t_[pos_]);
            if (c == '"') {
                ++pos_;
                return true;
            }
            if (c == '\\') {
                // Any character may be escaped; a "u" escape takes four hex digits.
                if (++pos_ >= size_) {
                    return false;
                }
                if (t_[pos_++] == 'u') {
                    if (size_ - pos_ < 4) {
                        return false;
                    }
                    for (int i = 0; i < 4; ++i) {
                        if (!isHexDigit(t_[pos_++])) {
                            return false;
                        }
                    }
                }
            } else if (c < 0x80) {
                ++pos_;  // control characters included, as the reader takes them
            } else if (!utf8Sequence(t_, size_, pos_)) {
                return false;
            }
        }
        return false;
    }

    bool check_scalar() {
        const char c = t_[pos_];
        if (c == '"') {
            return check_string();
        }
        for (const std::string_view word : {"true", "false", "null"}) {
            if (c == word[0]) {
                if (static_cast<std::size_t>(size_ - pos_) < word.size() ||
                    std::string_view(t_ + pos_, word.size()) != word) {
                    return false;
                }
                pos_ += static_cast<qsizetype>(word.size());
                return true;
            }
        }
        const qsizetype begin = pos_;
        if (plainNumber(t_, size_, pos_)) {
            return true;
        }
        // What the grammar leaves open ("1.", ".5", "1e", a value beyond the
        // range of a double) the conversion decides, as in the reader.
        bool ok = false;
        QByteArray::fromRawData(t_ + begin, pos_ - begin).toDouble(&ok);
        return ok;
    }

    const JsonSkeleton& s_;
    const char* const t_;
    const qsizetype size_;
    qsizetype pos_ = 0;
    std::vector<char> open_;            // the open containers, innermost last
    std::vector<std::size_t> indexed_;  // their entries in ends_, for the outer levels
    const std::size_t floor_ = 0;       // open containers the check does not close
    JsonSkeleton::ElementIndex* const piece_index_ = nullptr;
    const qsizetype stop_ = 0;
    const std::atomic<std::size_t>* const limit_ = nullptr;
    const std::size_t piece_ = 0;
};

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
    const bool whole = DocumentCheck(*this).run(pos) == DocumentCheck::Stop::End;
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
