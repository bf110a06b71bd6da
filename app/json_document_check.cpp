// The document check of a project file's text: the grammar as the reader
// of Qt reads it, with the ends of the outer containers kept and the large
// arrays of the third level checked in pieces on several threads.
#include "app/json_grammar.h"
#include "app/json_text.h"
#include "app/worker_threads.h"

#include <algorithm>
#include <atomic>
#include <cstring>

namespace quendal_app {

namespace {

using json_grammar::isDigit;
using json_grammar::plainNumber;

// As deep as QJsonDocument::fromJson reads.
constexpr std::size_t kMaxDepth = 1024;
// The containers whose ends the document check keeps: the document, its
// members and theirs (a project's node arrays among them).
constexpr std::size_t kIndexedDepth = 3;
// An array of the third level keeps where every so many of its elements
// begin.
constexpr std::size_t kMarkStride = 64;

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

}  // namespace

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

bool JsonSkeleton::check_document(qsizetype& pos) const {
    return DocumentCheck(*this).run(pos) == DocumentCheck::Stop::End;
}

}  // namespace quendal_app
