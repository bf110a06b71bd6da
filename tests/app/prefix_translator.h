// A stand-in translation for tests: every text of the given contexts reads
// with a prefix ("[de] Ready"), so that a test sees which texts follow a
// change of language.
#pragma once

#include <QStringList>
#include <QTranslator>

namespace quendal_app::test {

class PrefixTranslator : public QTranslator {
public:
    PrefixTranslator(QString prefix, QStringList contexts)
        : prefix_(std::move(prefix)), contexts_(std::move(contexts)) {}

    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* source, const char*, int) const override {
        if (!contexts_.contains(QString::fromLatin1(context))) {
            return QString();
        }
        return prefix_ + QString::fromUtf8(source);
    }

private:
    QString prefix_;
    QStringList contexts_;
};

}  // namespace quendal_app::test
