// A text in the interface language that can be built again after the
// language changes: its translation context and source with the texts put
// in its places (plain, or translatable themselves). A text that keeps no
// source is plain and reads the same in every language.
#pragma once

#include <QList>
#include <QString>

namespace quendal_app {

class TranslatableText {
public:
    TranslatableText() = default;
    // `context` and `source` must outlive the text (string literals).
    TranslatableText(const char* context, const char* source, QList<TranslatableText> args = {});
    static TranslatableText plain(const QString& text);

    // The text in the current interface language.
    QString text() const;

private:
    const char* context_ = nullptr;
    const char* source_ = nullptr;
    QString plain_;
    QList<TranslatableText> args_;
};

}  // namespace quendal_app
