<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>%1 combos</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1% equity</source>
        <translation>%1% d&apos;équité</translation>
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
        <translation>URL de fichier invalide ou non locale</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Empty file path</source>
        <translation>Chemin de fichier vide</translation>
    </message>
    <message>
        <location filename="../app/app_controller.cpp" line="+74"/>
        <location filename="../app/controller_solve.cpp" line="+256"/>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <location filename="../app/controller_files.cpp" line="+84"/>
        <location filename="../app/controller_project.cpp" line="+976"/>
        <location line="+5"/>
        <source>Failed to open file: %1</source>
        <translation>Impossible d&apos;ouvrir le fichier : %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+6"/>
        <source>Failed to save file: %1</source>
        <translation>Impossible d&apos;enregistrer le fichier : %1</translation>
    </message>
    <message>
        <location filename="../app/controller_project.cpp" line="-753"/>
        <location line="+8"/>
        <location line="+8"/>
        <location line="+7"/>
        <source>Invalid JSON</source>
        <translation>JSON invalide</translation>
    </message>
    <message>
        <location line="-20"/>
        <location line="+16"/>
        <source>Unrecognized project format</source>
        <translation>Format de projet non reconnu</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Unsupported project version</source>
        <translation>Version de projet non prise en charge</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Invalid project file: %1</source>
        <translation>Fichier de projet invalide : %1</translation>
    </message>
    <message>
        <location line="+757"/>
        <source>Loaded project (%1 strategy nodes, %2 combo nodes)</source>
        <translation>Projet chargé (%1 nœuds de stratégie, %2 nœuds de combos)</translation>
    </message>
    <message>
        <location filename="../qml/components/TopBar.qml" line="+55"/>
        <location filename="../qml/pages/solve/SolvePage.qml" line="+95"/>
        <location filename="../app/controller_solve.cpp" line="-157"/>
        <source>Starting...</source>
        <translation>Démarrage...</translation>
    </message>
    <message>
        <location filename="../app/controller_solve.cpp" line="+31"/>
        <source>Not ready: enter a valid board first</source>
        <translation>Pas prêt : saisissez d&apos;abord un board valide</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Not ready: select at least one hand in both ranges</source>
        <translation>Pas prêt : sélectionnez au moins une main dans chaque range</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Not ready: fill out both OOP and IP sizing</source>
        <translation>Pas prêt : renseignez les sizings OOP et IP</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Not ready: rake must be between 0 and 100%</source>
        <translation>Pas prêt : le rake doit être compris entre 0 et 100%</translation>
    </message>
    <message>
        <source>Not ready: the starting street is not the street of the board</source>
        <translation>Pas prêt : la street de départ n’est pas celle du board</translation>
    </message>
    <message>
        <source>Not ready: a sizing text does not read: %1</source>
        <translation>Pas prêt : un texte de sizing est illisible : %1</translation>
    </message>
    <message>
        <source>Not ready: the pot and the stack must be above 0</source>
        <translation>Pas prêt : le pot et le stack doivent être supérieurs à 0</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Not enough memory: this spot needs at least %1, %2 are available</source>
        <translation>Mémoire insuffisante : ce spot nécessite au moins %1, %2 sont disponibles</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not enough memory: this spot needs %1, %2 are available</source>
        <translation>Mémoire insuffisante : ce spot nécessite %1, %2 sont disponibles</translation>
    </message>
    <message>
        <location line="+227"/>
        <source>at least %1</source>
        <translation>au moins %1</translation>
    </message>
    <message>
        <location line="-210"/>
        <source>Already running</source>
        <translation>Déjà en cours</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>No previous solve config (solve once first)</source>
        <translation>Aucune configuration de calcul précédente (lancez d&apos;abord un calcul)</translation>
    </message>
    <message>
        <location filename="../qml/pages/solve/SolvePage.qml" line="+247"/>
        <location filename="../app/controller_solve.cpp" line="+21"/>
        <source>Cancelling...</source>
        <translation>Annulation...</translation>
    </message>
</context>
<context>
    <name>AppShell</name>
    <message>
        <location filename="../qml/components/AppShell.qml" line="+122"/>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Setup</source>
        <translation>Config</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Solve</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tessaval</source>
        <translation>Tessaval</translation>
    </message>
    <message>
        <location filename="../qml/components/field_commit.js" line="+15"/>
        <source>Not started: “%1” does not hold a value it can take.</source>
        <translation>Non lancé : « %1 » ne contient pas de valeur valide.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not started: the field being edited does not hold a value it can take.</source>
        <translation>Non lancé : le champ en cours de saisie ne contient pas de valeur valide.</translation>
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
        <translation>tailles de mise %1 %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 %2 raise sizes</source>
        <translation>tailles de relance %1 %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Pick the board: a flop, a turn or a river.</source>
        <translation>Choisissez le board : un flop, un turn ou une river.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Board: %1</source>
        <translation>Board : %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Give %1 a range.</source>
        <translation>Donnez un range à %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 range: %2</source>
        <translation>Range %1 : %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The %1 range holds no hand.</source>
        <translation>Le range de %1 ne contient aucune main.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Fill in the %1.</source>
        <translation>Renseignez les %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not enough memory: the solve needs %1, %2 are available.</source>
        <translation>Mémoire insuffisante : le calcul nécessite %1, %2 sont disponibles.</translation>
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
        <translation>Préflop</translation>
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
        <translation>quinte flush</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>quads</source>
        <translation>carré</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>full house</source>
        <translation>full</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>flush</source>
        <translation>couleur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>straight</source>
        <translation>quinte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>set</source>
        <translation>set</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>trips</source>
        <translation>brelan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>two pair</source>
        <translation>double paire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>top pair</source>
        <translation>top paire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>overpair</source>
        <translation>overpair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>middle pair</source>
        <translation>middle paire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bottom pair</source>
        <translation>bottom paire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dry pair</source>
        <translation>paire sèche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>flush draw</source>
        <translation>tirage couleur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>missed FD</source>
        <translation>tirage couleur raté</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>open ended straight draw</source>
        <translation>tirage quinte bilatéral</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>missed OESD</source>
        <translation>bilatéral raté</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>gutter</source>
        <translation>tirage ventral</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>missed gutter</source>
        <translation>ventral raté</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>back door flush draw</source>
        <translation>backdoor couleur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>air</source>
        <translation>air</translation>
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
        <translation>Un solveur de hold&apos;em moderne et performant</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../qml/pages/home/QuickActionsCard.qml" line="+23"/>
        <source>New Solve</source>
        <translation>Nouveau calcul</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
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
        <translation>%1min</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1m %2s</source>
        <translation>%1min %2s</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tessaval Project (*.tessavalproj)</source>
        <translation>Projet Tessaval (*.tessavalproj)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>Saving %1…</source>
        <translation>Enregistrement de %1…</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Opening %1…</source>
        <translation>Ouverture de %1…</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Saved the project as %1 in %2.</source>
        <translation>Projet enregistré sous %1 dans %2.</translation>
    </message>
    <message>
        <source>Lock edits made since the last solve are not in it: re-solve, then save to keep them.</source>
        <translation>Les modifications de verrous faites depuis le dernier calcul n’y sont pas : recalculez, puis enregistrez pour les garder.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the project service is not available.</source>
        <translation>le service de projets n&apos;est pas disponible.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Could not open %1: %2</source>
        <translation>Impossible d&apos;ouvrir %1 : %2</translation>
    </message>
    <message>
        <location line="-18"/>
        <location line="+19"/>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Could not save %1 in %2: %3</source>
        <translation>Impossible d’enregistrer %1 dans %2 : %3</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Save Project</source>
        <translation>Enregistrer le projet</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Open Project</source>
        <translation>Ouvrir un projet</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Discard results</source>
        <translation>Abandonner les résultats</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The results of the current solve were never saved. Discard them?</source>
        <translation>Les résultats du calcul en cours n’ont jamais été enregistrés. Les abandonner ?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the project first to keep them.</source>
        <translation>Enregistrez d’abord le projet pour les conserver.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Clear Play vs. Solution Stats</source>
        <translation>Effacer les stats Jeu vs solution</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear all Play vs. Solution statistics (today + total)?</source>
        <translation>Effacer toutes les statistiques Jeu vs solution (aujourd&apos;hui + total) ?</translation>
    </message>
    <message>
        <location filename="../qml/pages/home/PracticeStatsCard.qml" line="+36"/>
        <source>Play vs. Solution</source>
        <translation>Jeu vs solution</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Hands (Today / Total)</source>
        <translation>Mains (aujourd&apos;hui / total)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Accuracy (Today / Total)</source>
        <translation>Précision (aujourd&apos;hui / total)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Avg EV Loss (Today / Total)</source>
        <translation>Perte d&apos;EV moy. (aujourd&apos;hui / total)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>EV</source>
        <translation>EV</translation>
    </message>
    <message>
        <location filename="../qml/pages/home/QuickActionsCard.qml" line="+9"/>
        <source>Configure board, ranges, tree</source>
        <translation>Configurer board, ranges, arbre</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Quick Solve</source>
        <translation>Calcul rapide</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Use default settings</source>
        <translation>Réglages par défaut</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Import Range</source>
        <translation>Importer une range</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Load from file</source>
        <translation>Charger depuis un fichier</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Quick Actions</source>
        <translation>Actions rapides</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>→</source>
        <translation>→</translation>
    </message>
    <message>
        <location filename="../qml/pages/home/SolveActivityCard.qml" line="+28"/>
        <source>Jan</source>
        <translation>janv.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Feb</source>
        <translation>févr.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mar</source>
        <translation>mars</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apr</source>
        <translation>avr.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Jun</source>
        <translation>juin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jul</source>
        <translation>juil.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Aug</source>
        <translation>août</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sep</source>
        <translation>sept.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oct</source>
        <translation>oct.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Nov</source>
        <translation>nov.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dec</source>
        <translation>déc.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mon</source>
        <translation>lun.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tue</source>
        <translation>mar.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wed</source>
        <translation>mer.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thu</source>
        <translation>jeu.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Fri</source>
        <translation>ven.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sat</source>
        <translation>sam.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sun</source>
        <translation>dim.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1%2</source>
        <translation>%1%2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> (future)</source>
        <translation> (à venir)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Solves: %1</source>
        <translation>Calculs : %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Avg iters: %1</source>
        <translation>Itér. moy. : %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Avg expl: %1</source>
        <translation>Exploit. moy. : %1</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Solve Activity</source>
        <translation>Activité de calcul</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Last 6 months</source>
        <translation>6 derniers mois</translation>
    </message>
    <message>
        <location filename="../qml/pages/home/SolveHistoryCard.qml" line="+18"/>
        <source>%1 available</source>
        <translation>%1 disponibles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 (%2 free)</source>
        <translation>%1 (%2 libres)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Solve history</source>
        <translation>Historique des calculs</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total solves</source>
        <translation>Calculs au total</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Solves this week</source>
        <translation>Cette semaine</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Average run time</source>
        <translation>Durée moyenne</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Engine</source>
        <translation>Moteur</translation>
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
        <translation>RAM</translation>
    </message>
    <message>
        <location filename="../qml/pages/home/SolveTrendCard.qml" line="-170"/>
        <source>Solves over time</source>
        <translation>Calculs dans le temps</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Daily</source>
        <translation>Par jour</translation>
    </message>
    <message>
        <location line="+157"/>
        <source>%1
Daily: %2
Total: %3
Avg runtime: %4</source>
        <translation>%1
Jour : %2
Total : %3
Durée moy. : %4</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>No solves yet</source>
        <translation>Aucun calcul pour l&apos;instant</translation>
    </message>
</context>
<context>
    <name>LocalFileDialog</name>
    <message>
        <location filename="../qml/components/LocalFileDialog.qml" line="+81"/>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>Replace file</source>
        <translation>Remplacer le fichier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A file with this name already exists. Do you want to replace it?</source>
        <translation>Un fichier portant ce nom existe déjà. Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Its current contents will be lost.</source>
        <translation>Son contenu actuel sera perdu.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replace</source>
        <translation>Remplacer</translation>
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
        <translation>Choisir une carte</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Flop card</source>
        <translation>Carte du flop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Turn card</source>
        <translation>Carte du turn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>River card</source>
        <translation>Carte de la river</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Clear card</source>
        <translation>Retirer la carte</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../qml/pages/project/LoadSettingsDialog.qml" line="+129"/>
        <location filename="../qml/pages/project/SetupConfirmDialog.qml" line="+80"/>
        <location filename="../qml/pages/project/SetupNameDialog.qml" line="+127"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/GameSettingsCard.qml" line="+86"/>
        <source>Game Settings</source>
        <translation>Paramètres de jeu</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+4"/>
        <source>Starting Pot</source>
        <translation>Pot de départ</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+15"/>
        <source>e.g., 100.0</source>
        <translation>ex. 100.0</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+4"/>
        <source>Effective Stack</source>
        <translation>Stack effectif</translation>
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
        <translation>ex. 5.0</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+4"/>
        <source>Rake Cap</source>
        <translation>Plafond de rake</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e.g., 0</source>
        <translation>ex. 0</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+5"/>
        <source>Target Exploitability (%)</source>
        <translation>Exploitabilité visée (%)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e.g., 0.10</source>
        <translation>ex. 0.10</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/LoadSettingsDialog.qml" line="-101"/>
        <source>Load Settings Profile</source>
        <translation>Charger un profil de réglages</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Choose a saved profile:</source>
        <translation>Choisissez un profil enregistré :</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>No saved profiles yet.</source>
        <translation>Aucun profil enregistré pour l&apos;instant.</translation>
    </message>
    <message>
        <location line="+45"/>
        <location filename="../qml/pages/project/SetupConfirmDialog.qml" line="-64"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/ProfileButtonsCard.qml" line="+28"/>
        <source>Load settings</source>
        <translation>Charger profil</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Save settings</source>
        <translation>Enreg. profil</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/ProjectBuiltInRanges.qml" line="+199"/>
        <source>Export failed: appController.saveTextFile unavailable.</source>
        <translation>Échec de l&apos;export : appController.saveTextFile indisponible.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Exported to %1.</source>
        <translation>Exporté vers %1.</translation>
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
        <translation>Effacer les remplacements standard</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear all locally overridden standard ranges for %1?</source>
        <translation>Effacer toutes les ranges standard remplacées localement pour %1 ?</translation>
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
        <translation>Effacer les remplacements population</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear all locally overridden population ranges for %1?</source>
        <translation>Effacer toutes les ranges de population remplacées localement pour %1 ?</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Export Standard Ranges</source>
        <translation>Exporter les ranges standard</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Export Population Ranges</source>
        <translation>Exporter les ranges de population</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/ProjectCustomRanges.qml" line="+110"/>
        <location line="+99"/>
        <location filename="../qml/pages/project/ProjectSettingsProfiles.qml" line="+94"/>
        <source>Please enter a name.</source>
        <translation>Veuillez saisir un nom.</translation>
    </message>
    <message>
        <location line="-95"/>
        <source>Current range is empty.</source>
        <translation>La range actuelle est vide.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+30"/>
        <source>Unknown player.</source>
        <translation>Joueur inconnu.</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Please enter a folder name.</source>
        <translation>Veuillez saisir un nom de dossier.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Import failed: appController.readTextFile unavailable.</source>
        <translation>Échec de l&apos;import : appController.readTextFile indisponible.</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../qml/pages/project/builtin_ranges.js" line="+432"/>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import failed: %1</source>
        <translation>Échec de l&apos;import : %1</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/range_text.js" line="+220"/>
        <source>Import failed: the file is not a text file.</source>
        <translation>Échec de l&apos;import : le fichier n’est pas un fichier texte.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Import failed: “%1” is not a range item.</source>
        <translation>Échec de l&apos;import : « %1 » n’est pas un élément de range.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Import failed: file contained no recognizable hands.</source>
        <translation>Échec de l&apos;import : le fichier ne contient aucune main reconnaissable.</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/ProjectCustomRanges.qml" line="+21"/>
        <source>No range content to import.</source>
        <translation>Aucun contenu de range à importer.</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Save IP range</source>
        <translation>Enregistrer la range IP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save OOP range</source>
        <translation>Enregistrer la range OOP</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+37"/>
        <source>Name this range:</source>
        <translation>Nom de la range :</translation>
    </message>
    <message>
        <location line="-36"/>
        <source>e.g., BTN vs BB (default)</source>
        <translation>ex. BTN vs BB (défaut)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/project/ProjectSettingsProfiles.qml" line="+53"/>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Add folder (IP)</source>
        <translation>Ajouter un dossier (IP)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add folder (OOP)</source>
        <translation>Ajouter un dossier (OOP)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folder name:</source>
        <translation>Nom du dossier :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e.g., BTN vs BB</source>
        <translation>ex. BTN vs BB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+42"/>
        <source>Import Range</source>
        <translation>Importer une range</translation>
    </message>
    <message>
        <location line="-40"/>
        <source>e.g., BTN open (custom)</source>
        <translation>ex. open BTN (perso)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Delete folder</source>
        <translation>Supprimer le dossier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete range</source>
        <translation>Supprimer la range</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Are you sure you want to delete this folder?</source>
        <translation>Voulez-vous vraiment supprimer ce dossier ?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to delete this range?</source>
        <translation>Voulez-vous vraiment supprimer cette range ?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This will also delete %1 range(s). This cannot be undone.</source>
        <translation>Cela supprimera aussi %1 range(s). Cette action est irréversible.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../qml/pages/project/ProjectSettingsProfiles.qml" line="+35"/>
        <source>This cannot be undone.</source>
        <translation>Cette action est irréversible.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Range text (*.txt)</source>
        <translation>Texte de range (*.txt)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/project/RangeExportFileDialog.qml" line="+10"/>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
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
        <translation>Configuration du projet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Setup Required</source>
        <translation>Configuration requise</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Solve RAM: %1</source>
        <translation>RAM requise : %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Available RAM: %1</source>
        <translation>RAM disponible : %1</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Continue to Solve →</source>
        <translation>Passer au calcul →</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/ProjectRangeLibrary.qml" line="+117"/>
        <location filename="../qml/pages/project/RangeLibrarySidebar.qml" line="+126"/>
        <source>Standard Ranges</source>
        <translation>Ranges standard</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../qml/pages/project/RangeLibrarySidebar.qml" line="+4"/>
        <source>Population Ranges</source>
        <translation>Ranges de population</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/project/RangeLibrarySidebar.qml" line="+4"/>
        <source>Custom Ranges</source>
        <translation>Ranges perso</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/ProjectSettingsProfiles.qml" line="-70"/>
        <source>Please select a profile.</source>
        <translation>Veuillez choisir un profil.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Save Settings Profile</source>
        <translation>Enregistrer un profil de réglages</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Profile name:</source>
        <translation>Nom du profil :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e.g., 100bb rake-free (fast)</source>
        <translation>ex. 100bb sans rake (rapide)</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Delete settings profile</source>
        <translation>Supprimer le profil de réglages</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to delete this saved profile?</source>
        <translation>Voulez-vous vraiment supprimer ce profil enregistré ?</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/RangeExportFileDialog.qml" line="+0"/>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/RangeLibrarySidebar.qml" line="+48"/>
        <source>No ranges yet.</source>
        <translation>Aucune range pour l&apos;instant.</translation>
    </message>
    <message>
        <location line="+54"/>
        <location line="+20"/>
        <source>Override</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Export standard…</source>
        <translation>Exporter standard…</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+20"/>
        <source>Clear overrides…</source>
        <translation>Effacer remplacements…</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Export population…</source>
        <translation>Exporter population…</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Save current range…</source>
        <translation>Enregistrer la range…</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Import range…</source>
        <translation>Importer une range…</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add folder…</source>
        <translation>Ajouter un dossier…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Delete selected…</source>
        <translation>Supprimer la sélection…</translation>
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
        <translation>Vider</translation>
    </message>
    <message>
        <location line="+79"/>
        <location line="+7"/>
        <source>Weight</source>
        <translation>Poids</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>ex. AA, KK, AKs, QQ+ ou 50%</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>The solver does not read this range: %1</source>
        <translation>Le solveur ne peut pas lire ce range : %1</translation>
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
        <translation>Tailles de mise (%)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Raise sizes (%)</source>
        <translation>Tailles de relance (%)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Add All-In</source>
        <translation>Ajouter all-in</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Don&apos;t donk</source>
        <translation>Pas de donk</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Copy OOP settings</source>
        <translation>Copier les réglages OOP</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+4"/>
        <source>Add all-in if jam less than</source>
        <translation>Ajouter all-in si jam inférieur à</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>e.g. 30</source>
        <translation>ex. 30</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>% pot</source>
        <translation>% du pot</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/builtin_ranges.js" line="-1"/>
        <source>Export failed: %1</source>
        <translation>Échec de l&apos;export : %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No rake</source>
        <translation>Sans rake</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>50nl rake</source>
        <translation>Rake NL50</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>100nl rake</source>
        <translation>Rake NL100</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>200nl rake</source>
        <translation>Rake NL200</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>500nl rake</source>
        <translation>Rake NL500</translation>
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
        <translation>3-bet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4bet</source>
        <translation>4-bet</translation>
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
        <translation>vs 3-bet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>vs 4bet</source>
        <translation>vs 4-bet</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>vs %1 RFI</source>
        <translation>vs RFI %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 vs %2 3bet</source>
        <translation>%1 vs 3-bet %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 3bet vs %2 4bet</source>
        <translation>3-bet %1 vs 4-bet %2</translation>
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
        <translation>Call relance</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check back</source>
        <translation>Check derrière</translation>
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
        <translation>Regs plus faibles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tighter reg</source>
        <translation>Reg plus tight</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Looser reg</source>
        <translation>Reg plus loose</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other</source>
        <translation>Autres</translation>
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
        <translation>Passif</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Passive tight</source>
        <translation>Passif tight</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Passive neutral</source>
        <translation>Passif neutre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Passive loose</source>
        <translation>Passif loose</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Extreme loose</source>
        <translation>Extrêmement loose</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Loose aggressive</source>
        <translation>Loose agressif</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standard LAG</source>
        <translation>LAG standard</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maniac</source>
        <translation>Maniaque</translation>
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
        <translation>Vider</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>ex. AA, KK, AKs, QQ+ ou 50%</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 hands</source>
        <translation>%1 mains</translation>
    </message>
</context>
<context>
    <name>ResultsPage</name>
    <message>
        <location filename="../qml/pages/results/ChanceCardPicker.qml" line="+91"/>
        <source>%1 cannot be dealt: the opponent holds it in every hand that gets here. Choose another card.</source>
        <translation>%1 ne peut pas être distribuée : l’adversaire la détient dans toutes les mains qui arrivent ici. Choisissez une autre carte.</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>Random</source>
        <translation>Aléatoire</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/DistributionsDialog.qml" line="+30"/>
        <location filename="../qml/pages/results/ResultsHeader.qml" line="+113"/>
        <source>Distributions</source>
        <translation>Distributions</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>EV by hand</source>
        <translation>EV par main</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Equity by hand</source>
        <translation>Équité par main</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Equity</source>
        <translation>Équité</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>EV</source>
        <translation>EV</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Computing distributions…</source>
        <translation>Calcul des distributions…</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Distributions unavailable.</source>
        <translation>Distributions indisponibles.</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/DistributionsPlot.qml" line="+54"/>
        <source>Computing…</source>
        <translation>Calcul…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No data</source>
        <translation>Aucune donnée</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>OOP: %1    IP: %2</source>
        <translation>OOP : %1    IP : %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: %1%</source>
        <translation>OOP : %1%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: %1</source>
        <translation>OOP : %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: —</source>
        <translation>OOP : —</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP: %1%</source>
        <translation>IP : %1%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP: %1</source>
        <translation>IP : %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP: —</source>
        <translation>IP : —</translation>
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
        <translation>Carte %1</translation>
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
        <translation>Actions possibles</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 options</source>
        <translation>%1 options</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/GameTreePanel.qml" line="+29"/>
        <source>Game Tree</source>
        <translation>Arbre de jeu</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/HandBucketsCard.qml" line="+29"/>
        <source>Buckets</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 shown</source>
        <translation>%1 affichées</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>%1 combos</source>
        <translation>%1 combos</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Buckets are shown where a player acts.</source>
        <translation>Les catégories sont affichées là où un joueur agit.</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/HandComboRow.qml" line="+56"/>
        <source>EV:</source>
        <translation>EV :</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/HandDetailsCard.qml" line="+39"/>
        <source>Hand Details</source>
        <translation>Détail des mains</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Search (JJ, 56s, JcJd, ...)</source>
        <translation>Rechercher (JJ, 56s, JcJd, ...)</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Loading hand combos…</source>
        <translation>Chargement des combos…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No hand combos to display for this node.</source>
        <translation>Aucun combo à afficher pour ce nœud.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Filter: %1</source>
        <translation>Filtre : %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No combos match the current filters.</source>
        <translation>Aucun combo ne correspond aux filtres actuels.</translation>
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
        <translation>À payer</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Rake taken</source>
        <translation>Rake pris</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>SPR</source>
        <translation>SPR</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Pot odds</source>
        <translation>Cote du pot</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/NodeLockPanel.qml" line="+146"/>
        <source>Node-Locking</source>
        <translation>Node-locking</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Node-locking is only available on decision nodes.</source>
        <translation>Le node-locking n&apos;est disponible que sur les nœuds de décision.</translation>
    </message>
    <message>
        <location line="-128"/>
        <location line="+220"/>
        <source>Mixed</source>
        <translation>Mixte</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>freq</source>
        <translation>fréq.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Reset locks</source>
        <translation>Réinit. verrous</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/FileResultsNotice.qml" line="+51"/>
        <location filename="../qml/pages/results/NodeLockPanel.qml" line="+8"/>
        <source>Re-solve</source>
        <translation>Recalculer</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/NodeLockPanel.qml" line="+11"/>
        <source>Tip: enter frequencies above, then click a hand cell in the matrix to apply the mixed strategy.</source>
        <translation>Astuce : saisissez les fréquences ci-dessus, puis cliquez sur une case de la matrice pour appliquer la stratégie mixte.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tip: select an action above, then click a hand cell in the matrix to lock it.</source>
        <translation>Astuce : choisissez une action ci-dessus, puis cliquez sur une case de la matrice pour la verrouiller.</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/PlayHandDetailsPanel.qml" line="-15"/>
        <source>Flop</source>
        <translation>Flop</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Hands</source>
        <translation>Mains</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Winner: %1</source>
        <translation>Gagnant : %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TIE</source>
        <translation>ÉGALITÉ</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Won: %1   Rake: %2</source>
        <translation>Gain : %1   Rake : %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>EV lost: %1</source>
        <translation>EV perdue : %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Incorrect: %1</source>
        <translation>Incorrect : %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Correct: %1</source>
        <translation>Correct : %1</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/PlayHandLogPanel.qml" line="+51"/>
        <source>Hand Log</source>
        <translation>Historique des mains</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 hands</source>
        <translation>%1 mains</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/PlayHandLogRow.qml" line="+103"/>
        <source>Perfect</source>
        <translation>Parfait</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/PlayTableStage.qml" line="+68"/>
        <source>Play as OOP</source>
        <translation>Jouer OOP</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Play as both</source>
        <translation>Jouer les deux</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Play as IP</source>
        <translation>Jouer IP</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Click Turn/River to change</source>
        <translation>Cliquez sur turn/river pour changer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Deal the river: click its place on the board</source>
        <translation>Donnez la river : cliquez sur sa place sur le board</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Deal the turn: click its place on the board</source>
        <translation>Donnez le turn : cliquez sur sa place sur le board</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Pot: %1</source>
        <translation>Pot : %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+13"/>
        <source>Stack: %1</source>
        <translation>Stack : %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>No hand could be dealt here: the ranges leave no cards for both players.</source>
        <translation>Aucune main n’a pu être distribuée ici : les ranges ne laissent pas de cartes aux deux joueurs.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Another hand</source>
        <translation>Autre main</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Stop drill</source>
        <translation>Arrêter l&apos;exercice</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drill spot</source>
        <translation>Travailler le spot</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/PlayTableView.qml" line="+35"/>
        <location filename="../qml/pages/results/ResultsHeader.qml" line="+33"/>
        <source>Play vs. Solution</source>
        <translation>Jeu vs solution</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Role: %1</source>
        <translation>Rôle : %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose a role to start</source>
        <translation>Choisissez un rôle pour commencer</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Practice needs the solved spot: the project file holds only the nodes that were viewed before it was saved. Re-solve the spot to play against its solution.</source>
        <translation>L’entraînement a besoin du spot résolu : le fichier du projet ne contient que les nœuds consultés avant son enregistrement. Recalculez le spot pour jouer contre sa solution.</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/ResultsHeader.qml" line="+1"/>
        <source>Strategy View</source>
        <translation>Vue stratégie</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>%1 to act</source>
        <translation>%1 à parler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Card to deal</source>
        <translation>Carte à donner</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hand over</source>
        <translation>Main terminée</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Range view</source>
        <translation>Vue range</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play vs solution</source>
        <translation>Jeu vs solution</translation>
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
        <translation>Exploitabilité</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/StrategyCard.qml" line="+48"/>
        <source>The re-solved solution differs from the one saved in the project file.</source>
        <translation>La solution recalculée diffère de celle enregistrée dans le fichier du projet.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Action Frequencies</source>
        <translation>Fréquences d&apos;action</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>The project file holds only the nodes that were viewed before it was saved, and this node is not among them. Re-solve the spot to see every node.</source>
        <translation>Le fichier du projet ne contient que les nœuds consultés avant son enregistrement, et ce nœud n’en fait pas partie. Recalculez le spot pour voir tous les nœuds.</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/StrategyMatrixPanel.qml" line="+99"/>
        <source>Strategy by Hand</source>
        <translation>Stratégie par main</translation>
    </message>
    <message>
        <location line="+130"/>
        <source>Standard mode</source>
        <translation>Mode standard</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Node-lock mode</source>
        <translation>Mode node-lock</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <location filename="../qml/pages/settings/AppearanceCard.qml" line="+38"/>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Dark Mode</source>
        <translation>Mode sombre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use dark color scheme throughout the interface</source>
        <translation>Utiliser un thème sombre dans toute l&apos;interface</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change the app language (takes effect immediately)</source>
        <translation>Changer la langue de l&apos;application (effet immédiat)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>System default</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>Accent Color</source>
        <translation>Couleur d&apos;accent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Customize the app highlight color (buttons, accents, clubs/check).</source>
        <translation>Personnaliser la couleur de mise en évidence (boutons, accents, trèfle/check).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Reset</source>
        <translation>Défaut</translation>
    </message>
    <message>
        <location filename="../qml/pages/settings/LicensesCard.qml" line="+32"/>
        <source>Licenses</source>
        <translation>Licences</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Third-party notices and license texts are included in the &apos;licenses&apos; folder next to the executable.</source>
        <translation>Les mentions tierces et les textes de licence se trouvent dans le dossier « licenses » à côté de l&apos;exécutable.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Open licenses folder</source>
        <translation>Ouvrir le dossier des licences</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Open notices</source>
        <translation>Ouvrir les mentions</translation>
    </message>
    <message>
        <location filename="../qml/pages/settings/SettingsPage.qml" line="+85"/>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Reset to Defaults</source>
        <translation>Rétablir par défaut</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Save Settings</source>
        <translation>Enregistrer les réglages</translation>
    </message>
    <message>
        <location filename="../qml/pages/settings/UpdatesCard.qml" line="+20"/>
        <source>Current version: %1</source>
        <translation>Version actuelle : %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown</source>
        <translation>Inconnue</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last checked: %1</source>
        <translation>Dernière vérification : %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Downloaded</source>
        <translation>Téléchargée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Downloading: %1%</source>
        <translation>Téléchargement : %1%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Downloading…</source>
        <translation>Téléchargement…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Checking...</source>
        <translation>Vérification...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check for updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Updating…</source>
        <translation>Mise à jour…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Install update</source>
        <translation>Installer la mise à jour</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Install update?</source>
        <translation>Installer la mise à jour ?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tessaval will close to install the update. Continue?</source>
        <translation>Tessaval va se fermer pour installer la mise à jour. Continuer ?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Updates</source>
        <translation>Mises à jour</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Update available: %1</source>
        <translation>Mise à jour disponible : %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No updates available.</source>
        <translation>Aucune mise à jour disponible.</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <location filename="../qml/components/Sidebar.qml" line="+17"/>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Overview &amp; quick actions</source>
        <translation>Aperçu et actions rapides</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Setup</source>
        <translation>Config</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Board, ranges, tree</source>
        <translation>Board, ranges, arbre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Solve</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Run solver</source>
        <translation>Lancer le solveur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Browse strategies</source>
        <translation>Parcourir les stratégies</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Preferences</source>
        <translation>Préférences</translation>
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
        <translation>Solveur de poker</translation>
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
        <translation>Ressources</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>CPU threads utilized</source>
        <translation>Threads CPU utilisés</translation>
    </message>
    <message>
        <location filename="../qml/pages/solve/SolveConfigCard.qml" line="+59"/>
        <source>Configuration</source>
        <translation>Configuration</translation>
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
        <translation>Cible</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rake</source>
        <translation>Rake</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bet sizes</source>
        <translation>Mises</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Options enabled</source>
        <translation>Options activées</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Controls</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Solving...</source>
        <translation>Calcul...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start Solve</source>
        <translation>Lancer le calcul</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Cancel</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>View Results →</source>
        <translation>Voir les résultats →</translation>
    </message>
    <message>
        <location filename="../qml/pages/solve/SolvePage.qml" line="-268"/>
        <source>Max, 1 thread</source>
        <translation>Max, 1 thread</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Max, %1 threads</source>
        <translation>Max, %1 threads</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 thread</source>
        <translation>1 thread</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 threads</source>
        <translation>%1 threads</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Ready to solve</source>
        <translation>Prêt pour le calcul</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Starting solver…</source>
        <translation>Démarrage du solveur…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Initializing…</source>
        <translation>Initialisation…</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Finalizing…</source>
        <translation>Finalisation…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Iteration %1 | exploitability=%2</source>
        <translation>Itération %1 | exploitabilité=%2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Finalizing</source>
        <translation>Finalisation</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/solve/SolveRecentRunsCard.qml" line="+36"/>
        <source>Running</source>
        <translation>En cours</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>OOP: don&apos;t donk on flop</source>
        <translation>OOP : pas de donk au flop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: don&apos;t donk on turn</source>
        <translation>OOP : pas de donk au turn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: don&apos;t donk on river</source>
        <translation>OOP : pas de donk à la river</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: add all-in on flop</source>
        <translation>OOP : all-in au flop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: add all-in on turn</source>
        <translation>OOP : all-in au turn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: add all-in on river</source>
        <translation>OOP : all-in à la river</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP: add all-in on flop</source>
        <translation>IP : all-in au flop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP: add all-in on turn</source>
        <translation>IP : all-in au turn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP: add all-in on river</source>
        <translation>IP : all-in à la river</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: add all-in if jam &lt; %1% pot</source>
        <translation>OOP : all-in si jam &lt; %1% du pot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP: add all-in if jam &lt; %1% pot</source>
        <translation>IP : all-in si jam &lt; %1% du pot</translation>
    </message>
    <message>
        <location line="+30"/>
        <location filename="../qml/pages/solve/SolveRecentRunsCard.qml" line="+160"/>
        <source>Iterations %1 • Target %2% (≈ %3) • Threads %4</source>
        <translation>Itérations %1 • Cible %2% (≈ %3) • Threads %4</translation>
    </message>
    <message>
        <location line="+247"/>
        <source>Solve</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Run the CFR solver and monitor progress in real-time.</source>
        <translation>Lancez le solveur CFR et suivez la progression en temps réel.</translation>
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
        <translation>%1% (max. %2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>F %1/%2 • T %3/%4 • R %5/%6</source>
        <translation>F %1/%2 • T %3/%4 • R %5/%6</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Window %1/%2</source>
        <translation>Fenêtre %1/%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Iterations: %1</source>
        <translation>Itérations : %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Measuring...</source>
        <translation>Mesure...</translation>
    </message>
    <message>
        <location filename="../qml/pages/solve/SolveProgressCard.qml" line="+34"/>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Solver converged — finalizing results…</source>
        <translation>Le solveur a convergé — finalisation des résultats…</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Metrics</source>
        <translation>Indicateurs</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Elapsed</source>
        <translation>Écoulé</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Remaining</source>
        <translation>Restant</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it/s</source>
        <translation>it/s</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Exploitability</source>
        <translation>Exploitabilité</translation>
    </message>
    <message>
        <location filename="../qml/pages/solve/SolveRecentRunsCard.qml" line="-159"/>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Recent Runs</source>
        <translation>Calculs récents</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>No runs yet — click Start Solve to record a run here.</source>
        <translation>Aucun calcul pour l&apos;instant — cliquez sur « Lancer le calcul » pour en enregistrer un ici.</translation>
    </message>
</context>
<context>
    <name>TopBar</name>
    <message>
        <location filename="../qml/components/TopBar.qml" line="+4"/>
        <source>Finalizing</source>
        <translation>Finalisation</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Starting</source>
        <translation>Démarrage</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Initializing</source>
        <translation>Initialisation</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Solving</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Setup</source>
        <translation>Config</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>A solve is running: the other pages open when it ends or is cancelled</source>
        <translation>Un calcul est en cours : les autres pages s’ouvrent quand il se termine ou est annulé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start a new project (or load one) from Home to enable Project</source>
        <translation>Créez un projet (ou chargez-en un) depuis l&apos;Accueil pour activer Config</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Solve</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Fill board, ranges, and sizings to enable Solve</source>
        <translation>Renseignez le board, les ranges et les sizings pour activer Calcul</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Run a solve to enable Results</source>
        <translation>Lancez un calcul pour activer Résultats</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Settings</source>
        <translation>Réglages</translation>
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
        <translation>Carte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Pot: %1</source>
        <translation>Pot : %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Freq: %1%</source>
        <translation>Fréq. : %1%</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>EV: %1%2</source>
        <translation>EV : %1%2</translation>
    </message>
</context>
<context>
    <name>UpdateManager</name>
    <message>
        <location filename="../app/update_manager.cpp" line="+209"/>
        <source>Update URL is not configured.</source>
        <translation>Aucune URL de mise à jour configurée.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+36"/>
        <source>Update check failed: %1</source>
        <translation>Échec de la vérification des mises à jour : %1</translation>
    </message>
    <message>
        <location line="-35"/>
        <location line="+72"/>
        <source>the address must use HTTPS</source>
        <translation>l&apos;adresse doit utiliser HTTPS</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>Invalid update response (HTTP %1).</source>
        <translation>Réponse de mise à jour invalide (HTTP %1).</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+167"/>
        <source>No download URL available.</source>
        <translation>Aucune URL de téléchargement disponible.</translation>
    </message>
    <message>
        <location line="-155"/>
        <location line="+66"/>
        <source>Download failed: %1</source>
        <translation>Échec du téléchargement : %1</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>Failed to create download file.</source>
        <translation>Impossible de créer le fichier de téléchargement.</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Failed to finalize download file (HTTP %1).</source>
        <translation>Impossible de finaliser le fichier téléchargé (HTTP %1).</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>No downloaded update is ready to install.</source>
        <translation>Aucune mise à jour téléchargée n&apos;est prête à être installée.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Downloaded installer file is missing.</source>
        <translation>Le fichier d&apos;installation téléchargé est introuvable.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Failed to launch installer.</source>
        <translation>Impossible de lancer le programme d&apos;installation.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No update is available.</source>
        <translation>Aucune mise à jour disponible.</translation>
    </message>
</context>
</TS>
