<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ActionBar</name>
    <message>
        <location filename="../qml/components/action_bar.js" line="+183"/>
        <location line="+9"/>
        <location line="+7"/>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>%1 combos</source>
        <translation>%1 Combos</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1% equity</source>
        <translation>%1% Equity</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 EV</source>
        <translation>%1 EV</translation>
    </message>
</context>
<context>
    <name>AppController</name>
    <message>
        <location filename="../app/local_file_url.h" line="+42"/>
        <source>Invalid/non-local file URL</source>
        <translation>Ungültige oder nicht lokale Datei-URL</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Empty file path</source>
        <translation>Leerer Dateipfad</translation>
    </message>
    <message>
        <location filename="../app/app_controller.cpp" line="+74"/>
        <location filename="../app/controller_solve.cpp" line="+256"/>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <location filename="../app/controller_files.cpp" line="+84"/>
        <location filename="../app/controller_project.cpp" line="+976"/>
        <location line="+5"/>
        <source>Failed to open file: %1</source>
        <translation>Datei konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+6"/>
        <source>Failed to save file: %1</source>
        <translation>Datei konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <location filename="../app/controller_project.cpp" line="-753"/>
        <location line="+8"/>
        <location line="+8"/>
        <location line="+7"/>
        <source>Invalid JSON</source>
        <translation>Ungültiges JSON</translation>
    </message>
    <message>
        <location line="-20"/>
        <location line="+16"/>
        <source>Unrecognized project format</source>
        <translation>Unbekanntes Projektformat</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Unsupported project version</source>
        <translation>Nicht unterstützte Projektversion</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Invalid project file: %1</source>
        <translation>Ungültige Projektdatei: %1</translation>
    </message>
    <message>
        <location line="+757"/>
        <source>Loaded project (%1 strategy nodes, %2 combo nodes)</source>
        <translation>Projekt geladen (%1 Strategieknoten, %2 Combo-Knoten)</translation>
    </message>
    <message>
        <location filename="../qml/components/TopBar.qml" line="+55"/>
        <location filename="../qml/pages/solve/SolvePage.qml" line="+95"/>
        <location filename="../app/controller_solve.cpp" line="-157"/>
        <source>Starting...</source>
        <translation>Starte...</translation>
    </message>
    <message>
        <location filename="../app/controller_solve.cpp" line="+31"/>
        <source>Not ready: enter a valid board first</source>
        <translation>Nicht bereit: zuerst ein gültiges Board eingeben</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Not ready: select at least one hand in both ranges</source>
        <translation>Nicht bereit: in beiden Ranges mindestens eine Hand wählen</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Not ready: fill out both OOP and IP sizing</source>
        <translation>Nicht bereit: OOP- und IP-Sizing ausfüllen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Not ready: rake must be between 0 and 100%</source>
        <translation>Nicht bereit: Rake muss zwischen 0 und 100% liegen</translation>
    </message>
    <message>
        <source>Not ready: the starting street is not the street of the board</source>
        <translation>Nicht bereit: die Start-Street ist nicht die Street des Boards</translation>
    </message>
    <message>
        <source>Not ready: a sizing text does not read: %1</source>
        <translation>Nicht bereit: ein Sizing-Text ist nicht lesbar: %1</translation>
    </message>
    <message>
        <source>Not ready: the pot and the stack must be above 0</source>
        <translation>Nicht bereit: Pot und Stack müssen über 0 liegen</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Not enough memory: this spot needs at least %1, %2 are available</source>
        <translation>Nicht genug Speicher: dieser Spot braucht mindestens %1, verfügbar sind %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not enough memory: this spot needs %1, %2 are available</source>
        <translation>Nicht genug Speicher: dieser Spot braucht %1, verfügbar sind %2</translation>
    </message>
    <message>
        <location line="+227"/>
        <source>at least %1</source>
        <translation>mindestens %1</translation>
    </message>
    <message>
        <location line="-210"/>
        <source>Already running</source>
        <translation>Läuft bereits</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>No previous solve config (solve once first)</source>
        <translation>Keine vorherige Berechnungskonfiguration (zuerst einmal berechnen)</translation>
    </message>
    <message>
        <location filename="../qml/pages/solve/SolvePage.qml" line="+247"/>
        <location filename="../app/controller_solve.cpp" line="+21"/>
        <source>Cancelling...</source>
        <translation>Breche ab...</translation>
    </message>
</context>
<context>
    <name>AppShell</name>
    <message>
        <location filename="../qml/components/AppShell.qml" line="+122"/>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Solve</source>
        <translation>Lösen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tessaval</source>
        <translation>Tessaval</translation>
    </message>
    <message>
        <location filename="../qml/components/field_commit.js" line="+15"/>
        <source>Not started: “%1” does not hold a value it can take.</source>
        <translation>Nicht gestartet: „%1“ enthält keinen gültigen Wert.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not started: the field being edited does not hold a value it can take.</source>
        <translation>Nicht gestartet: Das bearbeitete Feld enthält keinen gültigen Wert.</translation>
    </message>
    <message>
        <location filename="../qml/components/solve_gating.js" line="+74"/>
        <source>flop</source>
        <translation>Flop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>turn</source>
        <translation>Turn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>river</source>
        <translation>River</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 %2 bet sizes</source>
        <translation>Bet-Größen %1 %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 %2 raise sizes</source>
        <translation>Raise-Größen %1 %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Pick the board: a flop, a turn or a river.</source>
        <translation>Board wählen: Flop, Turn oder River.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Board: %1</source>
        <translation>Board: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Give %1 a range.</source>
        <translation>%1 braucht eine Range.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 range: %2</source>
        <translation>Range %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The %1 range holds no hand.</source>
        <translation>Die Range von %1 enthält keine Hand.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Fill in the %1.</source>
        <translation>Bitte %1 ausfüllen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not enough memory: the solve needs %1, %2 are available.</source>
        <translation>Nicht genug Speicher: Die Berechnung braucht %1, verfügbar sind %2.</translation>
    </message>
</context>
<context>
    <name>BoardDisplay</name>
    <message>
        <location filename="../qml/components/BoardDisplay.qml" line="+35"/>
        <source>River</source>
        <translation>River</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Turn</source>
        <translation>Turn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flop</source>
        <translation>Flop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preflop</source>
        <translation>Preflop</translation>
    </message>
</context>
<context>
    <name>Chip</name>
    <message>
        <location filename="../qml/components/Chip.qml" line="+87"/>
        <source>×</source>
        <translation>×</translation>
    </message>
</context>
<context>
    <name>HandBuckets</name>
    <message>
        <location filename="../app/hand_bucket_names.cpp" line="+9"/>
        <source>straight flush</source>
        <translation>Straight Flush</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>quads</source>
        <translation>Vierling</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>full house</source>
        <translation>Full House</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>flush</source>
        <translation>Flush</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>straight</source>
        <translation>Straße</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>set</source>
        <translation>Set</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>trips</source>
        <translation>Trips</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>two pair</source>
        <translation>Zwei Paare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>top pair</source>
        <translation>Top Pair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>overpair</source>
        <translation>Overpair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>middle pair</source>
        <translation>Middle Pair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bottom pair</source>
        <translation>Bottom Pair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dry pair</source>
        <translation>Dry Pair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>flush draw</source>
        <translation>Flush Draw</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>missed FD</source>
        <translation>Verpasster FD</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>open ended straight draw</source>
        <translation>Open-Ender</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>missed OESD</source>
        <translation>Verpasster OESD</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>gutter</source>
        <translation>Gutshot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>missed gutter</source>
        <translation>Verpasster Gutshot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>back door flush draw</source>
        <translation>Backdoor Flush Draw</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>air</source>
        <translation>Luft</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <location filename="../qml/pages/home/FileStatusLine.qml" line="+64"/>
        <source>×</source>
        <translation>×</translation>
    </message>
    <message>
        <location filename="../qml/pages/home/HomeHero.qml" line="+41"/>
        <source>Tessaval</source>
        <translation>Tessaval</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>A modern, high-performance holdem solver</source>
        <translation>Ein moderner, leistungsstarker Hold&apos;em-Solver</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../qml/pages/home/QuickActionsCard.qml" line="+23"/>
        <source>New Solve</source>
        <translation>Neue Berechnung</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <location filename="../qml/pages/home/HomePage.qml" line="+56"/>
        <location filename="../qml/pages/home/SolveTrendCard.qml" line="+212"/>
        <source>%1s</source>
        <translation>%1s</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1m</source>
        <translation>%1m</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1m %2s</source>
        <translation>%1m %2s</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tessaval Project (*.tessavalproj)</source>
        <translation>Tessaval-Projekt (*.tessavalproj)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>Saving %1…</source>
        <translation>%1 wird gespeichert…</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Opening %1…</source>
        <translation>%1 wird geöffnet…</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Saved the project as %1 in %2.</source>
        <translation>Projekt als %1 in %2 gespeichert.</translation>
    </message>
    <message>
        <source>Lock edits made since the last solve are not in it: re-solve, then save to keep them.</source>
        <translation>Lock-Änderungen seit der letzten Lösung sind nicht enthalten: neu lösen und dann speichern, um sie zu behalten.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the project service is not available.</source>
        <translation>Der Projektdienst ist nicht verfügbar.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Could not open %1: %2</source>
        <translation>%1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <location line="-18"/>
        <location line="+19"/>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Could not save %1 in %2: %3</source>
        <translation>%1 konnte nicht in %2 gespeichert werden: %3</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Save Project</source>
        <translation>Projekt speichern</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Open Project</source>
        <translation>Projekt öffnen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Discard results</source>
        <translation>Ergebnisse verwerfen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The results of the current solve were never saved. Discard them?</source>
        <translation>Die Ergebnisse der aktuellen Berechnung wurden nie gespeichert. Verwerfen?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the project first to keep them.</source>
        <translation>Speichern Sie zuerst das Projekt, um sie zu behalten.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Clear Play vs. Solution Stats</source>
        <translation>Statistik „Spiel vs. Lösung“ löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear all Play vs. Solution statistics (today + total)?</source>
        <translation>Alle Statistiken zu „Spiel vs. Lösung“ (heute + gesamt) löschen?</translation>
    </message>
    <message>
        <location filename="../qml/pages/home/PracticeStatsCard.qml" line="+36"/>
        <source>Play vs. Solution</source>
        <translation>Spiel vs. Lösung</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Hands (Today / Total)</source>
        <translation>Hände (heute / gesamt)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Accuracy (Today / Total)</source>
        <translation>Genauigkeit (heute / gesamt)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Avg EV Loss (Today / Total)</source>
        <translation>Ø EV-Verlust (heute / gesamt)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>EV</source>
        <translation>EV</translation>
    </message>
    <message>
        <location filename="../qml/pages/home/QuickActionsCard.qml" line="+9"/>
        <source>Configure board, ranges, tree</source>
        <translation>Board, Ranges, Baum einrichten</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Quick Solve</source>
        <translation>Schnellberechnung</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Use default settings</source>
        <translation>Standardeinstellungen verwenden</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Import Range</source>
        <translation>Range importieren</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Load from file</source>
        <translation>Aus Datei laden</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Quick Actions</source>
        <translation>Schnellaktionen</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>→</source>
        <translation>→</translation>
    </message>
    <message>
        <location filename="../qml/pages/home/SolveActivityCard.qml" line="+28"/>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mar</source>
        <translation>Mär</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oct</source>
        <translation>Okt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dec</source>
        <translation>Dez</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1%2</source>
        <translation>%1%2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> (future)</source>
        <translation> (Zukunft)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Solves: %1</source>
        <translation>Berechnungen: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Avg iters: %1</source>
        <translation>Ø Iterationen: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Avg expl: %1</source>
        <translation>Ø Exploitability: %1</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Solve Activity</source>
        <translation>Berechnungsaktivität</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Last 6 months</source>
        <translation>Letzte 6 Monate</translation>
    </message>
    <message>
        <location filename="../qml/pages/home/SolveHistoryCard.qml" line="+18"/>
        <source>%1 available</source>
        <translation>%1 verfügbar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 (%2 free)</source>
        <translation>%1 (%2 frei)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Solve history</source>
        <translation>Berechnungsverlauf</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total solves</source>
        <translation>Berechnungen gesamt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Solves this week</source>
        <translation>Diese Woche</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Average run time</source>
        <translation>Ø Laufzeit</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Engine</source>
        <translation>Engine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tessaval Core</source>
        <translation>Tessaval Core</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Threads</source>
        <translation>Threads</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Memory</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <location filename="../qml/pages/home/SolveTrendCard.qml" line="-170"/>
        <source>Solves over time</source>
        <translation>Berechnungen im Zeitverlauf</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <location line="+157"/>
        <source>%1
Daily: %2
Total: %3
Avg runtime: %4</source>
        <translation>%1
Täglich: %2
Gesamt: %3
Ø Laufzeit: %4</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>No solves yet</source>
        <translation>Noch keine Berechnungen</translation>
    </message>
</context>
<context>
    <name>LocalFileDialog</name>
    <message>
        <location filename="../qml/components/LocalFileDialog.qml" line="+81"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>Replace file</source>
        <translation>Datei ersetzen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A file with this name already exists. Do you want to replace it?</source>
        <translation>Eine Datei mit diesem Namen existiert bereits. Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Its current contents will be lost.</source>
        <translation>Sein bisheriger Inhalt geht verloren.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <location filename="../qml/Main.qml" line="+39"/>
        <source>Tessaval</source>
        <translation>Tessaval</translation>
    </message>
</context>
<context>
    <name>PlayingCard</name>
    <message>
        <location filename="../qml/components/PlayingCard.qml" line="+178"/>
        <source>?</source>
        <translation>?</translation>
    </message>
</context>
<context>
    <name>ProgressRing</name>
    <message>
        <location filename="../qml/components/ProgressRing.qml" line="+111"/>
        <source>...</source>
        <translation>...</translation>
    </message>
</context>
<context>
    <name>ProjectPage</name>
    <message>
        <location filename="../qml/pages/project/BoardCard.qml" line="+33"/>
        <source>Board</source>
        <translation>Board</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/CardPickerDialog.qml" line="+20"/>
        <source>Select card</source>
        <translation>Karte wählen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Flop card</source>
        <translation>Flop-Karte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Turn card</source>
        <translation>Turn-Karte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>River card</source>
        <translation>River-Karte</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Clear card</source>
        <translation>Karte entfernen</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../qml/pages/project/LoadSettingsDialog.qml" line="+129"/>
        <location filename="../qml/pages/project/SetupConfirmDialog.qml" line="+80"/>
        <location filename="../qml/pages/project/SetupNameDialog.qml" line="+127"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/GameSettingsCard.qml" line="+86"/>
        <source>Game Settings</source>
        <translation>Spieleinstellungen</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+4"/>
        <source>Starting Pot</source>
        <translation>Start-Pot</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+15"/>
        <source>e.g., 100.0</source>
        <translation>z. B. 100.0</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+4"/>
        <source>Effective Stack</source>
        <translation>Effektiver Stack</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+4"/>
        <source>Rake (%)</source>
        <translation>Rake (%)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e.g., 5.0</source>
        <translation>z. B. 5.0</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+4"/>
        <source>Rake Cap</source>
        <translation>Rake-Cap</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e.g., 0</source>
        <translation>z. B. 0</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+5"/>
        <source>Target Exploitability (%)</source>
        <translation>Ziel-Exploitability (%)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e.g., 0.10</source>
        <translation>z. B. 0.10</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/LoadSettingsDialog.qml" line="-101"/>
        <source>Load Settings Profile</source>
        <translation>Einstellungsprofil laden</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Choose a saved profile:</source>
        <translation>Gespeichertes Profil wählen:</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>No saved profiles yet.</source>
        <translation>Noch keine gespeicherten Profile.</translation>
    </message>
    <message>
        <location line="+45"/>
        <location filename="../qml/pages/project/SetupConfirmDialog.qml" line="-64"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/ProfileButtonsCard.qml" line="+28"/>
        <source>Load settings</source>
        <translation>Profil laden</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Save settings</source>
        <translation>Profil sichern</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/ProjectBuiltInRanges.qml" line="+199"/>
        <source>Export failed: appController.saveTextFile unavailable.</source>
        <translation>Export fehlgeschlagen: appController.saveTextFile nicht verfügbar.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Exported to %1.</source>
        <translation>Nach %1 exportiert.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>OOP</source>
        <translation>OOP</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Clear standard overrides</source>
        <translation>Standard-Überschreibungen löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear all locally overridden standard ranges for %1?</source>
        <translation>Alle lokal überschriebenen Standard-Ranges für %1 löschen?</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+12"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Clear population overrides</source>
        <translation>Populations-Überschreibungen löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear all locally overridden population ranges for %1?</source>
        <translation>Alle lokal überschriebenen Populations-Ranges für %1 löschen?</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Export Standard Ranges</source>
        <translation>Standard-Ranges exportieren</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Export Population Ranges</source>
        <translation>Populations-Ranges exportieren</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/ProjectCustomRanges.qml" line="+110"/>
        <location line="+99"/>
        <location filename="../qml/pages/project/ProjectSettingsProfiles.qml" line="+94"/>
        <source>Please enter a name.</source>
        <translation>Bitte einen Namen eingeben.</translation>
    </message>
    <message>
        <location line="-95"/>
        <source>Current range is empty.</source>
        <translation>Die aktuelle Range ist leer.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+30"/>
        <source>Unknown player.</source>
        <translation>Unbekannter Spieler.</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Please enter a folder name.</source>
        <translation>Bitte einen Ordnernamen eingeben.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Import failed: appController.readTextFile unavailable.</source>
        <translation>Import fehlgeschlagen: appController.readTextFile nicht verfügbar.</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../qml/pages/project/builtin_ranges.js" line="+432"/>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import failed: %1</source>
        <translation>Import fehlgeschlagen: %1</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/range_text.js" line="+220"/>
        <source>Import failed: the file is not a text file.</source>
        <translation>Import fehlgeschlagen: Die Datei ist keine Textdatei.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Import failed: “%1” is not a range item.</source>
        <translation>Import fehlgeschlagen: „%1“ ist kein Range-Eintrag.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Import failed: file contained no recognizable hands.</source>
        <translation>Import fehlgeschlagen: Die Datei enthielt keine erkennbaren Hände.</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/ProjectCustomRanges.qml" line="+21"/>
        <source>No range content to import.</source>
        <translation>Kein Range-Inhalt zum Importieren.</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Save IP range</source>
        <translation>IP-Range speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save OOP range</source>
        <translation>OOP-Range speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+37"/>
        <source>Name this range:</source>
        <translation>Name der Range:</translation>
    </message>
    <message>
        <location line="-36"/>
        <source>e.g., BTN vs BB (default)</source>
        <translation>z. B. BTN vs. BB (Standard)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/project/ProjectSettingsProfiles.qml" line="+53"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Add folder (IP)</source>
        <translation>Ordner hinzufügen (IP)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add folder (OOP)</source>
        <translation>Ordner hinzufügen (OOP)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folder name:</source>
        <translation>Ordnername:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e.g., BTN vs BB</source>
        <translation>z. B. BTN vs. BB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+42"/>
        <source>Import Range</source>
        <translation>Range importieren</translation>
    </message>
    <message>
        <location line="-40"/>
        <source>e.g., BTN open (custom)</source>
        <translation>z. B. BTN Open (eigene)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Delete folder</source>
        <translation>Ordner löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete range</source>
        <translation>Range löschen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Are you sure you want to delete this folder?</source>
        <translation>Diesen Ordner wirklich löschen?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to delete this range?</source>
        <translation>Diese Range wirklich löschen?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This will also delete %1 range(s). This cannot be undone.</source>
        <translation>Dabei werden auch %1 Range(s) gelöscht. Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../qml/pages/project/ProjectSettingsProfiles.qml" line="+35"/>
        <source>This cannot be undone.</source>
        <translation>Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Range text (*.txt)</source>
        <translation>Range-Text (*.txt)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/project/RangeExportFileDialog.qml" line="+10"/>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/ProjectHeader.qml" line="+26"/>
        <location line="+2"/>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Project Setup</source>
        <translation>Projekt-Setup</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Setup Required</source>
        <translation>Setup erforderlich</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Solve RAM: %1</source>
        <translation>RAM-Bedarf: %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Available RAM: %1</source>
        <translation>Verfügbarer RAM: %1</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Continue to Solve →</source>
        <translation>Weiter zum Lösen →</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/ProjectRangeLibrary.qml" line="+117"/>
        <location filename="../qml/pages/project/RangeLibrarySidebar.qml" line="+126"/>
        <source>Standard Ranges</source>
        <translation>Standard-Ranges</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../qml/pages/project/RangeLibrarySidebar.qml" line="+4"/>
        <source>Population Ranges</source>
        <translation>Populations-Ranges</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/project/RangeLibrarySidebar.qml" line="+4"/>
        <source>Custom Ranges</source>
        <translation>Eigene Ranges</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/ProjectSettingsProfiles.qml" line="-70"/>
        <source>Please select a profile.</source>
        <translation>Bitte ein Profil wählen.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Save Settings Profile</source>
        <translation>Einstellungsprofil speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Profile name:</source>
        <translation>Profilname:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e.g., 100bb rake-free (fast)</source>
        <translation>z. B. 100bb ohne Rake (schnell)</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Delete settings profile</source>
        <translation>Einstellungsprofil löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to delete this saved profile?</source>
        <translation>Dieses gespeicherte Profil wirklich löschen?</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/RangeExportFileDialog.qml" line="+0"/>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/RangeLibrarySidebar.qml" line="+48"/>
        <source>No ranges yet.</source>
        <translation>Noch keine Ranges.</translation>
    </message>
    <message>
        <location line="+54"/>
        <location line="+20"/>
        <source>Override</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Export standard…</source>
        <translation>Standard exportieren…</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+20"/>
        <source>Clear overrides…</source>
        <translation>Überschreibungen löschen…</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Export population…</source>
        <translation>Population exportieren…</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Save current range…</source>
        <translation>Aktuelle Range speichern…</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Import range…</source>
        <translation>Range importieren…</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add folder…</source>
        <translation>Ordner hinzufügen…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Delete selected…</source>
        <translation>Auswahl löschen…</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/RangePanel.qml" line="+69"/>
        <source>OOP Range</source>
        <translation>OOP-Range</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>IP Range</source>
        <translation>IP-Range</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <location line="+79"/>
        <location line="+7"/>
        <source>Weight</source>
        <translation>Gewichtung</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>z. B. AA, KK, AKs, QQ+ oder 50%</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>The solver does not read this range: %1</source>
        <translation>Der Solver kann diese Range nicht lesen: %1</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/SizingCard.qml" line="+141"/>
        <source>OOP Sizing</source>
        <translation>OOP-Sizing</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>IP Sizing</source>
        <translation>IP-Sizing</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Flop</source>
        <translation>Flop</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Turn</source>
        <translation>Turn</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>River</source>
        <translation>River</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Bet sizes (%)</source>
        <translation>Bet-Größen (%)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Raise sizes (%)</source>
        <translation>Raise-Größen (%)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Add All-In</source>
        <translation>All-in hinzufügen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Don&apos;t donk</source>
        <translation>Kein Donk-Bet</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Copy OOP settings</source>
        <translation>OOP-Einstellungen kopieren</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+4"/>
        <source>Add all-in if jam less than</source>
        <translation>All-in hinzufügen, wenn Jam unter</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>e.g. 30</source>
        <translation>z. B. 30</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>% pot</source>
        <translation>% Pot</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/builtin_ranges.js" line="-1"/>
        <source>Export failed: %1</source>
        <translation>Export fehlgeschlagen: %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No rake</source>
        <translation>Kein Rake</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>50nl rake</source>
        <translation>50NL-Rake</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>100nl rake</source>
        <translation>100NL-Rake</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>200nl rake</source>
        <translation>200NL-Rake</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>500nl rake</source>
        <translation>500NL-Rake</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+55"/>
        <source>Call</source>
        <translation>Call</translation>
    </message>
    <message>
        <location line="-54"/>
        <source>Fold</source>
        <translation>Fold</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+11"/>
        <location line="+41"/>
        <source>RFI</source>
        <translation>RFI</translation>
    </message>
    <message>
        <location line="-51"/>
        <source>3bet</source>
        <translation>3-Bet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4bet</source>
        <translation>4-Bet</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>6-max</source>
        <translation>6-max</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heads up</source>
        <translation>Heads-up</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>vs RFI</source>
        <translation>vs. RFI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>vs 3bet</source>
        <translation>vs. 3-Bet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>vs 4bet</source>
        <translation>vs. 4-Bet</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>vs %1 RFI</source>
        <translation>vs. %1 RFI</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 vs %2 3bet</source>
        <translation>%1 vs. %2 3-Bet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 3bet vs %2 4bet</source>
        <translation>%1 3-Bet vs. %2 4-Bet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Limp</source>
        <translation>Limp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Limp-call</source>
        <translation>Limp-Call</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Limp-3b</source>
        <translation>Limp-3b</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Call raise</source>
        <translation>Raise callen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check back</source>
        <translation>Check back</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3b</source>
        <translation>3b</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4b</source>
        <translation>4b</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Call 3b</source>
        <translation>3b callen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Call 4b</source>
        <translation>4b callen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3b cold call</source>
        <translation>3b Cold Call</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bomb pot</source>
        <translation>Bomb Pot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weaker regs</source>
        <translation>Schwächere Regs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tighter reg</source>
        <translation>Tighterer Reg</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Looser reg</source>
        <translation>Looserer Reg</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other</source>
        <translation>Sonstige</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nit</source>
        <translation>Nit</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+15"/>
        <source>Overfolder</source>
        <translation>Overfolder</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Passive</source>
        <translation>Passiv</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Passive tight</source>
        <translation>Passiv tight</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Passive neutral</source>
        <translation>Passiv neutral</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Passive loose</source>
        <translation>Passiv loose</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Extreme loose</source>
        <translation>Extrem loose</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Loose aggressive</source>
        <translation>Loose-aggressiv</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standard LAG</source>
        <translation>Standard-LAG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maniac</source>
        <translation>Maniac</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1 (VPIP %2)</source>
        <translation>%1 (VPIP %2)</translation>
    </message>
</context>
<context>
    <name>RangeEditor</name>
    <message>
        <location filename="../qml/components/RangeEditor.qml" line="+16"/>
        <source>Range</source>
        <translation>Range</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>z. B. AA, KK, AKs, QQ+ oder 50%</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 hands</source>
        <translation>%1 Hände</translation>
    </message>
</context>
<context>
    <name>ResultsPage</name>
    <message>
        <location filename="../qml/pages/results/ChanceCardPicker.qml" line="+91"/>
        <source>%1 cannot be dealt: the opponent holds it in every hand that gets here. Choose another card.</source>
        <translation>%1 kann nicht gegeben werden: Der Gegner hält sie in jeder Hand, die hierher kommt. Wählen Sie eine andere Karte.</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/DistributionsDialog.qml" line="+30"/>
        <location filename="../qml/pages/results/ResultsHeader.qml" line="+113"/>
        <source>Distributions</source>
        <translation>Verteilungen</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>EV by hand</source>
        <translation>EV nach Hand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Equity by hand</source>
        <translation>Equity nach Hand</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Equity</source>
        <translation>Equity</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>EV</source>
        <translation>EV</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Computing distributions…</source>
        <translation>Berechne Verteilungen…</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Distributions unavailable.</source>
        <translation>Verteilungen nicht verfügbar.</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/DistributionsPlot.qml" line="+54"/>
        <source>Computing…</source>
        <translation>Berechne…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No data</source>
        <translation>Keine Daten</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>OOP: %1    IP: %2</source>
        <translation>OOP: %1    IP: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: %1%</source>
        <translation>OOP: %1%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: %1</source>
        <translation>OOP: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: —</source>
        <translation>OOP: —</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP: %1%</source>
        <translation>IP: %1%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP: %1</source>
        <translation>IP: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP: —</source>
        <translation>IP: —</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/results/NodeFiguresBox.qml" line="+14"/>
        <location filename="../qml/pages/results/ResultsHeader.qml" line="-95"/>
        <location filename="../qml/pages/results/ResultsPage.qml" line="+609"/>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/GameTreeLevel.qml" line="+71"/>
        <source>Deal %1</source>
        <translation>%1 austeilen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/results/PlayHandDetailsPanel.qml" line="+148"/>
        <source>River</source>
        <translation>River</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/results/PlayHandDetailsPanel.qml" line="-16"/>
        <source>Turn</source>
        <translation>Turn</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Available actions</source>
        <translation>Verfügbare Aktionen</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 options</source>
        <translation>%1 Optionen</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/GameTreePanel.qml" line="+29"/>
        <source>Game Tree</source>
        <translation>Spielbaum</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/HandBucketsCard.qml" line="+29"/>
        <source>Buckets</source>
        <translation>Handgruppen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 shown</source>
        <translation>%1 angezeigt</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>%1 combos</source>
        <translation>%1 Combos</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Buckets are shown where a player acts.</source>
        <translation>Handgruppen werden dort gezeigt, wo ein Spieler handelt.</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/HandComboRow.qml" line="+56"/>
        <source>EV:</source>
        <translation>EV:</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/HandDetailsCard.qml" line="+39"/>
        <source>Hand Details</source>
        <translation>Handdetails</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Search (JJ, 56s, JcJd, ...)</source>
        <translation>Suchen (JJ, 56s, JcJd, ...)</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Loading hand combos…</source>
        <translation>Lade Hand-Combos…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No hand combos to display for this node.</source>
        <translation>Keine Hand-Combos für diesen Knoten.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Filter: %1</source>
        <translation>Filter: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No combos match the current filters.</source>
        <translation>Keine Combos passen zu den aktuellen Filtern.</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/NodeFiguresBox.qml" line="+67"/>
        <source>Pot</source>
        <translation>Pot</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Stack (%1)</source>
        <translation>Stack (%1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stack</source>
        <translation>Stack</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>To call</source>
        <translation>Zu callen</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Rake taken</source>
        <translation>Rake-Abzug</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>SPR</source>
        <translation>SPR</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Pot odds</source>
        <translation>Pot Odds</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/NodeLockPanel.qml" line="+146"/>
        <source>Node-Locking</source>
        <translation>Node-Locking</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Node-locking is only available on decision nodes.</source>
        <translation>Node-Locking ist nur an Entscheidungsknoten verfügbar.</translation>
    </message>
    <message>
        <location line="-128"/>
        <location line="+220"/>
        <source>Mixed</source>
        <translation>Mix</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>freq</source>
        <translation>Freq.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Reset locks</source>
        <translation>Locks zurücksetzen</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/FileResultsNotice.qml" line="+51"/>
        <location filename="../qml/pages/results/NodeLockPanel.qml" line="+8"/>
        <source>Re-solve</source>
        <translation>Neu lösen</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/NodeLockPanel.qml" line="+11"/>
        <source>Tip: enter frequencies above, then click a hand cell in the matrix to apply the mixed strategy.</source>
        <translation>Tipp: Oben Frequenzen eingeben, dann eine Handzelle in der Matrix anklicken, um die gemischte Strategie anzuwenden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tip: select an action above, then click a hand cell in the matrix to lock it.</source>
        <translation>Tipp: Oben eine Aktion wählen, dann eine Handzelle in der Matrix anklicken, um sie zu locken.</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/PlayHandDetailsPanel.qml" line="-15"/>
        <source>Flop</source>
        <translation>Flop</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Hands</source>
        <translation>Hände</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Winner: %1</source>
        <translation>Gewinner: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TIE</source>
        <translation>UNENTSCHIEDEN</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Won: %1   Rake: %2</source>
        <translation>Gewonnen: %1   Rake: %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>EV lost: %1</source>
        <translation>EV verloren: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Incorrect: %1</source>
        <translation>Falsch: %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Correct: %1</source>
        <translation>Richtig: %1</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/PlayHandLogPanel.qml" line="+51"/>
        <source>Hand Log</source>
        <translation>Hand-Log</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 hands</source>
        <translation>%1 Hände</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/PlayHandLogRow.qml" line="+103"/>
        <source>Perfect</source>
        <translation>Perfekt</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/PlayTableStage.qml" line="+68"/>
        <source>Play as OOP</source>
        <translation>Als OOP spielen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Play as both</source>
        <translation>Beide spielen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Play as IP</source>
        <translation>Als IP spielen</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Click Turn/River to change</source>
        <translation>Turn/River zum Ändern anklicken</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Deal the river: click its place on the board</source>
        <translation>River geben: seinen Platz auf dem Board anklicken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Deal the turn: click its place on the board</source>
        <translation>Turn geben: seinen Platz auf dem Board anklicken</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Pot: %1</source>
        <translation>Pot: %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+13"/>
        <source>Stack: %1</source>
        <translation>Stack: %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>No hand could be dealt here: the ranges leave no cards for both players.</source>
        <translation>Hier konnte keine Hand ausgeteilt werden: Die Ranges lassen nicht für beide Spieler Karten übrig.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Another hand</source>
        <translation>Neue Hand</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Stop drill</source>
        <translation>Training beenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drill spot</source>
        <translation>Spot trainieren</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/PlayTableView.qml" line="+35"/>
        <location filename="../qml/pages/results/ResultsHeader.qml" line="+33"/>
        <source>Play vs. Solution</source>
        <translation>Spiel vs. Lösung</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Role: %1</source>
        <translation>Rolle: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose a role to start</source>
        <translation>Zum Starten eine Rolle wählen</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Practice needs the solved spot: the project file holds only the nodes that were viewed before it was saved. Re-solve the spot to play against its solution.</source>
        <translation>Das Training braucht den gelösten Spot: Die Projektdatei enthält nur die Knoten, die vor dem Speichern angesehen wurden. Lösen Sie den Spot neu, um gegen seine Lösung zu spielen.</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/ResultsHeader.qml" line="+1"/>
        <source>Strategy View</source>
        <translation>Strategieansicht</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>%1 to act</source>
        <translation>%1 am Zug</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Card to deal</source>
        <translation>Karte zu geben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hand over</source>
        <translation>Hand beendet</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Range view</source>
        <translation>Range-Ansicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play vs solution</source>
        <translation>Spiel vs. Lösung</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>EV (OOP)</source>
        <translation>EV (OOP)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>EV (IP)</source>
        <translation>EV (IP)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Exploitability</source>
        <translation>Exploitability</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/StrategyCard.qml" line="+48"/>
        <source>The re-solved solution differs from the one saved in the project file.</source>
        <translation>Die neu berechnete Lösung weicht von der in der Projektdatei gespeicherten ab.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Action Frequencies</source>
        <translation>Aktionsfrequenzen</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>The project file holds only the nodes that were viewed before it was saved, and this node is not among them. Re-solve the spot to see every node.</source>
        <translation>Die Projektdatei enthält nur die Knoten, die vor dem Speichern angesehen wurden, und dieser Knoten gehört nicht dazu. Lösen Sie den Spot neu, um jeden Knoten zu sehen.</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/StrategyMatrixPanel.qml" line="+99"/>
        <source>Strategy by Hand</source>
        <translation>Strategie nach Hand</translation>
    </message>
    <message>
        <location line="+130"/>
        <source>Standard mode</source>
        <translation>Standardmodus</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Node-lock mode</source>
        <translation>Node-Locking</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <location filename="../qml/pages/settings/AppearanceCard.qml" line="+38"/>
        <source>Appearance</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Dark Mode</source>
        <translation>Dunkelmodus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use dark color scheme throughout the interface</source>
        <translation>Dunkles Farbschema in der gesamten Oberfläche verwenden</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change the app language (takes effect immediately)</source>
        <translation>Sprache der App ändern (wirkt sofort)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>Accent Color</source>
        <translation>Akzentfarbe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Customize the app highlight color (buttons, accents, clubs/check).</source>
        <translation>Hervorhebungsfarbe der App anpassen (Buttons, Akzente, Kreuz/Check).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <location filename="../qml/pages/settings/LicensesCard.qml" line="+32"/>
        <source>Licenses</source>
        <translation>Lizenzen</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Third-party notices and license texts are included in the &apos;licenses&apos; folder next to the executable.</source>
        <translation>Hinweise zu Drittanbietern und Lizenztexte befinden sich im Ordner „licenses“ neben der ausführbaren Datei.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Open licenses folder</source>
        <translation>Lizenzordner öffnen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Open notices</source>
        <translation>Hinweise öffnen</translation>
    </message>
    <message>
        <location filename="../qml/pages/settings/SettingsPage.qml" line="+85"/>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Reset to Defaults</source>
        <translation>Auf Standard zurücksetzen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Save Settings</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <location filename="../qml/pages/settings/UpdatesCard.qml" line="+20"/>
        <source>Current version: %1</source>
        <translation>Aktuelle Version: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last checked: %1</source>
        <translation>Zuletzt geprüft: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Downloaded</source>
        <translation>Heruntergeladen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Downloading: %1%</source>
        <translation>Herunterladen: %1%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Downloading…</source>
        <translation>Wird heruntergeladen…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Checking...</source>
        <translation>Prüfe...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check for updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Updating…</source>
        <translation>Aktualisiere…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Install update</source>
        <translation>Update installieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Install update?</source>
        <translation>Update installieren?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tessaval will close to install the update. Continue?</source>
        <translation>Tessaval wird zum Installieren des Updates geschlossen. Fortfahren?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Updates</source>
        <translation>Updates</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Update available: %1</source>
        <translation>Update verfügbar: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No updates available.</source>
        <translation>Keine Updates verfügbar.</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <location filename="../qml/components/Sidebar.qml" line="+17"/>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Overview &amp; quick actions</source>
        <translation>Übersicht &amp; Schnellaktionen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Board, ranges, tree</source>
        <translation>Board, Ranges, Baum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Solve</source>
        <translation>Lösen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Run solver</source>
        <translation>Solver starten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Browse strategies</source>
        <translation>Strategien ansehen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Preferences</source>
        <translation>Voreinstellungen</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>♠</source>
        <translation>♠</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Tessaval</source>
        <translation>Tessaval</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Poker Solver</source>
        <translation>Poker-Solver</translation>
    </message>
    <message>
        <location line="+133"/>
        <source>v0.1.0 dev</source>
        <translation>v0.1.0 dev</translation>
    </message>
</context>
<context>
    <name>SolvePage</name>
    <message>
        <location filename="../qml/pages/solve/SolveComputeCard.qml" line="+40"/>
        <source>Compute</source>
        <translation>Rechenleistung</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>CPU threads utilized</source>
        <translation>Genutzte CPU-Threads</translation>
    </message>
    <message>
        <location filename="../qml/pages/solve/SolveConfigCard.qml" line="+59"/>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Street</source>
        <translation>Street</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pot / Stack</source>
        <translation>Pot / Stack</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rake</source>
        <translation>Rake</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bet sizes</source>
        <translation>Bet-Größen</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Options enabled</source>
        <translation>Aktive Optionen</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Controls</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Solving...</source>
        <translation>Berechne...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start Solve</source>
        <translation>Berechnung starten</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Cancel</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>View Results →</source>
        <translation>Ergebnisse →</translation>
    </message>
    <message>
        <location filename="../qml/pages/solve/SolvePage.qml" line="-268"/>
        <source>Max, 1 thread</source>
        <translation>Max., 1 Thread</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Max, %1 threads</source>
        <translation>Max., %1 Threads</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 thread</source>
        <translation>1 Thread</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 threads</source>
        <translation>%1 Threads</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Ready to solve</source>
        <translation>Bereit zur Berechnung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Starting solver…</source>
        <translation>Starte Solver…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Initializing…</source>
        <translation>Initialisiere…</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Finalizing…</source>
        <translation>Schließe ab…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Iteration %1 | exploitability=%2</source>
        <translation>Iteration %1 | Exploitability=%2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Finalizing</source>
        <translation>Abschluss</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/solve/SolveRecentRunsCard.qml" line="+36"/>
        <source>Running</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>OOP: don&apos;t donk on flop</source>
        <translation>OOP: kein Donk-Bet am Flop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: don&apos;t donk on turn</source>
        <translation>OOP: kein Donk-Bet am Turn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: don&apos;t donk on river</source>
        <translation>OOP: kein Donk-Bet am River</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: add all-in on flop</source>
        <translation>OOP: All-in am Flop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: add all-in on turn</source>
        <translation>OOP: All-in am Turn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: add all-in on river</source>
        <translation>OOP: All-in am River</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP: add all-in on flop</source>
        <translation>IP: All-in am Flop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP: add all-in on turn</source>
        <translation>IP: All-in am Turn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP: add all-in on river</source>
        <translation>IP: All-in am River</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: add all-in if jam &lt; %1% pot</source>
        <translation>OOP: All-in, wenn Jam &lt; %1% Pot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP: add all-in if jam &lt; %1% pot</source>
        <translation>IP: All-in, wenn Jam &lt; %1% Pot</translation>
    </message>
    <message>
        <location line="+30"/>
        <location filename="../qml/pages/solve/SolveRecentRunsCard.qml" line="+160"/>
        <source>Iterations %1 • Target %2% (≈ %3) • Threads %4</source>
        <translation>Iterationen %1 • Ziel %2% (≈ %3) • Threads %4</translation>
    </message>
    <message>
        <location line="+247"/>
        <source>Solve</source>
        <translation>Lösen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Run the CFR solver and monitor progress in real-time.</source>
        <translation>CFR-Solver starten und den Fortschritt in Echtzeit verfolgen.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1% (= %2)</source>
        <translation>%1% (= %2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1% (cap %2)</source>
        <translation>%1% (Cap %2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>F %1/%2 • T %3/%4 • R %5/%6</source>
        <translation>F %1/%2 • T %3/%4 • R %5/%6</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Window %1/%2</source>
        <translation>Fenster %1/%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Iterations: %1</source>
        <translation>Iterationen: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Measuring...</source>
        <translation>Messe...</translation>
    </message>
    <message>
        <location filename="../qml/pages/solve/SolveProgressCard.qml" line="+34"/>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Solver converged — finalizing results…</source>
        <translation>Solver konvergiert — Ergebnisse werden abgeschlossen…</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Metrics</source>
        <translation>Kennzahlen</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Elapsed</source>
        <translation>Verstrichen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Remaining</source>
        <translation>Verbleibend</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it/s</source>
        <translation>it/s</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Exploitability</source>
        <translation>Exploitability</translation>
    </message>
    <message>
        <location filename="../qml/pages/solve/SolveRecentRunsCard.qml" line="-159"/>
        <source>Completed</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Recent Runs</source>
        <translation>Letzte Läufe</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>No runs yet — click Start Solve to record a run here.</source>
        <translation>Noch keine Läufe — „Berechnung starten“ klicken, um hier einen Lauf festzuhalten.</translation>
    </message>
</context>
<context>
    <name>TopBar</name>
    <message>
        <location filename="../qml/components/TopBar.qml" line="+4"/>
        <source>Finalizing</source>
        <translation>Abschluss</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Starting</source>
        <translation>Startet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Initializing</source>
        <translation>Initialisierung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Solving</source>
        <translation>Rechnet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>A solve is running: the other pages open when it ends or is cancelled</source>
        <translation>Eine Berechnung läuft: Die anderen Seiten öffnen sich, wenn sie endet oder abgebrochen wird</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start a new project (or load one) from Home to enable Project</source>
        <translation>Auf „Start“ ein neues Projekt beginnen (oder eines laden), um „Setup“ freizuschalten</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Solve</source>
        <translation>Lösen</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Fill board, ranges, and sizings to enable Solve</source>
        <translation>Board, Ranges und Sizings ausfüllen, um „Lösen“ freizuschalten</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Run a solve to enable Results</source>
        <translation>Eine Berechnung ausführen, um „Ergebnisse“ freizuschalten</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>TreeNode</name>
    <message>
        <location filename="../qml/components/tree_node.js" line="+12"/>
        <location filename="../qml/pages/results/results_actions.js" line="+139"/>
        <source>Bet %1</source>
        <translation>Bet %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/results/results_actions.js" line="+1"/>
        <source>Raise %1</source>
        <translation>Raise %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../qml/pages/results/results_actions.js" line="+8"/>
        <source>Check</source>
        <translation>Check</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/results/results_actions.js" line="+1"/>
        <source>Call</source>
        <translation>Call</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/results/results_actions.js" line="+1"/>
        <source>Fold</source>
        <translation>Fold</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/results/results_actions.js" line="+1"/>
        <source>All-in</source>
        <translation>All-in</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/results/results_actions.js" line="-5"/>
        <source>Bet</source>
        <translation>Bet</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/results/results_actions.js" line="+1"/>
        <source>Raise</source>
        <translation>Raise</translation>
    </message>
    <message>
        <location line="+121"/>
        <source>Deal</source>
        <translation>Austeilen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Terminal</source>
        <translation>Endknoten</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Pot: %1</source>
        <translation>Pot: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Freq: %1%</source>
        <translation>Freq.: %1%</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>EV: %1%2</source>
        <translation>EV: %1%2</translation>
    </message>
</context>
<context>
    <name>UpdateManager</name>
    <message>
        <location filename="../app/update_manager.cpp" line="+209"/>
        <source>Update URL is not configured.</source>
        <translation>Keine Update-URL konfiguriert.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+36"/>
        <source>Update check failed: %1</source>
        <translation>Update-Prüfung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <location line="-35"/>
        <location line="+72"/>
        <source>the address must use HTTPS</source>
        <translation>Die Adresse muss HTTPS verwenden</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>Invalid update response (HTTP %1).</source>
        <translation>Ungültige Update-Antwort (HTTP %1).</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+167"/>
        <source>No download URL available.</source>
        <translation>Keine Download-URL verfügbar.</translation>
    </message>
    <message>
        <location line="-155"/>
        <location line="+66"/>
        <source>Download failed: %1</source>
        <translation>Download fehlgeschlagen: %1</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>Failed to create download file.</source>
        <translation>Download-Datei konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Failed to finalize download file (HTTP %1).</source>
        <translation>Download-Datei konnte nicht abgeschlossen werden (HTTP %1).</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>No downloaded update is ready to install.</source>
        <translation>Kein heruntergeladenes Update zur Installation bereit.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Downloaded installer file is missing.</source>
        <translation>Die heruntergeladene Installationsdatei fehlt.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Failed to launch installer.</source>
        <translation>Installationsprogramm konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No update is available.</source>
        <translation>Kein Update verfügbar.</translation>
    </message>
</context>
</TS>
