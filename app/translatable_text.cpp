#include "app/translatable_text.h"

#include <QCoreApplication>

namespace quendal_app {

TranslatableText::TranslatableText(const char* context, const char* source,
                                   QList<TranslatableText> args)
    : context_(context), source_(source), args_(std::move(args)) {}

TranslatableText TranslatableText::plain(const QString& text) {
    TranslatableText t;
    t.plain_ = text;
    return t;
}

QString TranslatableText::text() const {
    if (source_ == nullptr) {
        return plain_;
    }
    const QString pattern = QCoreApplication::translate(context_, source_);
    // One pass over the places %1 to %9, so that an argument holding "%2"
    // is not taken for a place.
    QString out;
    out.reserve(pattern.size());
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char('%') && i + 1 < pattern.size()) {
            const int place = pattern.at(i + 1).digitValue();
            if (place >= 1 && place <= args_.size()) {
                out += args_.at(place - 1).text();
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

}  // namespace quendal_app
