<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
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
        <translation>%1 kombo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1% equity</source>
        <translation>equity %1%</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 EV</source>
        <translation>EV %1</translation>
    </message>
</context>
<context>
    <name>AppController</name>
    <message>
        <location filename="../app/local_file_url.h" line="+42"/>
        <source>Invalid/non-local file URL</source>
        <translation>Nieprawidłowy lub nielokalny adres URL pliku</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Empty file path</source>
        <translation>Pusta ścieżka pliku</translation>
    </message>
    <message>
        <location filename="../app/app_controller.cpp" line="+74"/>
        <location filename="../app/controller_solve.cpp" line="+256"/>
        <source>Ready</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <location filename="../app/controller_files.cpp" line="+84"/>
        <location filename="../app/controller_project.cpp" line="+976"/>
        <location line="+5"/>
        <source>Failed to open file: %1</source>
        <translation>Nie można otworzyć pliku: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+6"/>
        <source>Failed to save file: %1</source>
        <translation>Nie można zapisać pliku: %1</translation>
    </message>
    <message>
        <location filename="../app/controller_project.cpp" line="-753"/>
        <location line="+8"/>
        <location line="+8"/>
        <location line="+7"/>
        <source>Invalid JSON</source>
        <translation>Nieprawidłowy JSON</translation>
    </message>
    <message>
        <location line="-20"/>
        <location line="+16"/>
        <source>Unrecognized project format</source>
        <translation>Nierozpoznany format projektu</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Unsupported project version</source>
        <translation>Nieobsługiwana wersja projektu</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Invalid project file: %1</source>
        <translation>Nieprawidłowy plik projektu: %1</translation>
    </message>
    <message>
        <location line="+757"/>
        <source>Loaded project (%1 strategy nodes, %2 combo nodes)</source>
        <translation>Wczytano projekt (węzły strategii: %1, węzły kombinacji: %2)</translation>
    </message>
    <message>
        <location filename="../qml/components/TopBar.qml" line="+55"/>
        <location filename="../qml/pages/solve/SolvePage.qml" line="+95"/>
        <location filename="../app/controller_solve.cpp" line="-157"/>
        <source>Starting...</source>
        <translation>Uruchamianie...</translation>
    </message>
    <message>
        <location filename="../app/controller_solve.cpp" line="+31"/>
        <source>Not ready: enter a valid board first</source>
        <translation>Niegotowe: najpierw wpisz prawidłowy board</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Not ready: select at least one hand in both ranges</source>
        <translation>Niegotowe: wybierz co najmniej jedną rękę w obu zakresach</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Not ready: fill out both OOP and IP sizing</source>
        <translation>Niegotowe: uzupełnij sizing OOP i IP</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Not ready: rake must be between 0 and 100%</source>
        <translation>Niegotowe: rake musi wynosić od 0 do 100%</translation>
    </message>
    <message>
        <source>Not ready: the starting street is not the street of the board</source>
        <translation>Niegotowe: ulica początkowa nie odpowiada boardowi</translation>
    </message>
    <message>
        <source>Not ready: a sizing text does not read: %1</source>
        <translation>Niegotowe: nie można odczytać tekstu sizingu: %1</translation>
    </message>
    <message>
        <source>Not ready: the pot and the stack must be above 0</source>
        <translation>Niegotowe: pula i stack muszą być większe od 0</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Not enough memory: this spot needs at least %1, %2 are available</source>
        <translation>Za mało pamięci: ten spot wymaga co najmniej %1, dostępne jest %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not enough memory: this spot needs %1, %2 are available</source>
        <translation>Za mało pamięci: ten spot wymaga %1, dostępne jest %2</translation>
    </message>
    <message>
        <location line="+227"/>
        <source>at least %1</source>
        <translation>co najmniej %1</translation>
    </message>
    <message>
        <location line="-210"/>
        <source>Already running</source>
        <translation>Już trwa</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>No previous solve config (solve once first)</source>
        <translation>Brak poprzedniej konfiguracji obliczeń (najpierw wykonaj obliczenia)</translation>
    </message>
    <message>
        <location filename="../qml/pages/solve/SolvePage.qml" line="+247"/>
        <location filename="../app/controller_solve.cpp" line="+21"/>
        <source>Cancelling...</source>
        <translation>Anulowanie...</translation>
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
        <translation>Projekt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Solve</source>
        <translation>Obliczenia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Results</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tessaval</source>
        <translation>Tessaval</translation>
    </message>
    <message>
        <location filename="../qml/components/field_commit.js" line="+15"/>
        <source>Not started: “%1” does not hold a value it can take.</source>
        <translation>Nie uruchomiono: „%1” nie zawiera prawidłowej wartości.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not started: the field being edited does not hold a value it can take.</source>
        <translation>Nie uruchomiono: edytowane pole nie zawiera prawidłowej wartości.</translation>
    </message>
    <message>
        <location filename="../qml/components/solve_gating.js" line="+74"/>
        <source>flop</source>
        <translation>flop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>turn</source>
        <translation>turn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>river</source>
        <translation>river</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 %2 bet sizes</source>
        <translation>bety %1 %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 %2 raise sizes</source>
        <translation>raise&apos;y %1 %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Pick the board: a flop, a turn or a river.</source>
        <translation>Wybierz board: flop, turn lub river.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Board: %1</source>
        <translation>Board: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Give %1 a range.</source>
        <translation>Podaj zakres dla %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 range: %2</source>
        <translation>Zakres %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The %1 range holds no hand.</source>
        <translation>Zakres %1 nie zawiera żadnej ręki.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Fill in the %1.</source>
        <translation>Uzupełnij %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not enough memory: the solve needs %1, %2 are available.</source>
        <translation>Za mało pamięci: obliczenie wymaga %1, dostępne jest %2.</translation>
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
        <translation>poker</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>quads</source>
        <translation>kareta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>full house</source>
        <translation>full</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>flush</source>
        <translation>kolor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>straight</source>
        <translation>strit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>set</source>
        <translation>set</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>trips</source>
        <translation>trips</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>two pair</source>
        <translation>dwie pary</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>top pair</source>
        <translation>top para</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>overpair</source>
        <translation>overpara</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>middle pair</source>
        <translation>środkowa para</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bottom pair</source>
        <translation>dolna para</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dry pair</source>
        <translation>sucha para</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>flush draw</source>
        <translation>dro do koloru</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>missed FD</source>
        <translation>chybione dro do koloru</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>open ended straight draw</source>
        <translation>obustronne dro do strita</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>missed OESD</source>
        <translation>chybione OESD</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>gutter</source>
        <translation>gutshot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>missed gutter</source>
        <translation>chybiony gutshot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>back door flush draw</source>
        <translation>backdoor do koloru</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>air</source>
        <translation>powietrze</translation>
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
        <translation>Nowoczesny, wydajny solver do holdema</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../qml/pages/home/QuickActionsCard.qml" line="+23"/>
        <source>New Solve</source>
        <translation>Nowe obliczenia</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Open File</source>
        <translation>Otwórz plik</translation>
    </message>
    <message>
        <location filename="../qml/pages/home/HomePage.qml" line="+56"/>
        <location filename="../qml/pages/home/SolveTrendCard.qml" line="+212"/>
        <source>%1s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1m</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1m %2s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tessaval Project (*.tessavalproj)</source>
        <translation>Projekt Tessaval (*.tessavalproj)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>All Files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>Saving %1…</source>
        <translation>Zapisywanie %1…</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Opening %1…</source>
        <translation>Otwieranie %1…</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Saved the project as %1 in %2.</source>
        <translation>Zapisano projekt jako %1 w folderze %2.</translation>
    </message>
    <message>
        <source>Lock edits made since the last solve are not in it: re-solve, then save to keep them.</source>
        <translation>Zmiany blokad od ostatniego przeliczenia nie zostały zapisane: przelicz, a potem zapisz, aby je zachować.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the project service is not available.</source>
        <translation>usługa projektów jest niedostępna.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Could not open %1: %2</source>
        <translation>Nie udało się otworzyć %1: %2</translation>
    </message>
    <message>
        <location line="-18"/>
        <location line="+19"/>
        <source>unknown</source>
        <translation>nieznany</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Could not save %1 in %2: %3</source>
        <translation>Nie można zapisać %1 w folderze %2: %3</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Save Project</source>
        <translation>Zapisz projekt</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Open Project</source>
        <translation>Otwórz projekt</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Discard results</source>
        <translation>Odrzuć wyniki</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The results of the current solve were never saved. Discard them?</source>
        <translation>Wyniki bieżącego obliczenia nie zostały zapisane. Odrzucić je?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the project first to keep them.</source>
        <translation>Najpierw zapisz projekt, aby je zachować.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard</source>
        <translation>Odrzuć</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Clear Play vs. Solution Stats</source>
        <translation>Wyczyść statystyki gry vs rozwiązanie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear all Play vs. Solution statistics (today + total)?</source>
        <translation>Wyczyścić wszystkie statystyki gry vs rozwiązanie (dziś + łącznie)?</translation>
    </message>
    <message>
        <location filename="../qml/pages/home/PracticeStatsCard.qml" line="+36"/>
        <source>Play vs. Solution</source>
        <translation>Gra vs rozwiązanie</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Hands (Today / Total)</source>
        <translation>Rozdania (dziś / łącznie)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Accuracy (Today / Total)</source>
        <translation>Trafność (dziś / łącznie)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Avg EV Loss (Today / Total)</source>
        <translation>Śr. strata EV (dziś / łącznie)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>EV</source>
        <translation>EV</translation>
    </message>
    <message>
        <location filename="../qml/pages/home/QuickActionsCard.qml" line="+9"/>
        <source>Configure board, ranges, tree</source>
        <translation>Ustaw board, zakresy, drzewo</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Quick Solve</source>
        <translation>Szybkie obliczenia</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Use default settings</source>
        <translation>Z ustawieniami domyślnymi</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Import Range</source>
        <translation>Importuj zakres</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Load from file</source>
        <translation>Wczytaj z pliku</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Quick Actions</source>
        <translation>Szybkie akcje</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>→</source>
        <translation>→</translation>
    </message>
    <message>
        <location filename="../qml/pages/home/SolveActivityCard.qml" line="+28"/>
        <source>Jan</source>
        <translation>Sty</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Feb</source>
        <translation>Lut</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mar</source>
        <translation>Mar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apr</source>
        <translation>Kwi</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>May</source>
        <translation>Maj</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Jun</source>
        <translation>Cze</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jul</source>
        <translation>Lip</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Aug</source>
        <translation>Sie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sep</source>
        <translation>Wrz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oct</source>
        <translation>Paź</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Nov</source>
        <translation>Lis</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dec</source>
        <translation>Gru</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mon</source>
        <translation>Pn</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tue</source>
        <translation>Wt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wed</source>
        <translation>Śr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thu</source>
        <translation>Cz</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Fri</source>
        <translation>Pt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sat</source>
        <translation>So</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sun</source>
        <translation>Nd</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1%2</source>
        <translation>%1%2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> (future)</source>
        <translation> (przyszłość)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Solves: %1</source>
        <translation>Obliczenia: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Avg iters: %1</source>
        <translation>Śr. iteracji: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Avg expl: %1</source>
        <translation>Śr. eksploat.: %1</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Solve Activity</source>
        <translation>Aktywność obliczeń</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Last 6 months</source>
        <translation>Ostatnie 6 miesięcy</translation>
    </message>
    <message>
        <location filename="../qml/pages/home/SolveHistoryCard.qml" line="+18"/>
        <source>%1 available</source>
        <translation>Dostępne: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 (%2 free)</source>
        <translation>%1 (wolne: %2)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Solve history</source>
        <translation>Historia obliczeń</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total solves</source>
        <translation>Obliczenia łącznie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Solves this week</source>
        <translation>Obliczenia w tym tygodniu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Average run time</source>
        <translation>Średni czas obliczeń</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Engine</source>
        <translation>Silnik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tessaval Core</source>
        <translation>Tessaval Core</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Threads</source>
        <translation>Wątki</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Memory</source>
        <translation>Pamięć</translation>
    </message>
    <message>
        <location filename="../qml/pages/home/SolveTrendCard.qml" line="-170"/>
        <source>Solves over time</source>
        <translation>Obliczenia w czasie</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Daily</source>
        <translation>Dziennie</translation>
    </message>
    <message>
        <location line="+157"/>
        <source>%1
Daily: %2
Total: %3
Avg runtime: %4</source>
        <translation>%1
Dziennie: %2
Łącznie: %3
Śr. czas: %4</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>No solves yet</source>
        <translation>Brak obliczeń</translation>
    </message>
</context>
<context>
    <name>LocalFileDialog</name>
    <message>
        <location filename="../qml/components/LocalFileDialog.qml" line="+81"/>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>Replace file</source>
        <translation>Zastąp plik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A file with this name already exists. Do you want to replace it?</source>
        <translation>Plik o tej nazwie już istnieje. Czy chcesz go zastąpić?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Its current contents will be lost.</source>
        <translation>Jego obecna zawartość zostanie utracona.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replace</source>
        <translation>Zastąp</translation>
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
        <translation>Wybierz kartę</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Flop card</source>
        <translation>Karta flopa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Turn card</source>
        <translation>Karta turna</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>River card</source>
        <translation>Karta rivera</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Clear card</source>
        <translation>Usuń kartę</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../qml/pages/project/LoadSettingsDialog.qml" line="+129"/>
        <location filename="../qml/pages/project/SetupConfirmDialog.qml" line="+80"/>
        <location filename="../qml/pages/project/SetupNameDialog.qml" line="+127"/>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/GameSettingsCard.qml" line="+86"/>
        <source>Game Settings</source>
        <translation>Ustawienia gry</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+4"/>
        <source>Starting Pot</source>
        <translation>Pula początkowa</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+15"/>
        <source>e.g., 100.0</source>
        <translation>np. 100.0</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+4"/>
        <source>Effective Stack</source>
        <translation>Efektywny stack</translation>
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
        <translation>np. 5.0</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+4"/>
        <source>Rake Cap</source>
        <translation>Limit rake</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e.g., 0</source>
        <translation>np. 0</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+5"/>
        <source>Target Exploitability (%)</source>
        <translation>Cel eksploat. (%)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e.g., 0.10</source>
        <translation>np. 0.10</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/LoadSettingsDialog.qml" line="-101"/>
        <source>Load Settings Profile</source>
        <translation>Wczytaj profil ustawień</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Choose a saved profile:</source>
        <translation>Wybierz zapisany profil:</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>No saved profiles yet.</source>
        <translation>Brak zapisanych profili.</translation>
    </message>
    <message>
        <location line="+45"/>
        <location filename="../qml/pages/project/SetupConfirmDialog.qml" line="-64"/>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Load</source>
        <translation>Wczytaj</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/ProfileButtonsCard.qml" line="+28"/>
        <source>Load settings</source>
        <translation>Wczytaj ustawienia</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Save settings</source>
        <translation>Zapisz ustawienia</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/ProjectBuiltInRanges.qml" line="+199"/>
        <source>Export failed: appController.saveTextFile unavailable.</source>
        <translation>Eksport nie powiódł się: appController.saveTextFile jest niedostępne.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Exported to %1.</source>
        <translation>Wyeksportowano do %1.</translation>
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
        <translation>Wyczyść zmiany zakresów standardowych</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear all locally overridden standard ranges for %1?</source>
        <translation>Wyczyścić wszystkie lokalnie zmienione zakresy standardowe dla %1?</translation>
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
        <translation>Wyczyść zmiany zakresów populacji</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear all locally overridden population ranges for %1?</source>
        <translation>Wyczyścić wszystkie lokalnie zmienione zakresy populacji dla %1?</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Export Standard Ranges</source>
        <translation>Eksport zakresów standardowych</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Export Population Ranges</source>
        <translation>Eksport zakresów populacji</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/ProjectCustomRanges.qml" line="+110"/>
        <location line="+99"/>
        <location filename="../qml/pages/project/ProjectSettingsProfiles.qml" line="+94"/>
        <source>Please enter a name.</source>
        <translation>Podaj nazwę.</translation>
    </message>
    <message>
        <location line="-95"/>
        <source>Current range is empty.</source>
        <translation>Bieżący zakres jest pusty.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+30"/>
        <source>Unknown player.</source>
        <translation>Nieznany gracz.</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Please enter a folder name.</source>
        <translation>Podaj nazwę folderu.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Import failed: appController.readTextFile unavailable.</source>
        <translation>Import nie powiódł się: appController.readTextFile jest niedostępne.</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../qml/pages/project/builtin_ranges.js" line="+432"/>
        <source>unknown error</source>
        <translation>nieznany błąd</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import failed: %1</source>
        <translation>Import nie powiódł się: %1</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/range_text.js" line="+220"/>
        <source>Import failed: the file is not a text file.</source>
        <translation>Import nie powiódł się: plik nie jest plikiem tekstowym.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Import failed: “%1” is not a range item.</source>
        <translation>Import nie powiódł się: „%1” nie jest elementem zakresu.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Import failed: file contained no recognizable hands.</source>
        <translation>Import nie powiódł się: plik nie zawiera rozpoznawalnych rąk.</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/ProjectCustomRanges.qml" line="+21"/>
        <source>No range content to import.</source>
        <translation>Brak treści zakresu do importu.</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Save IP range</source>
        <translation>Zapisz zakres IP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save OOP range</source>
        <translation>Zapisz zakres OOP</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+37"/>
        <source>Name this range:</source>
        <translation>Nazwa zakresu:</translation>
    </message>
    <message>
        <location line="-36"/>
        <source>e.g., BTN vs BB (default)</source>
        <translation>np. BTN vs BB (domyślny)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/project/ProjectSettingsProfiles.qml" line="+53"/>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Add folder (IP)</source>
        <translation>Dodaj folder (IP)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add folder (OOP)</source>
        <translation>Dodaj folder (OOP)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folder name:</source>
        <translation>Nazwa folderu:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e.g., BTN vs BB</source>
        <translation>np. BTN vs BB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+42"/>
        <source>Import Range</source>
        <translation>Importuj zakres</translation>
    </message>
    <message>
        <location line="-40"/>
        <source>e.g., BTN open (custom)</source>
        <translation>np. BTN open (własny)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Delete folder</source>
        <translation>Usuń folder</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete range</source>
        <translation>Usuń zakres</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Are you sure you want to delete this folder?</source>
        <translation>Czy na pewno usunąć ten folder?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to delete this range?</source>
        <translation>Czy na pewno usunąć ten zakres?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This will also delete %1 range(s). This cannot be undone.</source>
        <translation>Zostaną też usunięte zakresy (%1). Tej operacji nie można cofnąć.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../qml/pages/project/ProjectSettingsProfiles.qml" line="+35"/>
        <source>This cannot be undone.</source>
        <translation>Tej operacji nie można cofnąć.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Range text (*.txt)</source>
        <translation>Tekst zakresu (*.txt)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/project/RangeExportFileDialog.qml" line="+10"/>
        <source>All Files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
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
        <translation>Konfiguracja projektu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ready</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Setup Required</source>
        <translation>Wymagana konfiguracja</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Solve RAM: %1</source>
        <translation>RAM obliczeń: %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Available RAM: %1</source>
        <translation>Dostępny RAM: %1</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Continue to Solve →</source>
        <translation>Przejdź do obliczeń →</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/ProjectRangeLibrary.qml" line="+117"/>
        <location filename="../qml/pages/project/RangeLibrarySidebar.qml" line="+126"/>
        <source>Standard Ranges</source>
        <translation>Zakresy standardowe</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../qml/pages/project/RangeLibrarySidebar.qml" line="+4"/>
        <source>Population Ranges</source>
        <translation>Zakresy populacji</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/project/RangeLibrarySidebar.qml" line="+4"/>
        <source>Custom Ranges</source>
        <translation>Własne zakresy</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/ProjectSettingsProfiles.qml" line="-70"/>
        <source>Please select a profile.</source>
        <translation>Wybierz profil.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Save Settings Profile</source>
        <translation>Zapisz profil ustawień</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Profile name:</source>
        <translation>Nazwa profilu:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e.g., 100bb rake-free (fast)</source>
        <translation>np. 100bb bez rake (szybko)</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Delete settings profile</source>
        <translation>Usuń profil ustawień</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to delete this saved profile?</source>
        <translation>Czy na pewno usunąć ten zapisany profil?</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/RangeExportFileDialog.qml" line="+0"/>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/RangeLibrarySidebar.qml" line="+48"/>
        <source>No ranges yet.</source>
        <translation>Brak zakresów.</translation>
    </message>
    <message>
        <location line="+54"/>
        <location line="+20"/>
        <source>Override</source>
        <translation>Zmień</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Export standard…</source>
        <translation>Eksport standardowych…</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+20"/>
        <source>Clear overrides…</source>
        <translation>Wyczyść zmiany…</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Export population…</source>
        <translation>Eksport populacji…</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Save current range…</source>
        <translation>Zapisz zakres…</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Import range…</source>
        <translation>Importuj zakres…</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add folder…</source>
        <translation>Dodaj folder…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Delete selected…</source>
        <translation>Usuń zaznaczone…</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/RangePanel.qml" line="+69"/>
        <source>OOP Range</source>
        <translation>Zakres OOP</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>IP Range</source>
        <translation>Zakres IP</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <location line="+79"/>
        <location line="+7"/>
        <source>Weight</source>
        <translation>Waga</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>np. AA, KK, AKs, QQ+ lub 50%</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>The solver does not read this range: %1</source>
        <translation>Solver nie odczyta tego zakresu: %1</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/SizingCard.qml" line="+141"/>
        <source>OOP Sizing</source>
        <translation>Sizing OOP</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>IP Sizing</source>
        <translation>Sizing IP</translation>
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
        <translation>Bety (%)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Raise sizes (%)</source>
        <translation>Raise&apos;y (%)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Add All-In</source>
        <translation>Dodaj all-in</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Don&apos;t donk</source>
        <translation>Bez donka</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Copy OOP settings</source>
        <translation>Kopiuj z OOP</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+4"/>
        <source>Add all-in if jam less than</source>
        <translation>All-in, gdy push &lt;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>e.g. 30</source>
        <translation>np. 30</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>% pot</source>
        <translation>% puli</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/builtin_ranges.js" line="-1"/>
        <source>Export failed: %1</source>
        <translation>Eksport nie powiódł się: %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No rake</source>
        <translation>Bez rake</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>50nl rake</source>
        <translation>Rake 50nl</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>100nl rake</source>
        <translation>Rake 100nl</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>200nl rake</source>
        <translation>Rake 200nl</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>500nl rake</source>
        <translation>Rake 500nl</translation>
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
        <translation>3bet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4bet</source>
        <translation>4bet</translation>
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
        <translation>vs RFI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>vs 3bet</source>
        <translation>vs 3bet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>vs 4bet</source>
        <translation>vs 4bet</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>vs %1 RFI</source>
        <translation>vs %1 RFI</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 vs %2 3bet</source>
        <translation>%1 vs %2 3bet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 3bet vs %2 4bet</source>
        <translation>%1 3bet vs %2 4bet</translation>
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
        <translation>Limp-call</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Limp-3b</source>
        <translation>Limp-3b</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Call raise</source>
        <translation>Call raise&apos;a</translation>
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
        <translation>Call 3b</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Call 4b</source>
        <translation>Call 4b</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3b cold call</source>
        <translation>Cold call 3b</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bomb pot</source>
        <translation>Bomb pot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weaker regs</source>
        <translation>Słabsi regularzy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tighter reg</source>
        <translation>Tighter reg</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Looser reg</source>
        <translation>Looser reg</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other</source>
        <translation>Inne</translation>
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
        <translation>Pasywny</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Passive tight</source>
        <translation>Pasywny tight</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Passive neutral</source>
        <translation>Pasywny neutralny</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Passive loose</source>
        <translation>Pasywny loose</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Extreme loose</source>
        <translation>Skrajnie loose</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Loose aggressive</source>
        <translation>Loose-agresywny</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standard LAG</source>
        <translation>Standardowy LAG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maniac</source>
        <translation>Maniak</translation>
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
        <translation>Zakres</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>np. AA, KK, AKs, QQ+ lub 50%</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 hands</source>
        <translation>Ręce: %1</translation>
    </message>
</context>
<context>
    <name>ResultsPage</name>
    <message>
        <location filename="../qml/pages/results/ChanceCardPicker.qml" line="+91"/>
        <source>%1 cannot be dealt: the opponent holds it in every hand that gets here. Choose another card.</source>
        <translation>Nie można rozdać %1: przeciwnik ma ją w każdej ręce, która tu dochodzi. Wybierz inną kartę.</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>Random</source>
        <translation>Losowo</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/DistributionsDialog.qml" line="+30"/>
        <location filename="../qml/pages/results/ResultsHeader.qml" line="+113"/>
        <source>Distributions</source>
        <translation>Rozkłady</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>EV by hand</source>
        <translation>EV wg rąk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Equity by hand</source>
        <translation>Equity wg rąk</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Close</source>
        <translation>Zamknij</translation>
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
        <translation>Obliczanie rozkładów…</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Distributions unavailable.</source>
        <translation>Rozkłady niedostępne.</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/DistributionsPlot.qml" line="+54"/>
        <source>Computing…</source>
        <translation>Obliczanie…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No data</source>
        <translation>Brak danych</translation>
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
        <translation>Karta: %1</translation>
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
        <translation>Dostępne akcje</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 options</source>
        <translation>Opcje: %1</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/GameTreePanel.qml" line="+29"/>
        <source>Game Tree</source>
        <translation>Drzewo gry</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/HandBucketsCard.qml" line="+29"/>
        <source>Buckets</source>
        <translation>Grupy</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 shown</source>
        <translation>Pokazano: %1</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>%1 combos</source>
        <translation>%1 kombo</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Buckets are shown where a player acts.</source>
        <translation>Grupy są pokazywane tam, gdzie gracz podejmuje decyzję.</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/HandComboRow.qml" line="+56"/>
        <source>EV:</source>
        <translation>EV:</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/HandDetailsCard.qml" line="+39"/>
        <source>Hand Details</source>
        <translation>Szczegóły rąk</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Search (JJ, 56s, JcJd, ...)</source>
        <translation>Szukaj (JJ, 56s, JcJd, ...)</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Loading hand combos…</source>
        <translation>Wczytywanie kombinacji…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No hand combos to display for this node.</source>
        <translation>Brak kombinacji do pokazania w tym węźle.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Filter: %1</source>
        <translation>Filtr: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No combos match the current filters.</source>
        <translation>Żadna kombinacja nie pasuje do bieżących filtrów.</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/NodeFiguresBox.qml" line="+67"/>
        <source>Pot</source>
        <translation>Pula</translation>
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
        <translation>Do calla</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Rake taken</source>
        <translation>Pobrany rake</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>SPR</source>
        <translation>SPR</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Pot odds</source>
        <translation>Pot odds</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/NodeLockPanel.qml" line="+146"/>
        <source>Node-Locking</source>
        <translation>Blokada węzła</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Node-locking is only available on decision nodes.</source>
        <translation>Blokada jest dostępna tylko w węzłach decyzyjnych.</translation>
    </message>
    <message>
        <location line="-128"/>
        <location line="+220"/>
        <source>Mixed</source>
        <translation>Mieszana</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>freq</source>
        <translation>częst.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Reset locks</source>
        <translation>Zdejmij blokady</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/FileResultsNotice.qml" line="+51"/>
        <location filename="../qml/pages/results/NodeLockPanel.qml" line="+8"/>
        <source>Re-solve</source>
        <translation>Przelicz</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/NodeLockPanel.qml" line="+11"/>
        <source>Tip: enter frequencies above, then click a hand cell in the matrix to apply the mixed strategy.</source>
        <translation>Wskazówka: wpisz częstości powyżej, a potem kliknij komórkę ręki w macierzy, aby zastosować strategię mieszaną.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tip: select an action above, then click a hand cell in the matrix to lock it.</source>
        <translation>Wskazówka: wybierz akcję powyżej, a potem kliknij komórkę ręki w macierzy, aby ją zablokować.</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/PlayHandDetailsPanel.qml" line="-15"/>
        <source>Flop</source>
        <translation>Flop</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Hands</source>
        <translation>Ręce</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Summary</source>
        <translation>Podsumowanie</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Winner: %1</source>
        <translation>Zwycięzca: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TIE</source>
        <translation>REMIS</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Won: %1   Rake: %2</source>
        <translation>Wygrana: %1   Rake: %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>EV lost: %1</source>
        <translation>Utracone EV: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Incorrect: %1</source>
        <translation>Błąd: %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Correct: %1</source>
        <translation>Poprawnie: %1</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/PlayHandLogPanel.qml" line="+51"/>
        <source>Hand Log</source>
        <translation>Historia rozdań</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 hands</source>
        <translation>Rozdania: %1</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/PlayHandLogRow.qml" line="+103"/>
        <source>Perfect</source>
        <translation>Idealnie</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/PlayTableStage.qml" line="+68"/>
        <source>Play as OOP</source>
        <translation>Graj jako OOP</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Play as both</source>
        <translation>Graj obiema stronami</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Play as IP</source>
        <translation>Graj jako IP</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Click Turn/River to change</source>
        <translation>Kliknij turn/river, aby zmienić</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Deal the river: click its place on the board</source>
        <translation>Rozdaj river: kliknij jego miejsce na boardzie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Deal the turn: click its place on the board</source>
        <translation>Rozdaj turn: kliknij jego miejsce na boardzie</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Pot: %1</source>
        <translation>Pula: %1</translation>
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
        <translation>Nie udało się tu rozdać ręki: zakresy nie zostawiają kart dla obu graczy.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Another hand</source>
        <translation>Nowe rozdanie</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Stop drill</source>
        <translation>Zakończ trening</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drill spot</source>
        <translation>Trenuj spot</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/PlayTableView.qml" line="+35"/>
        <location filename="../qml/pages/results/ResultsHeader.qml" line="+33"/>
        <source>Play vs. Solution</source>
        <translation>Gra vs rozwiązanie</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Role: %1</source>
        <translation>Rola: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose a role to start</source>
        <translation>Wybierz rolę, aby zacząć</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Practice needs the solved spot: the project file holds only the nodes that were viewed before it was saved. Re-solve the spot to play against its solution.</source>
        <translation>Trening wymaga rozwiązanego spotu: plik projektu zawiera tylko węzły oglądane przed zapisem. Przelicz spot, aby zagrać przeciw jego rozwiązaniu.</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/ResultsHeader.qml" line="+1"/>
        <source>Strategy View</source>
        <translation>Widok strategii</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>%1 to act</source>
        <translation>Ruch: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Card to deal</source>
        <translation>Karta do rozdania</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hand over</source>
        <translation>Rozdanie zakończone</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Range view</source>
        <translation>Widok zakresów</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play vs solution</source>
        <translation>Gra vs rozwiązanie</translation>
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
        <translation>Eksploat.</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/StrategyCard.qml" line="+48"/>
        <source>The re-solved solution differs from the one saved in the project file.</source>
        <translation>Ponownie obliczone rozwiązanie różni się od zapisanego w pliku projektu.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Action Frequencies</source>
        <translation>Częstości akcji</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>The project file holds only the nodes that were viewed before it was saved, and this node is not among them. Re-solve the spot to see every node.</source>
        <translation>Plik projektu zawiera tylko węzły oglądane przed zapisem, a tego węzła wśród nich nie ma. Przelicz spot, aby zobaczyć każdy węzeł.</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/StrategyMatrixPanel.qml" line="+99"/>
        <source>Strategy by Hand</source>
        <translation>Strategia wg rąk</translation>
    </message>
    <message>
        <location line="+130"/>
        <source>Standard mode</source>
        <translation>Tryb standardowy</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Node-lock mode</source>
        <translation>Tryb blokady</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <location filename="../qml/pages/settings/AppearanceCard.qml" line="+38"/>
        <source>Appearance</source>
        <translation>Wygląd</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Dark Mode</source>
        <translation>Tryb ciemny</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use dark color scheme throughout the interface</source>
        <translation>Używaj ciemnego schematu kolorów w całym interfejsie</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change the app language (takes effect immediately)</source>
        <translation>Zmień język aplikacji (działa od razu)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>System default</source>
        <translation>Domyślny systemu</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>Accent Color</source>
        <translation>Kolor akcentu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Customize the app highlight color (buttons, accents, clubs/check).</source>
        <translation>Dostosuj kolor wyróżnień aplikacji (przyciski, akcenty, trefle/check).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Reset</source>
        <translation>Resetuj</translation>
    </message>
    <message>
        <location filename="../qml/pages/settings/LicensesCard.qml" line="+32"/>
        <source>Licenses</source>
        <translation>Licencje</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Third-party notices and license texts are included in the &apos;licenses&apos; folder next to the executable.</source>
        <translation>Informacje o komponentach zewnętrznych i teksty licencji znajdują się w folderze „licenses” obok pliku wykonywalnego.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Open licenses folder</source>
        <translation>Otwórz folder licencji</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Open notices</source>
        <translation>Otwórz informacje</translation>
    </message>
    <message>
        <location filename="../qml/pages/settings/SettingsPage.qml" line="+85"/>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Reset to Defaults</source>
        <translation>Przywróć domyślne</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Save Settings</source>
        <translation>Zapisz ustawienia</translation>
    </message>
    <message>
        <location filename="../qml/pages/settings/UpdatesCard.qml" line="+20"/>
        <source>Current version: %1</source>
        <translation>Bieżąca wersja: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown</source>
        <translation>Nieznana</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last checked: %1</source>
        <translation>Ostatnie sprawdzenie: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Downloaded</source>
        <translation>Pobrano</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Downloading: %1%</source>
        <translation>Pobieranie: %1%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Downloading…</source>
        <translation>Pobieranie…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Checking...</source>
        <translation>Sprawdzanie...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check for updates</source>
        <translation>Sprawdź aktualizacje</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Updating…</source>
        <translation>Aktualizowanie…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Install update</source>
        <translation>Zainstaluj aktualizację</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update</source>
        <translation>Aktualizuj</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Install update?</source>
        <translation>Zainstalować aktualizację?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tessaval will close to install the update. Continue?</source>
        <translation>Tessaval zostanie zamknięty, aby zainstalować aktualizację. Kontynuować?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Updates</source>
        <translation>Aktualizacje</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Update available: %1</source>
        <translation>Dostępna aktualizacja: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No updates available.</source>
        <translation>Brak dostępnych aktualizacji.</translation>
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
        <translation>Przegląd i szybkie akcje</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Setup</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Board, ranges, tree</source>
        <translation>Board, zakresy, drzewo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Solve</source>
        <translation>Obliczenia</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Run solver</source>
        <translation>Uruchom solver</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Results</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Browse strategies</source>
        <translation>Przeglądaj strategie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Preferences</source>
        <translation>Preferencje</translation>
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
        <translation>Solver pokerowy</translation>
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
        <translation>Obliczenia</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>CPU threads utilized</source>
        <translation>Używane wątki CPU</translation>
    </message>
    <message>
        <location filename="../qml/pages/solve/SolveConfigCard.qml" line="+59"/>
        <source>Configuration</source>
        <translation>Konfiguracja</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Street</source>
        <translation>Ulica</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pot / Stack</source>
        <translation>Pula / Stack</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Target</source>
        <translation>Cel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rake</source>
        <translation>Rake</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bet sizes</source>
        <translation>Rozmiary betów</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Options enabled</source>
        <translation>Włączone opcje</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Controls</source>
        <translation>Sterowanie</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Solving...</source>
        <translation>Obliczanie...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start Solve</source>
        <translation>Rozpocznij obliczenia</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>View Results →</source>
        <translation>Zobacz wyniki →</translation>
    </message>
    <message>
        <location filename="../qml/pages/solve/SolvePage.qml" line="-268"/>
        <source>Max, 1 thread</source>
        <translation>Maks., 1 wątek</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Max, %1 threads</source>
        <translation>Maks., wątki: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 thread</source>
        <translation>1 wątek</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 threads</source>
        <translation>Wątki: %1</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Ready to solve</source>
        <translation>Gotowe do obliczeń</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Starting solver…</source>
        <translation>Uruchamianie solvera…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Initializing…</source>
        <translation>Inicjalizacja…</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Finalizing…</source>
        <translation>Finalizowanie…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Iteration %1 | exploitability=%2</source>
        <translation>Iteracja %1 | eksploatowalność=%2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Finalizing</source>
        <translation>Finalizowanie</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/solve/SolveRecentRunsCard.qml" line="+36"/>
        <source>Running</source>
        <translation>W toku</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ready</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>OOP: don&apos;t donk on flop</source>
        <translation>OOP: bez donka na flopie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: don&apos;t donk on turn</source>
        <translation>OOP: bez donka na turnie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: don&apos;t donk on river</source>
        <translation>OOP: bez donka na riverze</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: add all-in on flop</source>
        <translation>OOP: all-in na flopie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: add all-in on turn</source>
        <translation>OOP: all-in na turnie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: add all-in on river</source>
        <translation>OOP: all-in na riverze</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP: add all-in on flop</source>
        <translation>IP: all-in na flopie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP: add all-in on turn</source>
        <translation>IP: all-in na turnie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP: add all-in on river</source>
        <translation>IP: all-in na riverze</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: add all-in if jam &lt; %1% pot</source>
        <translation>OOP: all-in, gdy push &lt; %1% puli</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP: add all-in if jam &lt; %1% pot</source>
        <translation>IP: all-in, gdy push &lt; %1% puli</translation>
    </message>
    <message>
        <location line="+30"/>
        <location filename="../qml/pages/solve/SolveRecentRunsCard.qml" line="+160"/>
        <source>Iterations %1 • Target %2% (≈ %3) • Threads %4</source>
        <translation>Iteracje %1 • Cel %2% (≈ %3) • Wątki %4</translation>
    </message>
    <message>
        <location line="+247"/>
        <source>Solve</source>
        <translation>Obliczenia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Run the CFR solver and monitor progress in real-time.</source>
        <translation>Uruchom solver CFR i śledź postęp w czasie rzeczywistym.</translation>
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
        <translation>%1% (limit %2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>F %1/%2 • T %3/%4 • R %5/%6</source>
        <translation>F %1/%2 • T %3/%4 • R %5/%6</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Window %1/%2</source>
        <translation>Okno %1/%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Iterations: %1</source>
        <translation>Iteracje: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Measuring...</source>
        <translation>Pomiar...</translation>
    </message>
    <message>
        <location filename="../qml/pages/solve/SolveProgressCard.qml" line="+34"/>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Solver converged — finalizing results…</source>
        <translation>Solver osiągnął zbieżność — finalizowanie wyników…</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Metrics</source>
        <translation>Metryki</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Elapsed</source>
        <translation>Upłynęło</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Remaining</source>
        <translation>Pozostało</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Speed</source>
        <translation>Szybkość</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it/s</source>
        <translation>it/s</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Exploitability</source>
        <translation>Eksploatowalność</translation>
    </message>
    <message>
        <location filename="../qml/pages/solve/SolveRecentRunsCard.qml" line="-159"/>
        <source>Completed</source>
        <translation>Ukończono</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancelled</source>
        <translation>Anulowano</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed</source>
        <translation>Niepowodzenie</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Recent Runs</source>
        <translation>Ostatnie uruchomienia</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>No runs yet — click Start Solve to record a run here.</source>
        <translation>Brak uruchomień — kliknij „Rozpocznij obliczenia”, aby je tu zapisać.</translation>
    </message>
</context>
<context>
    <name>TopBar</name>
    <message>
        <location filename="../qml/components/TopBar.qml" line="+4"/>
        <source>Finalizing</source>
        <translation>Finalizowanie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Starting</source>
        <translation>Uruchamianie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Initializing</source>
        <translation>Inicjalizacja</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Solving</source>
        <translation>Obliczanie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ready</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Setup</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>A solve is running: the other pages open when it ends or is cancelled</source>
        <translation>Trwa obliczenie: pozostałe strony otworzą się po jego zakończeniu lub anulowaniu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start a new project (or load one) from Home to enable Project</source>
        <translation>Utwórz nowy projekt (lub wczytaj istniejący) na stronie Start, aby włączyć „Projekt”</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Solve</source>
        <translation>Obliczenia</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Fill board, ranges, and sizings to enable Solve</source>
        <translation>Uzupełnij board, zakresy i sizingi, aby włączyć „Obliczenia”</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>Results</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Run a solve to enable Results</source>
        <translation>Wykonaj obliczenia, aby włączyć „Wyniki”</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Settings</source>
        <translation>Ustawienia</translation>
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
        <translation>Karta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Terminal</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Pot: %1</source>
        <translation>Pula: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Freq: %1%</source>
        <translation>Częst.: %1%</translation>
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
        <translation>Nie skonfigurowano adresu URL aktualizacji.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+36"/>
        <source>Update check failed: %1</source>
        <translation>Sprawdzanie aktualizacji nie powiodło się: %1</translation>
    </message>
    <message>
        <location line="-35"/>
        <location line="+72"/>
        <source>the address must use HTTPS</source>
        <translation>adres musi używać HTTPS</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>Invalid update response (HTTP %1).</source>
        <translation>Nieprawidłowa odpowiedź serwera aktualizacji (HTTP %1).</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+167"/>
        <source>No download URL available.</source>
        <translation>Brak adresu URL do pobrania.</translation>
    </message>
    <message>
        <location line="-155"/>
        <location line="+66"/>
        <source>Download failed: %1</source>
        <translation>Pobieranie nie powiodło się: %1</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>Failed to create download file.</source>
        <translation>Nie można utworzyć pliku do pobrania.</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Failed to finalize download file (HTTP %1).</source>
        <translation>Nie można ukończyć pobranego pliku (HTTP %1).</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>No downloaded update is ready to install.</source>
        <translation>Brak pobranej aktualizacji gotowej do instalacji.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Downloaded installer file is missing.</source>
        <translation>Brak pobranego pliku instalatora.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Failed to launch installer.</source>
        <translation>Nie można uruchomić instalatora.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No update is available.</source>
        <translation>Brak dostępnej aktualizacji.</translation>
    </message>
</context>
</TS>
