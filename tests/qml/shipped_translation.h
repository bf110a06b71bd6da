// A shipped translation for QML tests, read from the build's compiled files:
// installed while `language` names one ("de", "ru", ...), removed when it is
// set empty or the object goes. The test then switches the language manager
// to the same language, which sets the locale and retranslates the engine.
#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QTranslator>

class ShippedTranslation : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString language READ language WRITE setLanguage NOTIFY languageChanged)
    Q_PROPERTY(bool loaded READ loaded NOTIFY languageChanged)

public:
    using QObject::QObject;
    ~ShippedTranslation() override { setLanguage(QString()); }

    QString language() const { return language_; }
    bool loaded() const { return loaded_; }

    void setLanguage(const QString& language) {
        if (language == language_) {
            return;
        }
        if (loaded_) {
            QCoreApplication::removeTranslator(&translator_);
        }
        language_ = language;
        loaded_ = !language.isEmpty() && translator_.load(QStringLiteral("quendal_") + language,
                                                          QStringLiteral(TESSAVAL_QM_DIR));
        if (loaded_) {
            QCoreApplication::installTranslator(&translator_);
        }
        emit languageChanged();
    }

signals:
    void languageChanged();

private:
    QString language_;
    bool loaded_ = false;
    QTranslator translator_;
};
