// Reads the translation sources of i18n/ for the translation tests: every
// message with its context, source text, comment and translation forms, and
// the placeholders (%1 … %99, %L1, %n) a text carries.
#pragma once

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>
#include <algorithm>
#include <vector>

namespace quendal_app::test {

// The languages the program ships, by the suffix of their files.
inline const QStringList kShippedLanguages = {"de", "es", "fr", "it", "pl", "pt_BR", "ru"};

struct TsMessage {
    QString context;
    QString source;
    QString comment;
    QStringList forms;  // one, or one per plural form when numerus
    bool numerus = false;
    QString type;  // empty when finished, else "unfinished", "obsolete" or "vanished"

    // Left in the file only for history; lrelease never ships it.
    bool retired() const { return type == "obsolete" || type == "vanished"; }
    bool hasText() const {
        return !forms.isEmpty() && std::none_of(forms.begin(), forms.end(),
                                                [](const QString& f) { return f.isEmpty(); });
    }
    // lrelease ships every translation with text that is not retired,
    // unfinished ones included.
    bool ships() const { return !retired() && hasText(); }
    QString where() const { return context + " / \"" + source + "\""; }
};

struct TsFile {
    QString language;  // the file's own language attribute
    std::vector<TsMessage> messages;
    QString error;
};

inline QString tsPath(const QString& code) {
    return QDir(QStringLiteral(TESSAVAL_TS_DIR)).filePath("quendal_" + code + ".ts");
}

inline TsFile readTs(const QString& path) {
    TsFile file;
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        file.error = "cannot open " + path;
        return file;
    }
    QXmlStreamReader xml(&in);
    QString context;
    TsMessage message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == QLatin1String("TS")) {
                file.language = xml.attributes().value("language").toString();
            } else if (name == QLatin1String("context")) {
                context.clear();
            } else if (name == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (name == QLatin1String("message")) {
                message = TsMessage{};
                message.context = context;
                message.numerus = xml.attributes().value("numerus") == QLatin1String("yes");
            } else if (name == QLatin1String("source")) {
                message.source = xml.readElementText();
            } else if (name == QLatin1String("comment")) {
                message.comment = xml.readElementText();
            } else if (name == QLatin1String("translation")) {
                message.type = xml.attributes().value("type").toString();
                if (!message.numerus) {
                    message.forms << xml.readElementText();
                }
            } else if (name == QLatin1String("numerusform")) {
                message.forms << xml.readElementText();
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            file.messages.push_back(message);
        }
    }
    if (xml.hasError()) {
        file.error = path + ": " + xml.errorString();
    }
    return file;
}

// The placeholders of a text, sorted, each as often as it occurs.
inline QStringList placeholders(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("%L?(?:[1-9][0-9]?|n)"));
    QStringList found;
    for (auto it = pattern.globalMatch(text); it.hasNext();) {
        found << it.next().captured();
    }
    found.sort();
    return found;
}

// At most `limit` lines of a list of problems, and how many more there are.
inline QString summary(const QStringList& problems, int limit = 25) {
    QStringList shown = problems.mid(0, limit);
    if (problems.size() > limit) {
        shown << QString("… and %1 more").arg(problems.size() - limit);
    }
    return shown.join('\n');
}

}  // namespace quendal_app::test
