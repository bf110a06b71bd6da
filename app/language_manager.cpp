#include "app/language_manager.h"

#include <QCoreApplication>
#include <QLocale>
#include <QQmlEngine>
#include <QSettings>
#include <QTranslator>
#include <memory>

namespace quendal_app {

namespace {

const QString kSettingsKey = QStringLiteral("ui/language");
const QString kTranslationDirectory = QStringLiteral(":/Tessaval/i18n");
const QString kTranslationPrefix = QStringLiteral("quendal_");

// The one installed translator; deleted at exit.
std::unique_ptr<QTranslator>& applicationTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

QString languagePart(const QString& name) {
    return name.section(QLatin1Char('_'), 0, 0);
}

QLocale localeFor(const QString& code) {
    return code == QLatin1String("system") ? QLocale::system() : QLocale(code);
}

}  // namespace

LanguageManager::LanguageManager(QQmlEngine* engine, QObject* parent)
    : QObject(parent), engine_(engine), currentLanguage_(QStringLiteral("system")) {
    const QString stored = QSettings().value(kSettingsKey, QStringLiteral("system")).toString();
    applyLanguage(normalizeLanguageCode(stored), false, true);
}

void LanguageManager::setLanguage(const QString& code) {
    applyLanguage(normalizeLanguageCode(code), true, false);
}

QString LanguageManager::normalizeLanguageCode(const QString& code) {
    const QString trimmed = code.trimmed();
    if (trimmed.isEmpty() || trimmed.compare(QLatin1String("auto"), Qt::CaseInsensitive) == 0 ||
        trimmed.compare(QLatin1String("system"), Qt::CaseInsensitive) == 0) {
        return QStringLiteral("system");
    }
    return trimmed;
}

QStringList LanguageManager::translationCandidates(const QString& code) {
    QStringList candidates;
    if (code == QLatin1String("system")) {
        const QString name = QLocale::system().name();
        candidates << name;
        const QString language = languagePart(name);
        if (language != name) {
            candidates << language;
        }
        return candidates;
    }
    candidates << code;
    const QString name = QLocale(code).name();
    if (name != code) {
        candidates << name;
    }
    const QString language = languagePart(name);
    if (language != name) {
        candidates << language;
    }
    return candidates;
}

void LanguageManager::applyLanguage(const QString& code, bool persist, bool force) {
    if (!force && code == currentLanguage_) {
        return;
    }
    std::unique_ptr<QTranslator>& installed = applicationTranslator();
    if (installed) {
        QCoreApplication::removeTranslator(installed.get());
    }
    installed = std::make_unique<QTranslator>();

    bool loaded = false;
    if (code != QLatin1String("en")) {
        for (const QString& candidate : translationCandidates(code)) {
            if (installed->load(kTranslationPrefix + candidate, kTranslationDirectory)) {
                loaded = true;
                break;
            }
        }
    }
    if (loaded) {
        QCoreApplication::installTranslator(installed.get());
    }
    const QLocale locale = localeFor(code);
    QLocale::setDefault(locale);
    currentLanguage_ = code;
    if (persist) {
        QSettings settings;
        settings.setValue(kSettingsKey, code);
        settings.sync();
    }
    qInfo().noquote() << "Language set to" << code << "(translator"
                      << (loaded ? "loaded" : "not loaded") << ")";
    if (engine_ != nullptr) {
        engine_->setUiLanguage(locale.bcp47Name());
        engine_->retranslate();
    }
    emit currentLanguageChanged();
}

}  // namespace quendal_app
