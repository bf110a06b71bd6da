<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
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
        <translation>%1 combo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1% equity</source>
        <translation>%1% di equity</translation>
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
        <translation>URL del file non valido o non locale</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Empty file path</source>
        <translation>Percorso del file vuoto</translation>
    </message>
    <message>
        <location filename="../app/app_controller.cpp" line="+74"/>
        <location filename="../app/controller_solve.cpp" line="+256"/>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <location filename="../app/controller_files.cpp" line="+84"/>
        <location filename="../app/controller_project.cpp" line="+976"/>
        <location line="+5"/>
        <source>Failed to open file: %1</source>
        <translation>Impossibile aprire il file: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+6"/>
        <source>Failed to save file: %1</source>
        <translation>Impossibile salvare il file: %1</translation>
    </message>
    <message>
        <location filename="../app/controller_project.cpp" line="-753"/>
        <location line="+8"/>
        <location line="+8"/>
        <location line="+7"/>
        <source>Invalid JSON</source>
        <translation>JSON non valido</translation>
    </message>
    <message>
        <location line="-20"/>
        <location line="+16"/>
        <source>Unrecognized project format</source>
        <translation>Formato di progetto non riconosciuto</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Unsupported project version</source>
        <translation>Versione del progetto non supportata</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Invalid project file: %1</source>
        <translation>File di progetto non valido: %1</translation>
    </message>
    <message>
        <location line="+757"/>
        <source>Loaded project (%1 strategy nodes, %2 combo nodes)</source>
        <translation>Progetto caricato (%1 nodi di strategia, %2 nodi di combo)</translation>
    </message>
    <message>
        <location filename="../qml/components/TopBar.qml" line="+55"/>
        <location filename="../qml/pages/solve/SolvePage.qml" line="+95"/>
        <location filename="../app/controller_solve.cpp" line="-157"/>
        <source>Starting...</source>
        <translation>Avvio...</translation>
    </message>
    <message>
        <location filename="../app/controller_solve.cpp" line="+31"/>
        <source>Not ready: enter a valid board first</source>
        <translation>Non pronto: inserisci prima un board valido</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Not ready: select at least one hand in both ranges</source>
        <translation>Non pronto: seleziona almeno una mano in entrambi i range</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Not ready: fill out both OOP and IP sizing</source>
        <translation>Non pronto: compila il sizing di OOP e di IP</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Not ready: rake must be between 0 and 100%</source>
        <translation>Non pronto: il rake deve essere tra 0 e 100%</translation>
    </message>
    <message>
        <source>Not ready: the starting street is not the street of the board</source>
        <translation>Non pronto: la street iniziale non è quella del board</translation>
    </message>
    <message>
        <source>Not ready: a sizing text does not read: %1</source>
        <translation>Non pronto: un testo di sizing non è leggibile: %1</translation>
    </message>
    <message>
        <source>Not ready: the pot and the stack must be above 0</source>
        <translation>Non pronto: piatto e stack devono essere maggiori di 0</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Not enough memory: this spot needs at least %1, %2 are available</source>
        <translation>Memoria insufficiente: questo spot richiede almeno %1, disponibili %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not enough memory: this spot needs %1, %2 are available</source>
        <translation>Memoria insufficiente: questo spot richiede %1, disponibili %2</translation>
    </message>
    <message>
        <location line="+227"/>
        <source>at least %1</source>
        <translation>almeno %1</translation>
    </message>
    <message>
        <location line="-210"/>
        <source>Already running</source>
        <translation>Già in esecuzione</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>No previous solve config (solve once first)</source>
        <translation>Nessuna configurazione di calcolo precedente (esegui prima un calcolo)</translation>
    </message>
    <message>
        <location filename="../qml/pages/solve/SolvePage.qml" line="+247"/>
        <location filename="../app/controller_solve.cpp" line="+21"/>
        <source>Cancelling...</source>
        <translation>Annullamento...</translation>
    </message>
</context>
<context>
    <name>AppShell</name>
    <message>
        <location filename="../qml/components/AppShell.qml" line="+122"/>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Setup</source>
        <translation>Configurazione</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Solve</source>
        <translation>Calcolo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tessaval</source>
        <translation>Tessaval</translation>
    </message>
    <message>
        <location filename="../qml/components/field_commit.js" line="+15"/>
        <source>Not started: “%1” does not hold a value it can take.</source>
        <translation>Non avviato: «%1» non contiene un valore valido.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not started: the field being edited does not hold a value it can take.</source>
        <translation>Non avviato: il campo in modifica non contiene un valore valido.</translation>
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
        <translation>sizing bet %1 %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 %2 raise sizes</source>
        <translation>sizing raise %1 %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Pick the board: a flop, a turn or a river.</source>
        <translation>Scegli il board: un flop, un turn o un river.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Board: %1</source>
        <translation>Board: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Give %1 a range.</source>
        <translation>Assegna un range a %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 range: %2</source>
        <translation>Range %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The %1 range holds no hand.</source>
        <translation>Il range di %1 non contiene mani.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Fill in the %1.</source>
        <translation>Compila il %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not enough memory: the solve needs %1, %2 are available.</source>
        <translation>Memoria insufficiente: il calcolo richiede %1, disponibili %2.</translation>
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
        <translation>scala colore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>quads</source>
        <translation>poker</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>full house</source>
        <translation>full</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>flush</source>
        <translation>colore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>straight</source>
        <translation>scala</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>set</source>
        <translation>set</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>trips</source>
        <translation>tris</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>two pair</source>
        <translation>doppia coppia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>top pair</source>
        <translation>top pair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>overpair</source>
        <translation>overpair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>middle pair</source>
        <translation>middle pair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bottom pair</source>
        <translation>bottom pair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dry pair</source>
        <translation>coppia secca</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>flush draw</source>
        <translation>progetto colore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>missed FD</source>
        <translation>progetto colore mancato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>open ended straight draw</source>
        <translation>progetto scala bilaterale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>missed OESD</source>
        <translation>bilaterale mancato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>gutter</source>
        <translation>gutshot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>missed gutter</source>
        <translation>gutshot mancato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>back door flush draw</source>
        <translation>backdoor colore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>air</source>
        <translation>aria</translation>
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
        <translation>Un solver di hold&apos;em moderno e ad alte prestazioni</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../qml/pages/home/QuickActionsCard.qml" line="+23"/>
        <source>New Solve</source>
        <translation>Nuovo calcolo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Open File</source>
        <translation>Apri file</translation>
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
        <translation>Progetto Tessaval (*.tessavalproj)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>All Files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>Saving %1…</source>
        <translation>Salvataggio di %1…</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Opening %1…</source>
        <translation>Apertura di %1…</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Saved the project as %1 in %2.</source>
        <translation>Progetto salvato come %1 in %2.</translation>
    </message>
    <message>
        <source>Lock edits made since the last solve are not in it: re-solve, then save to keep them.</source>
        <translation>Le modifiche ai blocchi fatte dopo l’ultimo calcolo non sono incluse: ricalcola, poi salva per conservarle.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the project service is not available.</source>
        <translation>il servizio progetti non è disponibile.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Could not open %1: %2</source>
        <translation>Impossibile aprire %1: %2</translation>
    </message>
    <message>
        <location line="-18"/>
        <location line="+19"/>
        <source>unknown</source>
        <translation>errore sconosciuto</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Could not save %1 in %2: %3</source>
        <translation>Impossibile salvare %1 in %2: %3</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Save Project</source>
        <translation>Salva progetto</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Open Project</source>
        <translation>Apri progetto</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Discard results</source>
        <translation>Scarta i risultati</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The results of the current solve were never saved. Discard them?</source>
        <translation>I risultati del calcolo attuale non sono mai stati salvati. Scartarli?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the project first to keep them.</source>
        <translation>Salva prima il progetto per conservarli.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard</source>
        <translation>Scarta</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Clear Play vs. Solution Stats</source>
        <translation>Cancella statistiche Gioca vs. soluzione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear all Play vs. Solution statistics (today + total)?</source>
        <translation>Cancellare tutte le statistiche di Gioca vs. soluzione (oggi + totale)?</translation>
    </message>
    <message>
        <location filename="../qml/pages/home/PracticeStatsCard.qml" line="+36"/>
        <source>Play vs. Solution</source>
        <translation>Gioca vs. soluzione</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Hands (Today / Total)</source>
        <translation>Mani (oggi / totale)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Accuracy (Today / Total)</source>
        <translation>Precisione (oggi / totale)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Avg EV Loss (Today / Total)</source>
        <translation>Perdita EV media (oggi / totale)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>EV</source>
        <translation>EV</translation>
    </message>
    <message>
        <location filename="../qml/pages/home/QuickActionsCard.qml" line="+9"/>
        <source>Configure board, ranges, tree</source>
        <translation>Configura board, range e albero</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Quick Solve</source>
        <translation>Calcolo rapido</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Use default settings</source>
        <translation>Usa le impostazioni predefinite</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Import Range</source>
        <translation>Importa range</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Load from file</source>
        <translation>Carica da file</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Quick Actions</source>
        <translation>Azioni rapide</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>→</source>
        <translation>→</translation>
    </message>
    <message>
        <location filename="../qml/pages/home/SolveActivityCard.qml" line="+28"/>
        <source>Jan</source>
        <translation>Gen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mar</source>
        <translation>Mar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>May</source>
        <translation>Mag</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Jun</source>
        <translation>Giu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jul</source>
        <translation>Lug</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Aug</source>
        <translation>Ago</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sep</source>
        <translation>Set</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oct</source>
        <translation>Ott</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dec</source>
        <translation>Dic</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mon</source>
        <translation>Lun</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tue</source>
        <translation>Mar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wed</source>
        <translation>Mer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thu</source>
        <translation>Gio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Fri</source>
        <translation>Ven</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sat</source>
        <translation>Sab</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sun</source>
        <translation>Dom</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1%2</source>
        <translation>%1%2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> (future)</source>
        <translation> (futuro)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Solves: %1</source>
        <translation>Calcoli: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Avg iters: %1</source>
        <translation>Iter. medie: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Avg expl: %1</source>
        <translation>Sfrutt. media: %1</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Solve Activity</source>
        <translation>Attività di calcolo</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Last 6 months</source>
        <translation>Ultimi 6 mesi</translation>
    </message>
    <message>
        <location filename="../qml/pages/home/SolveHistoryCard.qml" line="+18"/>
        <source>%1 available</source>
        <translation>%1 disponibili</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 (%2 free)</source>
        <translation>%1 (%2 liberi)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Solve history</source>
        <translation>Storico calcoli</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total solves</source>
        <translation>Calcoli totali</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Solves this week</source>
        <translation>Calcoli questa settimana</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Average run time</source>
        <translation>Durata media</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Engine</source>
        <translation>Motore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tessaval Core</source>
        <translation>Tessaval Core</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Threads</source>
        <translation>Thread</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <location filename="../qml/pages/home/SolveTrendCard.qml" line="-170"/>
        <source>Solves over time</source>
        <translation>Calcoli nel tempo</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Daily</source>
        <translation>Giornaliero</translation>
    </message>
    <message>
        <location line="+157"/>
        <source>%1
Daily: %2
Total: %3
Avg runtime: %4</source>
        <translation>%1
Nel giorno: %2
Totale: %3
Durata media: %4</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>No solves yet</source>
        <translation>Ancora nessun calcolo</translation>
    </message>
</context>
<context>
    <name>LocalFileDialog</name>
    <message>
        <location filename="../qml/components/LocalFileDialog.qml" line="+81"/>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>Replace file</source>
        <translation>Sostituisci file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A file with this name already exists. Do you want to replace it?</source>
        <translation>Esiste già un file con questo nome. Sostituirlo?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Its current contents will be lost.</source>
        <translation>Il suo contenuto attuale andrà perso.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replace</source>
        <translation>Sostituisci</translation>
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
        <translation>Scegli carta</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Flop card</source>
        <translation>Carta del flop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Turn card</source>
        <translation>Carta del turn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>River card</source>
        <translation>Carta del river</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Clear card</source>
        <translation>Rimuovi carta</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../qml/pages/project/LoadSettingsDialog.qml" line="+129"/>
        <location filename="../qml/pages/project/SetupConfirmDialog.qml" line="+80"/>
        <location filename="../qml/pages/project/SetupNameDialog.qml" line="+127"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/GameSettingsCard.qml" line="+86"/>
        <source>Game Settings</source>
        <translation>Impostazioni di gioco</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+4"/>
        <source>Starting Pot</source>
        <translation>Piatto iniziale</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+15"/>
        <source>e.g., 100.0</source>
        <translation>es. 100.0</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+4"/>
        <source>Effective Stack</source>
        <translation>Stack effettivo</translation>
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
        <translation>es. 5.0</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+4"/>
        <source>Rake Cap</source>
        <translation>Cap del rake</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e.g., 0</source>
        <translation>es. 0</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+5"/>
        <source>Target Exploitability (%)</source>
        <translation>Sfruttabilità obiettivo (%)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e.g., 0.10</source>
        <translation>es. 0.10</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/LoadSettingsDialog.qml" line="-101"/>
        <source>Load Settings Profile</source>
        <translation>Carica profilo di impostazioni</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Choose a saved profile:</source>
        <translation>Scegli un profilo salvato:</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>No saved profiles yet.</source>
        <translation>Ancora nessun profilo salvato.</translation>
    </message>
    <message>
        <location line="+45"/>
        <location filename="../qml/pages/project/SetupConfirmDialog.qml" line="-64"/>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/ProfileButtonsCard.qml" line="+28"/>
        <source>Load settings</source>
        <translation>Carica impostazioni</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Save settings</source>
        <translation>Salva impostazioni</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/ProjectBuiltInRanges.qml" line="+199"/>
        <source>Export failed: appController.saveTextFile unavailable.</source>
        <translation>Esportazione non riuscita: appController.saveTextFile non disponibile.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Exported to %1.</source>
        <translation>Esportato in %1.</translation>
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
        <translation>Rimuovi sovrascritture standard</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear all locally overridden standard ranges for %1?</source>
        <translation>Rimuovere tutti i range standard sovrascritti localmente per %1?</translation>
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
        <translation>Rimuovi sovrascritture popolazione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear all locally overridden population ranges for %1?</source>
        <translation>Rimuovere tutti i range di popolazione sovrascritti localmente per %1?</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Export Standard Ranges</source>
        <translation>Esporta range standard</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Export Population Ranges</source>
        <translation>Esporta range di popolazione</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/ProjectCustomRanges.qml" line="+110"/>
        <location line="+99"/>
        <location filename="../qml/pages/project/ProjectSettingsProfiles.qml" line="+94"/>
        <source>Please enter a name.</source>
        <translation>Inserisci un nome.</translation>
    </message>
    <message>
        <location line="-95"/>
        <source>Current range is empty.</source>
        <translation>Il range corrente è vuoto.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+30"/>
        <source>Unknown player.</source>
        <translation>Giocatore sconosciuto.</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Please enter a folder name.</source>
        <translation>Inserisci un nome per la cartella.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Import failed: appController.readTextFile unavailable.</source>
        <translation>Importazione non riuscita: appController.readTextFile non disponibile.</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../qml/pages/project/builtin_ranges.js" line="+432"/>
        <source>unknown error</source>
        <translation>errore sconosciuto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import failed: %1</source>
        <translation>Importazione non riuscita: %1</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/range_text.js" line="+220"/>
        <source>Import failed: the file is not a text file.</source>
        <translation>Importazione non riuscita: il file non è un file di testo.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Import failed: “%1” is not a range item.</source>
        <translation>Importazione non riuscita: «%1» non è un elemento di range.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Import failed: file contained no recognizable hands.</source>
        <translation>Importazione non riuscita: il file non contiene mani riconoscibili.</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/ProjectCustomRanges.qml" line="+21"/>
        <source>No range content to import.</source>
        <translation>Nessun contenuto di range da importare.</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Save IP range</source>
        <translation>Salva range IP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save OOP range</source>
        <translation>Salva range OOP</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+37"/>
        <source>Name this range:</source>
        <translation>Nome del range:</translation>
    </message>
    <message>
        <location line="-36"/>
        <source>e.g., BTN vs BB (default)</source>
        <translation>es. BTN vs BB (predefinito)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/project/ProjectSettingsProfiles.qml" line="+53"/>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Add folder (IP)</source>
        <translation>Aggiungi cartella (IP)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add folder (OOP)</source>
        <translation>Aggiungi cartella (OOP)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folder name:</source>
        <translation>Nome della cartella:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e.g., BTN vs BB</source>
        <translation>es. BTN vs BB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+42"/>
        <source>Import Range</source>
        <translation>Importa range</translation>
    </message>
    <message>
        <location line="-40"/>
        <source>e.g., BTN open (custom)</source>
        <translation>es. BTN open (personalizzato)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Delete folder</source>
        <translation>Elimina cartella</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete range</source>
        <translation>Elimina range</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Are you sure you want to delete this folder?</source>
        <translation>Eliminare davvero questa cartella?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to delete this range?</source>
        <translation>Eliminare davvero questo range?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This will also delete %1 range(s). This cannot be undone.</source>
        <translation>Verranno eliminati anche %1 range. L&apos;operazione non può essere annullata.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../qml/pages/project/ProjectSettingsProfiles.qml" line="+35"/>
        <source>This cannot be undone.</source>
        <translation>L&apos;operazione non può essere annullata.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Range text (*.txt)</source>
        <translation>Testo range (*.txt)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/project/RangeExportFileDialog.qml" line="+10"/>
        <source>All Files (*)</source>
        <translation>Tutti i file (*)</translation>
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
        <translation>Configurazione progetto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Setup Required</source>
        <translation>Da configurare</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Solve RAM: %1</source>
        <translation>RAM per il calcolo: %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Available RAM: %1</source>
        <translation>RAM disponibile: %1</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Continue to Solve →</source>
        <translation>Vai al calcolo →</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/ProjectRangeLibrary.qml" line="+117"/>
        <location filename="../qml/pages/project/RangeLibrarySidebar.qml" line="+126"/>
        <source>Standard Ranges</source>
        <translation>Range standard</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../qml/pages/project/RangeLibrarySidebar.qml" line="+4"/>
        <source>Population Ranges</source>
        <translation>Range di popolazione</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/project/RangeLibrarySidebar.qml" line="+4"/>
        <source>Custom Ranges</source>
        <translation>Range personalizzati</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/ProjectSettingsProfiles.qml" line="-70"/>
        <source>Please select a profile.</source>
        <translation>Seleziona un profilo.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Save Settings Profile</source>
        <translation>Salva profilo di impostazioni</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Profile name:</source>
        <translation>Nome del profilo:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e.g., 100bb rake-free (fast)</source>
        <translation>es. 100bb senza rake (veloce)</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Delete settings profile</source>
        <translation>Elimina profilo di impostazioni</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to delete this saved profile?</source>
        <translation>Eliminare davvero questo profilo salvato?</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/RangeExportFileDialog.qml" line="+0"/>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/RangeLibrarySidebar.qml" line="+48"/>
        <source>No ranges yet.</source>
        <translation>Ancora nessun range.</translation>
    </message>
    <message>
        <location line="+54"/>
        <location line="+20"/>
        <source>Override</source>
        <translation>Sovrascrivi</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Export standard…</source>
        <translation>Esporta standard…</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+20"/>
        <source>Clear overrides…</source>
        <translation>Rimuovi sovrascritture…</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Export population…</source>
        <translation>Esporta popolazione…</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Save current range…</source>
        <translation>Salva range corrente…</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Import range…</source>
        <translation>Importa range…</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add folder…</source>
        <translation>Aggiungi cartella…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Delete selected…</source>
        <translation>Elimina selezionati…</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/RangePanel.qml" line="+69"/>
        <source>OOP Range</source>
        <translation>Range OOP</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>IP Range</source>
        <translation>Range IP</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <location line="+79"/>
        <location line="+7"/>
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>es. AA, KK, AKs, QQ+ o 50%</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>The solver does not read this range: %1</source>
        <translation>Il solver non riesce a leggere questo range: %1</translation>
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
        <translation>Sizing bet (%)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Raise sizes (%)</source>
        <translation>Sizing raise (%)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Add All-In</source>
        <translation>Aggiungi all-in</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Don&apos;t donk</source>
        <translation>No donk bet</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Copy OOP settings</source>
        <translation>Copia impostazioni OOP</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+4"/>
        <source>Add all-in if jam less than</source>
        <translation>Aggiungi all-in se il jam è inferiore a</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>e.g. 30</source>
        <translation>es. 30</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>% pot</source>
        <translation>% del piatto</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/builtin_ranges.js" line="-1"/>
        <source>Export failed: %1</source>
        <translation>Esportazione non riuscita: %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No rake</source>
        <translation>Senza rake</translation>
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
        <translation>Call al raise</translation>
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
        <translation>Reg più deboli</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tighter reg</source>
        <translation>Reg più tight</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Looser reg</source>
        <translation>Reg più loose</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other</source>
        <translation>Altro</translation>
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
        <translation>Passivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Passive tight</source>
        <translation>Passivo tight</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Passive neutral</source>
        <translation>Passivo neutro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Passive loose</source>
        <translation>Passivo loose</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Extreme loose</source>
        <translation>Loose estremo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Loose aggressive</source>
        <translation>Loose aggressivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standard LAG</source>
        <translation>LAG standard</translation>
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
        <translation>Cancella</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>es. AA, KK, AKs, QQ+ o 50%</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 hands</source>
        <translation>%1 mani</translation>
    </message>
</context>
<context>
    <name>ResultsPage</name>
    <message>
        <location filename="../qml/pages/results/ChanceCardPicker.qml" line="+91"/>
        <source>%1 cannot be dealt: the opponent holds it in every hand that gets here. Choose another card.</source>
        <translation>%1 non può essere distribuita: l’avversario la tiene in ogni mano che arriva qui. Scegli un’altra carta.</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>Random</source>
        <translation>Casuale</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/DistributionsDialog.qml" line="+30"/>
        <location filename="../qml/pages/results/ResultsHeader.qml" line="+113"/>
        <source>Distributions</source>
        <translation>Distribuzioni</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>EV by hand</source>
        <translation>EV per mano</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Equity by hand</source>
        <translation>Equity per mano</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Close</source>
        <translation>Chiudi</translation>
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
        <translation>Calcolo delle distribuzioni…</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Distributions unavailable.</source>
        <translation>Distribuzioni non disponibili.</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/DistributionsPlot.qml" line="+54"/>
        <source>Computing…</source>
        <translation>Calcolo…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No data</source>
        <translation>Nessun dato</translation>
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
        <translation>Carta %1</translation>
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
        <translation>Azioni disponibili</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 options</source>
        <translation>%1 opzioni</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/GameTreePanel.qml" line="+29"/>
        <source>Game Tree</source>
        <translation>Albero di gioco</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/HandBucketsCard.qml" line="+29"/>
        <source>Buckets</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 shown</source>
        <translation>%1 mostrate</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>%1 combos</source>
        <translation>%1 combo</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Buckets are shown where a player acts.</source>
        <translation>Le categorie sono mostrate dove agisce un giocatore.</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/HandComboRow.qml" line="+56"/>
        <source>EV:</source>
        <translation>EV:</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/HandDetailsCard.qml" line="+39"/>
        <source>Hand Details</source>
        <translation>Dettagli mano</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Search (JJ, 56s, JcJd, ...)</source>
        <translation>Cerca (JJ, 56s, JcJd, ...)</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Loading hand combos…</source>
        <translation>Caricamento combo…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No hand combos to display for this node.</source>
        <translation>Nessuna combo da mostrare per questo nodo.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Filter: %1</source>
        <translation>Filtro: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No combos match the current filters.</source>
        <translation>Nessuna combo corrisponde ai filtri attuali.</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/NodeFiguresBox.qml" line="+67"/>
        <source>Pot</source>
        <translation>Piatto</translation>
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
        <translation>Da chiamare</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Rake taken</source>
        <translation>Rake prelevato</translation>
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
        <translation>Node-locking</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Node-locking is only available on decision nodes.</source>
        <translation>Il node-locking è disponibile solo nei nodi decisionali.</translation>
    </message>
    <message>
        <location line="-128"/>
        <location line="+220"/>
        <source>Mixed</source>
        <translation>Mista</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>freq</source>
        <translation>freq.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Reset locks</source>
        <translation>Azzera blocchi</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/FileResultsNotice.qml" line="+51"/>
        <location filename="../qml/pages/results/NodeLockPanel.qml" line="+8"/>
        <source>Re-solve</source>
        <translation>Ricalcola</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/NodeLockPanel.qml" line="+11"/>
        <source>Tip: enter frequencies above, then click a hand cell in the matrix to apply the mixed strategy.</source>
        <translation>Suggerimento: inserisci le frequenze qui sopra, poi clicca su una cella della matrice per applicare la strategia mista.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tip: select an action above, then click a hand cell in the matrix to lock it.</source>
        <translation>Suggerimento: seleziona un&apos;azione qui sopra, poi clicca su una cella della matrice per bloccarla.</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/PlayHandDetailsPanel.qml" line="-15"/>
        <source>Flop</source>
        <translation>Flop</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Hands</source>
        <translation>Mani</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Summary</source>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Winner: %1</source>
        <translation>Vincitore: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TIE</source>
        <translation>PAREGGIO</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Won: %1   Rake: %2</source>
        <translation>Vinto: %1   Rake: %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>EV lost: %1</source>
        <translation>EV perso: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Incorrect: %1</source>
        <translation>Errata: %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Correct: %1</source>
        <translation>Corretta: %1</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/PlayHandLogPanel.qml" line="+51"/>
        <source>Hand Log</source>
        <translation>Storico mani</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 hands</source>
        <translation>%1 mani</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/PlayHandLogRow.qml" line="+103"/>
        <source>Perfect</source>
        <translation>Perfetta</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/PlayTableStage.qml" line="+68"/>
        <source>Play as OOP</source>
        <translation>Gioca come OOP</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Play as both</source>
        <translation>Gioca con entrambi</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Play as IP</source>
        <translation>Gioca come IP</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Click Turn/River to change</source>
        <translation>Clicca su turn/river per cambiarli</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Deal the river: click its place on the board</source>
        <translation>Distribuisci il river: fai clic sul suo posto nel board</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Deal the turn: click its place on the board</source>
        <translation>Distribuisci il turn: fai clic sul suo posto nel board</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Pot: %1</source>
        <translation>Piatto: %1</translation>
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
        <translation>Qui non è stato possibile distribuire una mano: i range non lasciano carte per entrambi i giocatori.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Another hand</source>
        <translation>Altra mano</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Stop drill</source>
        <translation>Ferma allenamento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drill spot</source>
        <translation>Allena spot</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/PlayTableView.qml" line="+35"/>
        <location filename="../qml/pages/results/ResultsHeader.qml" line="+33"/>
        <source>Play vs. Solution</source>
        <translation>Gioca vs. soluzione</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Role: %1</source>
        <translation>Ruolo: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose a role to start</source>
        <translation>Scegli un ruolo per iniziare</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Practice needs the solved spot: the project file holds only the nodes that were viewed before it was saved. Re-solve the spot to play against its solution.</source>
        <translation>L’allenamento richiede lo spot risolto: il file del progetto contiene solo i nodi visti prima del salvataggio. Ricalcola lo spot per giocare contro la sua soluzione.</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/ResultsHeader.qml" line="+1"/>
        <source>Strategy View</source>
        <translation>Vista strategia</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>%1 to act</source>
        <translation>Tocca a %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Card to deal</source>
        <translation>Carta da distribuire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hand over</source>
        <translation>Mano conclusa</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Range view</source>
        <translation>Vista range</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play vs solution</source>
        <translation>Gioca vs. soluzione</translation>
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
        <translation>Sfruttabilità</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/StrategyCard.qml" line="+48"/>
        <source>The re-solved solution differs from the one saved in the project file.</source>
        <translation>La soluzione ricalcolata è diversa da quella salvata nel file del progetto.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Action Frequencies</source>
        <translation>Frequenze delle azioni</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>The project file holds only the nodes that were viewed before it was saved, and this node is not among them. Re-solve the spot to see every node.</source>
        <translation>Il file del progetto contiene solo i nodi visti prima del salvataggio, e questo nodo non è tra questi. Ricalcola lo spot per vedere ogni nodo.</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/StrategyMatrixPanel.qml" line="+99"/>
        <source>Strategy by Hand</source>
        <translation>Strategia per mano</translation>
    </message>
    <message>
        <location line="+130"/>
        <source>Standard mode</source>
        <translation>Modalità standard</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Node-lock mode</source>
        <translation>Modalità node-lock</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <location filename="../qml/pages/settings/AppearanceCard.qml" line="+38"/>
        <source>Appearance</source>
        <translation>Aspetto</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Dark Mode</source>
        <translation>Tema scuro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use dark color scheme throughout the interface</source>
        <translation>Usa una combinazione di colori scura in tutta l&apos;interfaccia</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change the app language (takes effect immediately)</source>
        <translation>Cambia la lingua dell&apos;app (effetto immediato)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>System default</source>
        <translation>Predefinita di sistema</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>Accent Color</source>
        <translation>Colore di accento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Customize the app highlight color (buttons, accents, clubs/check).</source>
        <translation>Personalizza il colore di evidenziazione dell&apos;app (pulsanti, accenti, fiori/check).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <location filename="../qml/pages/settings/LicensesCard.qml" line="+32"/>
        <source>Licenses</source>
        <translation>Licenze</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Third-party notices and license texts are included in the &apos;licenses&apos; folder next to the executable.</source>
        <translation>Le note di terze parti e i testi delle licenze si trovano nella cartella &apos;licenses&apos; accanto all&apos;eseguibile.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Open licenses folder</source>
        <translation>Apri cartella licenze</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Open notices</source>
        <translation>Apri note</translation>
    </message>
    <message>
        <location filename="../qml/pages/settings/SettingsPage.qml" line="+85"/>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Reset to Defaults</source>
        <translation>Ripristina predefiniti</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Save Settings</source>
        <translation>Salva impostazioni</translation>
    </message>
    <message>
        <location filename="../qml/pages/settings/UpdatesCard.qml" line="+20"/>
        <source>Current version: %1</source>
        <translation>Versione attuale: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown</source>
        <translation>Sconosciuta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last checked: %1</source>
        <translation>Ultimo controllo: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Downloaded</source>
        <translation>Scaricato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Downloading: %1%</source>
        <translation>Download: %1%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Downloading…</source>
        <translation>Download in corso…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Checking...</source>
        <translation>Verifica...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check for updates</source>
        <translation>Cerca aggiornamenti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Updating…</source>
        <translation>Aggiornamento…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Install update</source>
        <translation>Installa aggiornamento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Install update?</source>
        <translation>Installare l&apos;aggiornamento?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tessaval will close to install the update. Continue?</source>
        <translation>Tessaval verrà chiuso per installare l&apos;aggiornamento. Continuare?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Updates</source>
        <translation>Aggiornamenti</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Update available: %1</source>
        <translation>Aggiornamento disponibile: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No updates available.</source>
        <translation>Nessun aggiornamento disponibile.</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <location filename="../qml/components/Sidebar.qml" line="+17"/>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Overview &amp; quick actions</source>
        <translation>Panoramica e azioni rapide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Setup</source>
        <translation>Configurazione</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Board, ranges, tree</source>
        <translation>Board, range, albero</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Solve</source>
        <translation>Calcolo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Run solver</source>
        <translation>Avvia il solver</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Browse strategies</source>
        <translation>Esplora le strategie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Preferences</source>
        <translation>Preferenze</translation>
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
        <translation>Solver di poker</translation>
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
        <translation>Risorse</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>CPU threads utilized</source>
        <translation>Thread CPU utilizzati</translation>
    </message>
    <message>
        <location filename="../qml/pages/solve/SolveConfigCard.qml" line="+59"/>
        <source>Configuration</source>
        <translation>Configurazione</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Street</source>
        <translation>Street</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pot / Stack</source>
        <translation>Piatto / Stack</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Target</source>
        <translation>Obiettivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rake</source>
        <translation>Rake</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bet sizes</source>
        <translation>Sizing bet</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Options enabled</source>
        <translation>Opzioni attive</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Controls</source>
        <translation>Controlli</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Solving...</source>
        <translation>Calcolo in corso...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start Solve</source>
        <translation>Avvia calcolo</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>View Results →</source>
        <translation>Vedi risultati →</translation>
    </message>
    <message>
        <location filename="../qml/pages/solve/SolvePage.qml" line="-268"/>
        <source>Max, 1 thread</source>
        <translation>Max, 1 thread</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Max, %1 threads</source>
        <translation>Max, %1 thread</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 thread</source>
        <translation>1 thread</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 threads</source>
        <translation>%1 thread</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Ready to solve</source>
        <translation>Pronto per il calcolo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Done</source>
        <translation>Completato</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Starting solver…</source>
        <translation>Avvio del solver…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Initializing…</source>
        <translation>Inizializzazione…</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Finalizing…</source>
        <translation>Finalizzazione…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Iteration %1 | exploitability=%2</source>
        <translation>Iterazione %1 | sfruttabilità=%2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Finalizing</source>
        <translation>Finalizzazione</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/solve/SolveRecentRunsCard.qml" line="+36"/>
        <source>Running</source>
        <translation>In corso</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>OOP: don&apos;t donk on flop</source>
        <translation>OOP: no donk bet al flop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: don&apos;t donk on turn</source>
        <translation>OOP: no donk bet al turn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: don&apos;t donk on river</source>
        <translation>OOP: no donk bet al river</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: add all-in on flop</source>
        <translation>OOP: aggiungi all-in al flop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: add all-in on turn</source>
        <translation>OOP: aggiungi all-in al turn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: add all-in on river</source>
        <translation>OOP: aggiungi all-in al river</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP: add all-in on flop</source>
        <translation>IP: aggiungi all-in al flop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP: add all-in on turn</source>
        <translation>IP: aggiungi all-in al turn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP: add all-in on river</source>
        <translation>IP: aggiungi all-in al river</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: add all-in if jam &lt; %1% pot</source>
        <translation>OOP: aggiungi all-in se jam &lt; %1% del piatto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP: add all-in if jam &lt; %1% pot</source>
        <translation>IP: aggiungi all-in se jam &lt; %1% del piatto</translation>
    </message>
    <message>
        <location line="+30"/>
        <location filename="../qml/pages/solve/SolveRecentRunsCard.qml" line="+160"/>
        <source>Iterations %1 • Target %2% (≈ %3) • Threads %4</source>
        <translation>Iterazioni %1 • Obiettivo %2% (≈ %3) • Thread %4</translation>
    </message>
    <message>
        <location line="+247"/>
        <source>Solve</source>
        <translation>Calcolo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Run the CFR solver and monitor progress in real-time.</source>
        <translation>Esegui il solver CFR e segui l&apos;avanzamento in tempo reale.</translation>
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
        <translation>%1% (cap %2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>F %1/%2 • T %3/%4 • R %5/%6</source>
        <translation>F %1/%2 • T %3/%4 • R %5/%6</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Window %1/%2</source>
        <translation>Finestra %1/%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Iterations: %1</source>
        <translation>Iterazioni: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Measuring...</source>
        <translation>Misurazione...</translation>
    </message>
    <message>
        <location filename="../qml/pages/solve/SolveProgressCard.qml" line="+34"/>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Solver converged — finalizing results…</source>
        <translation>Il solver è arrivato a convergenza — finalizzazione dei risultati…</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Metrics</source>
        <translation>Metriche</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Elapsed</source>
        <translation>Trascorso</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Remaining</source>
        <translation>Rimanente</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it/s</source>
        <translation>it/s</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Exploitability</source>
        <translation>Sfruttabilità</translation>
    </message>
    <message>
        <location filename="../qml/pages/solve/SolveRecentRunsCard.qml" line="-159"/>
        <source>Completed</source>
        <translation>Completato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancelled</source>
        <translation>Annullato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed</source>
        <translation>Non riuscito</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Recent Runs</source>
        <translation>Esecuzioni recenti</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>No runs yet — click Start Solve to record a run here.</source>
        <translation>Ancora nessuna esecuzione — clicca su Avvia calcolo per registrarne una qui.</translation>
    </message>
</context>
<context>
    <name>TopBar</name>
    <message>
        <location filename="../qml/components/TopBar.qml" line="+4"/>
        <source>Finalizing</source>
        <translation>Finalizzazione</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Starting</source>
        <translation>Avvio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Initializing</source>
        <translation>Inizializzazione</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Solving</source>
        <translation>In calcolo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Setup</source>
        <translation>Configurazione</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>A solve is running: the other pages open when it ends or is cancelled</source>
        <translation>Un calcolo è in corso: le altre pagine si aprono quando termina o viene annullato</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start a new project (or load one) from Home to enable Project</source>
        <translation>Crea un nuovo progetto (o caricane uno) dalla Home per abilitare Configurazione</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Solve</source>
        <translation>Calcolo</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Fill board, ranges, and sizings to enable Solve</source>
        <translation>Compila board, range e sizing per abilitare Calcolo</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Run a solve to enable Results</source>
        <translation>Esegui un calcolo per abilitare Risultati</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Settings</source>
        <translation>Impostazioni</translation>
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
        <translation>Carta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Terminal</source>
        <translation>Terminale</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Pot: %1</source>
        <translation>Piatto: %1</translation>
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
        <translation>Nessun URL di aggiornamento configurato.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+36"/>
        <source>Update check failed: %1</source>
        <translation>Ricerca aggiornamenti non riuscita: %1</translation>
    </message>
    <message>
        <location line="-35"/>
        <location line="+72"/>
        <source>the address must use HTTPS</source>
        <translation>l&apos;indirizzo deve usare HTTPS</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>Invalid update response (HTTP %1).</source>
        <translation>Risposta di aggiornamento non valida (HTTP %1).</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+167"/>
        <source>No download URL available.</source>
        <translation>Nessun URL di download disponibile.</translation>
    </message>
    <message>
        <location line="-155"/>
        <location line="+66"/>
        <source>Download failed: %1</source>
        <translation>Download non riuscito: %1</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>Failed to create download file.</source>
        <translation>Impossibile creare il file di download.</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Failed to finalize download file (HTTP %1).</source>
        <translation>Impossibile completare il file scaricato (HTTP %1).</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>No downloaded update is ready to install.</source>
        <translation>Nessun aggiornamento scaricato pronto per l&apos;installazione.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Downloaded installer file is missing.</source>
        <translation>Il file di installazione scaricato non è presente.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Failed to launch installer.</source>
        <translation>Impossibile avviare il programma di installazione.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No update is available.</source>
        <translation>Nessun aggiornamento disponibile.</translation>
    </message>
</context>
</TS>
