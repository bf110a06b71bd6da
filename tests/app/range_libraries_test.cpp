// The built-in range libraries as committed in the source tree: their bytes,
// entry names and structure, that every range is one the engine reads, that
// the ranges of one decision fit together, and that the generator still writes
// exactly these files.
#include "session/sizing_text.h"

#include <QJSEngine>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <map>
#include <vector>

namespace {

const QString kSourceDir = QStringLiteral(TESSAVAL_SOURCE_DIR);
const QString kStandardFile = QStringLiteral("qml/data/standard_ranges.json");
const QString kPopulationFile = QStringLiteral("qml/data/exploit_ranges.json");
const QString kTemplateFile = QStringLiteral("qml/components/population_template.js");

const QStringList kTiers{"No rake", "50nl rake", "100nl rake", "200nl rake", "500nl rake"};
// The same tiers from the least to the most rake per big blind.
const QStringList kTightening{"No rake", "500nl rake", "200nl rake", "100nl rake", "50nl rake"};
const QStringList kOpeners{"UTG", "HJ", "CO", "BTN"};
const QList<QPair<QString, QString>> kIpPairs{{"UTG", "HJ"}, {"UTG", "CO"}, {"UTG", "BTN"},
                                              {"HJ", "CO"},  {"HJ", "BTN"}, {"CO", "BTN"},
                                              {"SB", "BB"}};

QByteArray readSource(const QString& relative) {
    QFile file(kSourceDir + "/" + relative);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The spots of one rake tier in file order.
QStringList sixHandedSpots(bool oop) {
    QStringList spots;
    for (const QString seat : {"UTG", "HJ", "CO", "BTN", "SB"}) {
        spots << "RFI " + seat;
    }
    QList<QPair<QString, QString>> blindPairs;
    for (const QString& opener : kOpeners) {
        for (const QString blind : {"SB", "BB"}) {
            blindPairs.append({opener, blind});
        }
    }
    QList<QPair<QString, QString>> blindsFirst;
    for (const QString blind : {"SB", "BB"}) {
        for (const QString& opener : kOpeners) {
            blindsFirst.append({opener, blind});
        }
    }
    // Who faces the open, the 3-bet and the 4-bet: the blinds out of position,
    // the later seats (and the big blind against the small blind) in position.
    const auto& vsOpen = oop ? blindPairs : kIpPairs;
    const auto& vsThreeBet = oop ? kIpPairs : blindPairs;
    const auto& vsFourBet = oop ? blindsFirst : kIpPairs;
    for (const auto& [opener, seat] : vsOpen) {
        spots << QString("vs RFI %1: Call %2").arg(opener, seat)
              << QString("vs RFI %1: 3bet %2").arg(opener, seat);
    }
    for (const auto& [opener, seat] : vsThreeBet) {
        spots << QString("%1 vs %2 3bet: %1 Call").arg(opener, seat)
              << QString("%1 vs %2 3bet: %1 4bet").arg(opener, seat);
    }
    for (const auto& [opener, seat] : vsFourBet) {
        spots << QString("%1 3bet vs %2 4bet: %1 Call").arg(seat, opener);
    }
    return spots;
}

QStringList expectedNames(bool oop) {
    const QStringList headsUp =
        oop ? QStringList{"vs RFI SB: Call BB", "vs RFI SB: 3bet BB", "BB 3bet vs SB 4bet: BB Call"}
            : QStringList{"RFI SB", "SB vs BB 3bet: SB Call", "SB vs BB 3bet: SB 4bet"};
    QStringList names;
    for (const QString& tier : kTiers) {
        for (const QString& spot : sixHandedSpots(oop)) {
            names << tier + " / " + spot;
        }
    }
    for (const QString& tier : kTiers) {
        for (const QString& spot : headsUp) {
            names << "Heads up / " + tier + " / " + spot;
        }
    }
    return names;
}

// A library tree reduced to what its layout fixes: names, kinds and order.
struct Node {
    QString name;
    bool folder = false;
    std::vector<Node> children;
};

Node* childFolder(std::vector<Node>& nodes, const QString& name) {
    for (Node& n : nodes) {
        if (n.folder && n.name == name) {
            return &n;
        }
    }
    nodes.push_back({name, true, {}});
    return &nodes.back();
}

// The "No rake" scenario folders the page builds from six-handed spot names.
std::vector<Node> routedNoRake(const QStringList& spots) {
    std::vector<Node> top;
    for (const QString scenario : {"RFI", "vs RFI", "vs 3bet", "vs 4bet"}) {
        top.push_back({scenario, true, {}});
    }
    for (const QString& spot : spots) {
        const QString situation = spot.section(':', 0, 0).trimmed();
        const QString action = spot.section(':', 1).trimmed();
        if (spot.startsWith("RFI ")) {
            top[0].children.push_back({spot.mid(4), false, {}});
        } else if (spot.startsWith("vs RFI ")) {
            childFolder(top[1].children, "vs " + situation.mid(7) + " RFI")
                ->children.push_back({action, false, {}});
        } else {
            const int scenario = spot.contains("3bet vs") && spot.contains("4bet") ? 3 : 2;
            childFolder(top[scenario].children, situation)->children.push_back({action, false, {}});
        }
    }
    return top;
}

void collectLines(const std::vector<Node>& nodes, const QString& path, QStringList& out) {
    for (const Node& n : nodes) {
        const QString here = path.isEmpty() ? n.name : path + " / " + n.name;
        out << (n.folder ? "folder " : "range ") + here;
        collectLines(n.children, here, out);
    }
}

double combos(const quendal::RangeWeights& w) {
    double sum = 0.0;
    for (const float x : w) {
        sum += x;
    }
    return sum;
}

}  // namespace

class RangeLibrariesTest : public QObject {
    Q_OBJECT

    QJSEngine engine_;
    QJSValue standard_;
    QJSValue population_;

    QJSValue call(const QString& function, const QJSValueList& args) {
        const QStringList parts = function.split('.');
        QJSValue owner = engine_.globalObject();
        for (int i = 0; i + 1 < parts.size(); ++i) {
            owner = owner.property(parts[i]);
        }
        return owner.property(parts.last()).callWithInstance(owner, args);
    }

    QStringList keys(const QJSValue& object) {
        return call("Object.keys", {object}).toVariant().toStringList();
    }

    std::vector<QJSValue> items(const QJSValue& array) {
        std::vector<QJSValue> out;
        const int n = array.property("length").toInt();
        for (int i = 0; i < n; ++i) {
            out.push_back(array.property(static_cast<quint32>(i)));
        }
        return out;
    }

    Node toNode(const QJSValue& v) {
        Node n{v.property("name").toString(), v.hasProperty("children"), {}};
        for (const QJSValue& c : items(v.property("children"))) {
            n.children.push_back(toNode(c));
        }
        return n;
    }

    // Every range of a tree as (path, value), in order.
    void walk(const QJSValue& nodes, const QString& path,
              const std::function<void(const QString&, const QJSValue&)>& visit) {
        for (const QJSValue& n : items(nodes)) {
            const QString here = path.isEmpty() ? n.property("name").toString()
                                                : path + " / " + n.property("name").toString();
            if (n.hasProperty("children")) {
                walk(n.property("children"), here, visit);
            } else {
                visit(here, n);
            }
        }
    }

    std::vector<QJSValue> standardEntries(const QString& player) {
        return items(standard_.property(player).property("standard"));
    }

    QJSValue templateTree(const QString& player) { return call("templateTree", {player}); }

private slots:
    void initTestCase() {
        const QByteArray standard = readSource(kStandardFile);
        const QByteArray population = readSource(kPopulationFile);
        QVERIFY2(!standard.isEmpty() && !population.isEmpty(), "the resource files are missing");
        standard_ = call("JSON.parse", {QString::fromUtf8(standard)});
        population_ = call("JSON.parse", {QString::fromUtf8(population)});
        QVERIFY(!standard_.isError() && !population_.isError());
        // The template module is a QML script library; its body is plain script.
        QString module = QString::fromUtf8(readSource(kTemplateFile));
        QVERIFY(module.startsWith(".pragma library\n"));
        const QJSValue result = engine_.evaluate(module.mid(module.indexOf('\n')), kTemplateFile);
        QVERIFY2(!result.isError(), qPrintable(result.toString()));
    }

    void fileBytes_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("crlf");
        QTest::addColumn<bool>("asciiOnly");
        QTest::newRow("standard") << kStandardFile << true << true;
        QTest::newRow("population") << kPopulationFile << false << false;
    }

    // Line ends and characters as shipped; no line break after the final brace.
    void fileBytes() {
        QFETCH(QString, file);
        QFETCH(bool, crlf);
        QFETCH(bool, asciiOnly);
        const QByteArray bytes = readSource(file);
        QVERIFY(bytes.startsWith("{") && bytes.endsWith("}"));
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const bool lf = bytes[i] == '\n';
            const bool cr = bytes[i] == '\r';
            if (crlf) {
                QVERIFY2(!lf || (i > 0 && bytes[i - 1] == '\r'), "a line feed without CR");
                QVERIFY2(!cr || (i + 1 < bytes.size() && bytes[i + 1] == '\n'), "a lone CR");
            } else {
                QVERIFY2(!cr, "a CR in a file with line feeds");
            }
            if (asciiOnly) {
                QVERIFY2(static_cast<unsigned char>(bytes[i]) < 0x80, "a byte outside ASCII");
            }
        }
        const QString text = QString::fromUtf8(bytes);
        QCOMPARE(text.toUtf8(), bytes);  // valid UTF-8
        for (const QChar c : text) {
            QVERIFY(c.unicode() < 0x80 || c.unicode() == 0x2013);
        }
    }

    // The page exports with JSON.stringify(payload, null, 2): written back, a
    // parsed file gives the same bytes (line feeds where the Standard file has
    // CR LF), so exports of the untouched libraries equal the resources.
    void writerReproducesFiles_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("standard") << kStandardFile;
        QTest::newRow("population") << kPopulationFile;
    }

    void writerReproducesFiles() {
        QFETCH(QString, file);
        const QString text = QString::fromUtf8(readSource(file)).replace("\r\n", "\n");
        const QString written =
            call("JSON.stringify", {call("JSON.parse", {text}), QJSValue(), 2}).toString();
        QCOMPARE(written, text);
    }

    void standardNames_data() {
        QTest::addColumn<QString>("player");
        QTest::addColumn<int>("count");
        QTest::newRow("oop") << "oop" << 230;
        QTest::newRow("ip") << "ip" << 225;
    }

    void standardNames() {
        QFETCH(QString, player);
        QFETCH(int, count);
        QCOMPARE(keys(standard_), (QStringList{"oop", "ip"}));
        QCOMPARE(keys(standard_.property(player)), QStringList{"standard"});
        QStringList names;
        for (const QJSValue& e : standardEntries(player)) {
            QCOMPARE(keys(e), (QStringList{"name", "value"}));
            names << e.property("name").toString();
        }
        QCOMPARE(names.size(), count);
        QCOMPARE(names, expectedNames(player == "oop"));
        if (player == "oop") {
            QVERIFY(standardEntries(player)[0].property("value").toString().startsWith(
                "AA, KK, QQ, JJ, TT, 99:0.8, "));
        }
    }

    void everyValueHoldsHands_data() {
        QTest::addColumn<QString>("library");
        QTest::addColumn<QString>("player");
        for (const QString library : {"standard", "population", "template"}) {
            for (const QString player : {"oop", "ip"}) {
                QTest::addRow("%s %s", qPrintable(library), qPrintable(player))
                    << library << player;
            }
        }
    }

    // Each value is read by the engine, holds a hand, and is written as tokens
    // joined by ", ": single hand classes in the Standard file, no weights in
    // the template, whose nit leaves alone stay empty.
    void everyValueHoldsHands() {
        QFETCH(QString, library);
        QFETCH(QString, player);
        const QRegularExpression classToken("^[2-9TJQKA]{2}[so]?(:[01](\\.\\d{1,4})?)?$");
        const QRegularExpression anyToken(
            "^[2-9TJQKA]{2}[so]?(\\+|-[2-9TJQKA]{2}[so]?)?(:[01](\\.\\d{1,4})?)?$");
        std::vector<std::pair<QString, QString>> values;
        if (library == "standard") {
            for (const QJSValue& e : standardEntries(player)) {
                values.emplace_back(e.property("name").toString(), e.property("value").toString());
            }
        } else {
            const QJSValue tree = library == "population"
                                      ? population_.property(player).property("exploit")
                                      : templateTree(player);
            walk(tree, "", [&](const QString& path, const QJSValue& n) {
                values.emplace_back(path, n.property("value").toString());
            });
        }
        QVERIFY(values.size() > 100);
        for (const auto& [name, value] : values) {
            if (library == "template" && name.startsWith("Overfolder")) {
                QVERIFY2(value.isEmpty(), qPrintable(name));
                continue;
            }
            const QStringList tokens = value.split(", ");
            for (const QString& token : tokens) {
                const bool ok =
                    value == "100%" ||
                    (library == "standard" ? classToken : anyToken).match(token).hasMatch();
                QVERIFY2(ok, qPrintable(name + ": " + token));
                QVERIFY2(library != "template" || !token.contains(':'), qPrintable(name));
            }
            quendal::RangeWeights weights{};
            try {
                weights = quendal_app::parse_range_text(value.toStdString());
            } catch (const std::exception& e) {
                QFAIL(qPrintable(name + ": " + e.what()));
            }
            QVERIFY2(combos(weights) > 0.0, qPrintable(name));
        }
    }

    void decisionsStayWithinTheirRanges_data() {
        QTest::addColumn<QString>("player");
        QTest::newRow("oop") << "oop";
        QTest::newRow("ip") << "ip";
    }

    // A hand's call and raise weights add up to no more than its weight in the
    // range the decision starts from: the whole deck facing an open, the
    // opener's first-in raise facing a 3-bet, the 3-bet facing a 4-bet.
    void decisionsStayWithinTheirRanges() {
        QFETCH(QString, player);
        std::map<QString, quendal::RangeWeights> ranges;
        for (const QJSValue& e : standardEntries(player)) {
            ranges[e.property("name").toString()] =
                quendal_app::parse_range_text(e.property("value").toString().toStdString());
        }
        const QRegularExpression vsOpen("^vs RFI (\\w+): (?:Call|3bet) (\\w+)$");
        const QRegularExpression vsThreeBet("^(\\w+) vs (\\w+) 3bet: \\1 (?:Call|4bet)$");
        const QRegularExpression vsFourBet("^(\\w+) 3bet vs (\\w+) 4bet: \\1 Call$");
        std::map<QString, std::pair<QString, std::vector<QString>>> decisions;
        for (const auto& [name, weights] : ranges) {
            const int cut = name.lastIndexOf(" rake / ") + 8;
            const QString prefix = name.left(cut);
            const QString spot = name.mid(cut);
            QString parent;
            QString decision;
            if (const auto m = vsOpen.match(spot); m.hasMatch()) {
                decision = prefix + m.captured(1) + " " + m.captured(2);
            } else if (const auto m = vsThreeBet.match(spot); m.hasMatch()) {
                decision = prefix + spot.section(':', 0, 0);
                parent = prefix + "RFI " + m.captured(1);
            } else if (const auto m = vsFourBet.match(spot); m.hasMatch()) {
                decision = name;
                parent = prefix + QString("vs RFI %1: 3bet %2").arg(m.captured(2), m.captured(1));
            } else {
                QVERIFY2(spot.startsWith("RFI "), qPrintable(name));
                continue;
            }
            decisions[decision].first = parent;
            decisions[decision].second.push_back(name);
        }
        QCOMPARE(decisions.size(), player == "oop" ? std::size_t{125} : std::size_t{115});
        for (const auto& [decision, entry] : decisions) {
            const auto& [parent, members] = entry;
            QVERIFY2(parent.isEmpty() || ranges.count(parent) == 1, qPrintable(parent));
            for (int c = 0; c < quendal::kComboCount; ++c) {
                float sum = 0.0f;
                for (const QString& m : members) {
                    sum += ranges[m][c];
                }
                const float room = parent.isEmpty() ? 1.0f : ranges[parent][c];
                QVERIFY2(sum <= room + 1e-4f, qPrintable(decision));
            }
        }
    }

    void rangesTightenAsRakeRises_data() {
        QTest::addColumn<QString>("player");
        QTest::newRow("oop") << "oop";
        QTest::newRow("ip") << "ip";
    }

    // From no rake through 500nl, 200nl and 100nl to 50nl no hand gains weight,
    // and every kind of spot gives something up.
    void rangesTightenAsRakeRises() {
        QFETCH(QString, player);
        std::map<QString, quendal::RangeWeights> ranges;
        for (const QJSValue& e : standardEntries(player)) {
            ranges[e.property("name").toString()] =
                quendal_app::parse_range_text(e.property("value").toString().toStdString());
        }
        int tightened = 0;
        for (const auto& [name, weights] : ranges) {
            if (!name.startsWith("No rake / ") && !name.startsWith("Heads up / No rake / ")) {
                continue;
            }
            const QString before = name.startsWith("Heads up") ? "Heads up / " : "";
            const QString spot = name.mid(name.indexOf("No rake / ") + 10);
            for (int t = 1; t < kTightening.size(); ++t) {
                const auto& looser = ranges.at(before + kTightening[t - 1] + " / " + spot);
                const auto& tighter = ranges.at(before + kTightening[t] + " / " + spot);
                for (int c = 0; c < quendal::kComboCount; ++c) {
                    QVERIFY2(tighter[c] <= looser[c] + 1e-6f, qPrintable(spot));
                }
            }
            tightened += combos(ranges.at(before + "50nl rake / " + spot)) < combos(weights);
        }
        QCOMPARE(tightened, player == "oop" ? 46 : 45);
    }

    void populationFollowsTheTemplate_data() {
        QTest::addColumn<QString>("player");
        QTest::addColumn<int>("ranges");
        QTest::newRow("oop") << "oop" << 193;
        QTest::newRow("ip") << "ip" << 202;
    }

    // The file holds the template's folders and ranges in the template's
    // order, "Weaker regs" filled with the player's six-handed no-rake spots
    // as the page routes them, in the export layout.
    void populationFollowsTheTemplate() {
        QFETCH(QString, player);
        QFETCH(int, ranges);
        QCOMPARE(keys(population_), (QStringList{"format", "version", "generatedAt", "oop", "ip"}));
        QCOMPARE(population_.property("format").toString(), QString("quendal_ranges_export"));
        QCOMPARE(population_.property("version").toInt(), 1);
        QVERIFY(QRegularExpression("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\.\\d{3}Z$")
                    .match(population_.property("generatedAt").toString())
                    .hasMatch());
        const QJSValue side = population_.property(player);
        QCOMPARE(keys(side), (QStringList{"standard", "exploit"}));
        QCOMPARE(side.property("standard").property("length").toInt(), 0);

        QStringList noRake;
        for (const QJSValue& e : standardEntries(player)) {
            const QString name = e.property("name").toString();
            if (name.startsWith("No rake / ")) {
                noRake << name.mid(10);
            }
        }
        std::vector<Node> expected;
        for (const QJSValue& n : items(templateTree(player))) {
            expected.push_back(toNode(n));
        }
        QCOMPARE(expected.size(), std::size_t{5});
        QCOMPARE(expected[2].name, QString("Weaker regs"));
        for (Node& reg : expected[2].children) {
            QVERIFY(reg.children.empty());
            reg.children = routedNoRake(noRake);
        }
        std::vector<Node> actual;
        for (const QJSValue& n : items(side.property("exploit"))) {
            actual.push_back(toNode(n));
        }
        QStringList expectedLines, actualLines;
        collectLines(expected, "", expectedLines);
        collectLines(actual, "", actualLines);
        QCOMPARE(actualLines, expectedLines);

        int count = 0;
        walk(side.property("exploit"), "", [&](const QString& path, const QJSValue& n) {
            ++count;
            QCOMPARE(keys(n), (QStringList{"name", "value"}));
            if (path == "Other / Bomb pot") {
                QCOMPARE(n.property("value").toString(), QString("100%"));
            }
        });
        QCOMPARE(count, ranges);
        std::function<void(const QJSValue&)> checkFolders = [&](const QJSValue& nodes) {
            for (const QJSValue& n : items(nodes)) {
                if (n.hasProperty("children")) {
                    QCOMPARE(keys(n), (QStringList{"type", "name", "children"}));
                    QCOMPARE(n.property("type").toString(), QString("folder"));
                    checkFolders(n.property("children"));
                }
            }
        };
        checkFolders(side.property("exploit"));
    }

    // The committed files are the generator's output, byte for byte.
    void generatorOutputMatchesCommittedFiles() {
        const QString python = QStringLiteral(PYTHON3_EXECUTABLE);
        if (python.isEmpty()) {
            QSKIP("no Python 3 interpreter was found at configure time");
        }
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QProcess generator;
        generator.start(
            python, {kSourceDir + "/scripts/generate_range_libraries.py", "--root", dir.path()});
        QVERIFY(generator.waitForFinished(120000));
        QVERIFY2(generator.exitStatus() == QProcess::NormalExit && generator.exitCode() == 0,
                 generator.readAllStandardError().constData());
        for (const QString& file : {kStandardFile, kPopulationFile, kTemplateFile}) {
            QFile written(dir.filePath(file));
            QVERIFY(written.open(QIODevice::ReadOnly));
            QVERIFY2(written.readAll() == readSource(file),
                     qPrintable(file + " differs from the generator's output"));
        }
    }
};

QTEST_GUILESS_MAIN(RangeLibrariesTest)
#include "range_libraries_test.moc"
