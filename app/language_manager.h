// The interface language: one application-wide translator from the
// program's resources, the default locale, and the QML engine's language.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QQmlEngine;

namespace quendal_app {

class LanguageManager : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString currentLanguage READ currentLanguage NOTIFY currentLanguageChanged)

public:
    // Applies the stored "ui/language" (default "system") without storing it again.
    explicit LanguageManager(QQmlEngine* engine, QObject* parent = nullptr);

    QString currentLanguage() const { return currentLanguage_; }

    Q_INVOKABLE void setLanguage(const QString& code);

    // Trimmed; empty, "auto" and "system" in any case give "system".
    static QString normalizeLanguageCode(const QString& code);
    // The translation-file suffixes to try, in order.
    static QStringList translationCandidates(const QString& code);

signals:
    void currentLanguageChanged();

private:
    void applyLanguage(const QString& code, bool persist, bool force);

    QQmlEngine* engine_ = nullptr;
    QString currentLanguage_;
};

}  // namespace quendal_app
