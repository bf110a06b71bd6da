// A translator for QML tests that stands in for a shipped translation: while
// `active`, every text of the listed contexts is translated as `prefix`
// followed by the source text, but only when the default locale's language
// is `language` (so switching the interface language switches it on and
// off, as a real translation would).
#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QObject>
#include <QStringList>
#include <QTranslator>

class TestTranslator : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool active READ active WRITE setActive NOTIFY activeChanged)
    Q_PROPERTY(QString language MEMBER language_ NOTIFY activeChanged)
    Q_PROPERTY(QString prefix MEMBER prefix_ NOTIFY activeChanged)
    Q_PROPERTY(QStringList contexts MEMBER contexts_ NOTIFY activeChanged)

public:
    using QObject::QObject;
    ~TestTranslator() override { setActive(false); }

    bool active() const { return active_; }
    void setActive(bool on) {
        if (on == active_) {
            return;
        }
        active_ = on;
        if (on) {
            QCoreApplication::installTranslator(&translator_);
        } else {
            QCoreApplication::removeTranslator(&translator_);
        }
        emit activeChanged();
    }

signals:
    void activeChanged();

private:
    class Prefixing : public QTranslator {
    public:
        explicit Prefixing(TestTranslator* owner) : owner_(owner) {}
        bool isEmpty() const override { return false; }
        QString translate(const char* context, const char* source, const char* disambiguation,
                          int n) const override {
            Q_UNUSED(disambiguation);
            Q_UNUSED(n);
            const QString language = QLocale().name().section(QLatin1Char('_'), 0, 0);
            if (language != owner_->language_ ||
                (!owner_->contexts_.isEmpty() &&
                 !owner_->contexts_.contains(QString::fromUtf8(context)))) {
                return {};
            }
            return owner_->prefix_ + QString::fromUtf8(source);
        }

    private:
        TestTranslator* owner_;
    };

    bool active_ = false;
    QString language_ = QStringLiteral("de");
    QString prefix_ = QStringLiteral("[de] ");
    QStringList contexts_;
    Prefixing translator_{this};
};
