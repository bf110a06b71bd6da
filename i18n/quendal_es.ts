<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <translation>%1% de equity</translation>
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
        <translation>URL de archivo no válida o no local</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Empty file path</source>
        <translation>Ruta de archivo vacía</translation>
    </message>
    <message>
        <location filename="../app/app_controller.cpp" line="+74"/>
        <location filename="../app/controller_solve.cpp" line="+256"/>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <location filename="../app/controller_files.cpp" line="+84"/>
        <location filename="../app/controller_project.cpp" line="+976"/>
        <location line="+5"/>
        <source>Failed to open file: %1</source>
        <translation>No se pudo abrir el archivo: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+6"/>
        <source>Failed to save file: %1</source>
        <translation>No se pudo guardar el archivo: %1</translation>
    </message>
    <message>
        <location filename="../app/controller_project.cpp" line="-753"/>
        <location line="+8"/>
        <location line="+8"/>
        <location line="+7"/>
        <source>Invalid JSON</source>
        <translation>JSON no válido</translation>
    </message>
    <message>
        <location line="-20"/>
        <location line="+16"/>
        <source>Unrecognized project format</source>
        <translation>Formato de proyecto no reconocido</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Unsupported project version</source>
        <translation>Versión de proyecto no compatible</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Invalid project file: %1</source>
        <translation>Archivo de proyecto no válido: %1</translation>
    </message>
    <message>
        <location line="+757"/>
        <source>Loaded project (%1 strategy nodes, %2 combo nodes)</source>
        <translation>Proyecto cargado (%1 nodos de estrategia, %2 nodos de combos)</translation>
    </message>
    <message>
        <location filename="../qml/components/TopBar.qml" line="+55"/>
        <location filename="../qml/pages/solve/SolvePage.qml" line="+95"/>
        <location filename="../app/controller_solve.cpp" line="-157"/>
        <source>Starting...</source>
        <translation>Iniciando...</translation>
    </message>
    <message>
        <location filename="../app/controller_solve.cpp" line="+31"/>
        <source>Not ready: enter a valid board first</source>
        <translation>No listo: primero introduce un board válido</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Not ready: select at least one hand in both ranges</source>
        <translation>No listo: selecciona al menos una mano en ambos rangos</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Not ready: fill out both OOP and IP sizing</source>
        <translation>No listo: completa el sizing de OOP y de IP</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Not ready: rake must be between 0 and 100%</source>
        <translation>No listo: el rake debe estar entre 0 y 100%</translation>
    </message>
    <message>
        <source>Not ready: the starting street is not the street of the board</source>
        <translation>No listo: la calle inicial no es la calle del board</translation>
    </message>
    <message>
        <source>Not ready: a sizing text does not read: %1</source>
        <translation>No listo: un texto de sizing no se puede leer: %1</translation>
    </message>
    <message>
        <source>Not ready: the pot and the stack must be above 0</source>
        <translation>No listo: el bote y el stack deben ser mayores que 0</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Not enough memory: this spot needs at least %1, %2 are available</source>
        <translation>Memoria insuficiente: este spot necesita al menos %1 y hay %2 disponibles</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not enough memory: this spot needs %1, %2 are available</source>
        <translation>Memoria insuficiente: este spot necesita %1 y hay %2 disponibles</translation>
    </message>
    <message>
        <location line="+227"/>
        <source>at least %1</source>
        <translation>al menos %1</translation>
    </message>
    <message>
        <location line="-210"/>
        <source>Already running</source>
        <translation>Ya en curso</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>No previous solve config (solve once first)</source>
        <translation>No hay configuración de resolución previa (resuelve una vez primero)</translation>
    </message>
    <message>
        <location filename="../qml/pages/solve/SolvePage.qml" line="+247"/>
        <location filename="../app/controller_solve.cpp" line="+21"/>
        <source>Cancelling...</source>
        <translation>Cancelando...</translation>
    </message>
</context>
<context>
    <name>AppShell</name>
    <message>
        <location filename="../qml/components/AppShell.qml" line="+122"/>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Setup</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tessaval</source>
        <translation>Tessaval</translation>
    </message>
    <message>
        <location filename="../qml/components/field_commit.js" line="+15"/>
        <source>Not started: “%1” does not hold a value it can take.</source>
        <translation>No iniciado: «%1» no contiene un valor válido.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not started: the field being edited does not hold a value it can take.</source>
        <translation>No iniciado: el campo en edición no contiene un valor válido.</translation>
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
        <translation>tamaños de apuesta %1 %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 %2 raise sizes</source>
        <translation>tamaños de raise %1 %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Pick the board: a flop, a turn or a river.</source>
        <translation>Elija el board: un flop, un turn o un river.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Board: %1</source>
        <translation>Board: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Give %1 a range.</source>
        <translation>Dé un rango a %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 range: %2</source>
        <translation>Rango %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The %1 range holds no hand.</source>
        <translation>El rango de %1 no contiene ninguna mano.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Fill in the %1.</source>
        <translation>Complete los %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not enough memory: the solve needs %1, %2 are available.</source>
        <translation>Memoria insuficiente: el cálculo necesita %1 y hay %2 disponibles.</translation>
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
        <translation>escalera de color</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>quads</source>
        <translation>póker</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>full house</source>
        <translation>full</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>flush</source>
        <translation>color</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>straight</source>
        <translation>escalera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>set</source>
        <translation>set</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>trips</source>
        <translation>trío</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>two pair</source>
        <translation>doble pareja</translation>
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
        <translation>pareja seca</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>flush draw</source>
        <translation>proyecto de color</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>missed FD</source>
        <translation>proyecto de color fallado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>open ended straight draw</source>
        <translation>proyecto de escalera abierta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>missed OESD</source>
        <translation>escalera abierta fallada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>gutter</source>
        <translation>gutshot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>missed gutter</source>
        <translation>gutshot fallado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>back door flush draw</source>
        <translation>backdoor de color</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>air</source>
        <translation>aire</translation>
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
        <translation>Un solver de hold&apos;em moderno y de alto rendimiento</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../qml/pages/home/QuickActionsCard.qml" line="+23"/>
        <source>New Solve</source>
        <translation>Nueva resolución</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
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
        <translation>Proyecto de Tessaval (*.tessavalproj)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>Saving %1…</source>
        <translation>Guardando %1…</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Opening %1…</source>
        <translation>Abriendo %1…</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Saved the project as %1 in %2.</source>
        <translation>Proyecto guardado como %1 en %2.</translation>
    </message>
    <message>
        <source>Lock edits made since the last solve are not in it: re-solve, then save to keep them.</source>
        <translation>Los cambios de bloqueos hechos desde la última resolución no están incluidos: vuelve a resolver y guarda para conservarlos.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the project service is not available.</source>
        <translation>el servicio de proyectos no está disponible.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Could not open %1: %2</source>
        <translation>No se pudo abrir %1: %2</translation>
    </message>
    <message>
        <location line="-18"/>
        <location line="+19"/>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Could not save %1 in %2: %3</source>
        <translation>No se pudo guardar %1 en %2: %3</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Save Project</source>
        <translation>Guardar proyecto</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Open Project</source>
        <translation>Abrir proyecto</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Discard results</source>
        <translation>Descartar resultados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The results of the current solve were never saved. Discard them?</source>
        <translation>Los resultados del cálculo actual nunca se guardaron. ¿Descartarlos?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the project first to keep them.</source>
        <translation>Guarde primero el proyecto para conservarlos.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Clear Play vs. Solution Stats</source>
        <translation>Borrar estadísticas de Jugar vs. solución</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear all Play vs. Solution statistics (today + total)?</source>
        <translation>¿Borrar todas las estadísticas de Jugar vs. solución (hoy + total)?</translation>
    </message>
    <message>
        <location filename="../qml/pages/home/PracticeStatsCard.qml" line="+36"/>
        <source>Play vs. Solution</source>
        <translation>Jugar vs. solución</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Hands (Today / Total)</source>
        <translation>Manos (hoy / total)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Accuracy (Today / Total)</source>
        <translation>Precisión (hoy / total)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Avg EV Loss (Today / Total)</source>
        <translation>Pérdida media de EV (hoy / total)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>EV</source>
        <translation>EV</translation>
    </message>
    <message>
        <location filename="../qml/pages/home/QuickActionsCard.qml" line="+9"/>
        <source>Configure board, ranges, tree</source>
        <translation>Configura board, rangos y árbol</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Quick Solve</source>
        <translation>Resolución rápida</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Use default settings</source>
        <translation>Usa los ajustes predeterminados</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Import Range</source>
        <translation>Importar rango</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Load from file</source>
        <translation>Carga desde un archivo</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Quick Actions</source>
        <translation>Acciones rápidas</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>→</source>
        <translation>→</translation>
    </message>
    <message>
        <location filename="../qml/pages/home/SolveActivityCard.qml" line="+28"/>
        <source>Jan</source>
        <translation>Ene</translation>
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
        <translation>Abr</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>May</source>
        <translation>May</translation>
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
        <translation>Ago</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oct</source>
        <translation>Oct</translation>
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
        <translation>Mié</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thu</source>
        <translation>Jue</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Fri</source>
        <translation>Vie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sat</source>
        <translation>Sáb</translation>
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
        <translation>Resoluciones: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Avg iters: %1</source>
        <translation>Iter. medias: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Avg expl: %1</source>
        <translation>Expl. media: %1</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Solve Activity</source>
        <translation>Actividad de resolución</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Last 6 months</source>
        <translation>Últimos 6 meses</translation>
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
        <translation>Historial de resoluciones</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total solves</source>
        <translation>Resoluciones totales</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Solves this week</source>
        <translation>Resoluciones esta semana</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Average run time</source>
        <translation>Tiempo medio de ejecución</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Engine</source>
        <translation>Motor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tessaval Core</source>
        <translation>Tessaval Core</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Threads</source>
        <translation>Hilos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <location filename="../qml/pages/home/SolveTrendCard.qml" line="-170"/>
        <source>Solves over time</source>
        <translation>Resoluciones en el tiempo</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Daily</source>
        <translation>Diario</translation>
    </message>
    <message>
        <location line="+157"/>
        <source>%1
Daily: %2
Total: %3
Avg runtime: %4</source>
        <translation>%1
Diario: %2
Total: %3
Tiempo medio: %4</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>No solves yet</source>
        <translation>Aún no hay resoluciones</translation>
    </message>
</context>
<context>
    <name>LocalFileDialog</name>
    <message>
        <location filename="../qml/components/LocalFileDialog.qml" line="+81"/>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>Replace file</source>
        <translation>Reemplazar archivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A file with this name already exists. Do you want to replace it?</source>
        <translation>Ya existe un archivo con este nombre. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Its current contents will be lost.</source>
        <translation>Su contenido actual se perderá.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replace</source>
        <translation>Reemplazar</translation>
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
        <translation>Elegir carta</translation>
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
        <translation>Quitar carta</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../qml/pages/project/LoadSettingsDialog.qml" line="+129"/>
        <location filename="../qml/pages/project/SetupConfirmDialog.qml" line="+80"/>
        <location filename="../qml/pages/project/SetupNameDialog.qml" line="+127"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/GameSettingsCard.qml" line="+86"/>
        <source>Game Settings</source>
        <translation>Ajustes de juego</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+4"/>
        <source>Starting Pot</source>
        <translation>Bote inicial</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+15"/>
        <source>e.g., 100.0</source>
        <translation>p. ej., 100.0</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+4"/>
        <source>Effective Stack</source>
        <translation>Stack efectivo</translation>
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
        <translation>p. ej., 5.0</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+4"/>
        <source>Rake Cap</source>
        <translation>Tope de rake</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e.g., 0</source>
        <translation>p. ej., 0</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+5"/>
        <source>Target Exploitability (%)</source>
        <translation>Explotabilidad objetivo (%)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e.g., 0.10</source>
        <translation>p. ej., 0.10</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/LoadSettingsDialog.qml" line="-101"/>
        <source>Load Settings Profile</source>
        <translation>Cargar perfil de ajustes</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Choose a saved profile:</source>
        <translation>Elige un perfil guardado:</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>No saved profiles yet.</source>
        <translation>Aún no hay perfiles guardados.</translation>
    </message>
    <message>
        <location line="+45"/>
        <location filename="../qml/pages/project/SetupConfirmDialog.qml" line="-64"/>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/ProfileButtonsCard.qml" line="+28"/>
        <source>Load settings</source>
        <translation>Cargar ajustes</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Save settings</source>
        <translation>Guardar ajustes</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/ProjectBuiltInRanges.qml" line="+199"/>
        <source>Export failed: appController.saveTextFile unavailable.</source>
        <translation>Error al exportar: appController.saveTextFile no disponible.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Exported to %1.</source>
        <translation>Exportado a %1.</translation>
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
        <translation>Borrar sustituciones estándar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear all locally overridden standard ranges for %1?</source>
        <translation>¿Borrar todos los rangos estándar sustituidos localmente de %1?</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+12"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Clear population overrides</source>
        <translation>Borrar sustituciones de población</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear all locally overridden population ranges for %1?</source>
        <translation>¿Borrar todos los rangos de población sustituidos localmente de %1?</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Export Standard Ranges</source>
        <translation>Exportar rangos estándar</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Export Population Ranges</source>
        <translation>Exportar rangos de población</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/ProjectCustomRanges.qml" line="+110"/>
        <location line="+99"/>
        <location filename="../qml/pages/project/ProjectSettingsProfiles.qml" line="+94"/>
        <source>Please enter a name.</source>
        <translation>Introduce un nombre.</translation>
    </message>
    <message>
        <location line="-95"/>
        <source>Current range is empty.</source>
        <translation>El rango actual está vacío.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+30"/>
        <source>Unknown player.</source>
        <translation>Jugador desconocido.</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Please enter a folder name.</source>
        <translation>Introduce un nombre de carpeta.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Import failed: appController.readTextFile unavailable.</source>
        <translation>Error al importar: appController.readTextFile no disponible.</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../qml/pages/project/builtin_ranges.js" line="+432"/>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import failed: %1</source>
        <translation>Error al importar: %1</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/range_text.js" line="+220"/>
        <source>Import failed: the file is not a text file.</source>
        <translation>Error de importación: el archivo no es un archivo de texto.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Import failed: “%1” is not a range item.</source>
        <translation>Error de importación: «%1» no es un elemento de rango.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Import failed: file contained no recognizable hands.</source>
        <translation>Error al importar: el archivo no contiene manos reconocibles.</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/ProjectCustomRanges.qml" line="+21"/>
        <source>No range content to import.</source>
        <translation>No hay contenido de rango para importar.</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Save IP range</source>
        <translation>Guardar rango IP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save OOP range</source>
        <translation>Guardar rango OOP</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+37"/>
        <source>Name this range:</source>
        <translation>Nombre del rango:</translation>
    </message>
    <message>
        <location line="-36"/>
        <source>e.g., BTN vs BB (default)</source>
        <translation>p. ej., BTN vs BB (por defecto)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/project/ProjectSettingsProfiles.qml" line="+53"/>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Add folder (IP)</source>
        <translation>Añadir carpeta (IP)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add folder (OOP)</source>
        <translation>Añadir carpeta (OOP)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folder name:</source>
        <translation>Nombre de la carpeta:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e.g., BTN vs BB</source>
        <translation>p. ej., BTN vs BB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+42"/>
        <source>Import Range</source>
        <translation>Importar rango</translation>
    </message>
    <message>
        <location line="-40"/>
        <source>e.g., BTN open (custom)</source>
        <translation>p. ej., BTN open (personalizado)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Delete folder</source>
        <translation>Eliminar carpeta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete range</source>
        <translation>Eliminar rango</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Are you sure you want to delete this folder?</source>
        <translation>¿Seguro que quieres eliminar esta carpeta?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to delete this range?</source>
        <translation>¿Seguro que quieres eliminar este rango?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This will also delete %1 range(s). This cannot be undone.</source>
        <translation>También se eliminarán %1 rango(s). Esta acción no se puede deshacer.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../qml/pages/project/ProjectSettingsProfiles.qml" line="+35"/>
        <source>This cannot be undone.</source>
        <translation>Esta acción no se puede deshacer.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Range text (*.txt)</source>
        <translation>Texto de rango (*.txt)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/project/RangeExportFileDialog.qml" line="+10"/>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
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
        <translation>Configuración del proyecto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Setup Required</source>
        <translation>Falta configurar</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Solve RAM: %1</source>
        <translation>RAM de resolución: %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Available RAM: %1</source>
        <translation>RAM disponible: %1</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Continue to Solve →</source>
        <translation>Continuar a Resolver →</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/ProjectRangeLibrary.qml" line="+117"/>
        <location filename="../qml/pages/project/RangeLibrarySidebar.qml" line="+126"/>
        <source>Standard Ranges</source>
        <translation>Rangos estándar</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../qml/pages/project/RangeLibrarySidebar.qml" line="+4"/>
        <source>Population Ranges</source>
        <translation>Rangos de población</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/project/RangeLibrarySidebar.qml" line="+4"/>
        <source>Custom Ranges</source>
        <translation>Rangos propios</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/ProjectSettingsProfiles.qml" line="-70"/>
        <source>Please select a profile.</source>
        <translation>Selecciona un perfil.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Save Settings Profile</source>
        <translation>Guardar perfil de ajustes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Profile name:</source>
        <translation>Nombre del perfil:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e.g., 100bb rake-free (fast)</source>
        <translation>p. ej., 100bb sin rake (rápido)</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Delete settings profile</source>
        <translation>Eliminar perfil de ajustes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to delete this saved profile?</source>
        <translation>¿Seguro que quieres eliminar este perfil guardado?</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/RangeExportFileDialog.qml" line="+0"/>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/RangeLibrarySidebar.qml" line="+48"/>
        <source>No ranges yet.</source>
        <translation>Aún no hay rangos.</translation>
    </message>
    <message>
        <location line="+54"/>
        <location line="+20"/>
        <source>Override</source>
        <translation>Sustituir</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Export standard…</source>
        <translation>Exportar estándar…</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+20"/>
        <source>Clear overrides…</source>
        <translation>Borrar sustituciones…</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Export population…</source>
        <translation>Exportar población…</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Save current range…</source>
        <translation>Guardar rango actual…</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Import range…</source>
        <translation>Importar rango…</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add folder…</source>
        <translation>Añadir carpeta…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Delete selected…</source>
        <translation>Eliminar selección…</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/RangePanel.qml" line="+69"/>
        <source>OOP Range</source>
        <translation>Rango OOP</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>IP Range</source>
        <translation>Rango IP</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Clear</source>
        <translation>Borrar</translation>
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
        <translation>p. ej., AA, KK, AKs, QQ+ o 50%</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>The solver does not read this range: %1</source>
        <translation>El solver no puede leer este rango: %1</translation>
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
        <translation>Tamaños de apuesta (%)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Raise sizes (%)</source>
        <translation>Tamaños de raise (%)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Add All-In</source>
        <translation>Añadir all-in</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Don&apos;t donk</source>
        <translation>Sin donk bet</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Copy OOP settings</source>
        <translation>Copiar ajustes de OOP</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+4"/>
        <source>Add all-in if jam less than</source>
        <translation>Añadir all-in si el jam es menor que</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>e.g. 30</source>
        <translation>p. ej. 30</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>% pot</source>
        <translation>% del bote</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/builtin_ranges.js" line="-1"/>
        <source>Export failed: %1</source>
        <translation>Error al exportar: %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No rake</source>
        <translation>Sin rake</translation>
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
        <translation>vs RFI de %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 vs %2 3bet</source>
        <translation>%1 vs 3bet de %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 3bet vs %2 4bet</source>
        <translation>%1 3bet vs 4bet de %2</translation>
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
        <translation>Call a raise</translation>
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
        <translation>Cold call a 3b</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bomb pot</source>
        <translation>Bomb pot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weaker regs</source>
        <translation>Regs más flojos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tighter reg</source>
        <translation>Reg más tight</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Looser reg</source>
        <translation>Reg más loose</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other</source>
        <translation>Otros</translation>
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
        <translation>Pasivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Passive tight</source>
        <translation>Pasivo tight</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Passive neutral</source>
        <translation>Pasivo neutro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Passive loose</source>
        <translation>Pasivo loose</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Extreme loose</source>
        <translation>Loose extremo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Loose aggressive</source>
        <translation>Loose agresivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standard LAG</source>
        <translation>LAG estándar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maniac</source>
        <translation>Maníaco</translation>
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
        <translation>Rango</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>p. ej., AA, KK, AKs, QQ+ o 50%</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 hands</source>
        <translation>%1 manos</translation>
    </message>
</context>
<context>
    <name>ResultsPage</name>
    <message>
        <location filename="../qml/pages/results/ChanceCardPicker.qml" line="+91"/>
        <source>%1 cannot be dealt: the opponent holds it in every hand that gets here. Choose another card.</source>
        <translation>No se puede repartir %1: el rival la tiene en todas las manos que llegan aquí. Elige otra carta.</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>Random</source>
        <translation>Aleatoria</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/DistributionsDialog.qml" line="+30"/>
        <location filename="../qml/pages/results/ResultsHeader.qml" line="+113"/>
        <source>Distributions</source>
        <translation>Distribuciones</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>EV by hand</source>
        <translation>EV por mano</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Equity by hand</source>
        <translation>Equity por mano</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Close</source>
        <translation>Cerrar</translation>
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
        <translation>Calculando distribuciones…</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Distributions unavailable.</source>
        <translation>Distribuciones no disponibles.</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/DistributionsPlot.qml" line="+54"/>
        <source>Computing…</source>
        <translation>Calculando…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No data</source>
        <translation>Sin datos</translation>
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
        <translation>Reparto del %1</translation>
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
        <translation>Acciones disponibles</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 options</source>
        <translation>%1 opciones</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/GameTreePanel.qml" line="+29"/>
        <source>Game Tree</source>
        <translation>Árbol de juego</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/HandBucketsCard.qml" line="+29"/>
        <source>Buckets</source>
        <translation>Grupos</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 shown</source>
        <translation>%1 mostrados</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>%1 combos</source>
        <translation>%1 combos</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Buckets are shown where a player acts.</source>
        <translation>Los grupos se muestran donde actúa un jugador.</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/HandComboRow.qml" line="+56"/>
        <source>EV:</source>
        <translation>EV:</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/HandDetailsCard.qml" line="+39"/>
        <source>Hand Details</source>
        <translation>Detalles de la mano</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Search (JJ, 56s, JcJd, ...)</source>
        <translation>Buscar (JJ, 56s, JcJd, ...)</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Loading hand combos…</source>
        <translation>Cargando combos…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No hand combos to display for this node.</source>
        <translation>No hay combos que mostrar en este nodo.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Filter: %1</source>
        <translation>Filtro: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No combos match the current filters.</source>
        <translation>Ningún combo coincide con los filtros actuales.</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/NodeFiguresBox.qml" line="+67"/>
        <source>Pot</source>
        <translation>Bote</translation>
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
        <translation>Para pagar</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Rake taken</source>
        <translation>Rake cobrado</translation>
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
        <translation>El node-locking solo está disponible en nodos de decisión.</translation>
    </message>
    <message>
        <location line="-128"/>
        <location line="+220"/>
        <source>Mixed</source>
        <translation>Mixta</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>freq</source>
        <translation>frec.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Reset locks</source>
        <translation>Quitar bloqueos</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/FileResultsNotice.qml" line="+51"/>
        <location filename="../qml/pages/results/NodeLockPanel.qml" line="+8"/>
        <source>Re-solve</source>
        <translation>Volver a resolver</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/NodeLockPanel.qml" line="+11"/>
        <source>Tip: enter frequencies above, then click a hand cell in the matrix to apply the mixed strategy.</source>
        <translation>Consejo: introduce las frecuencias arriba y haz clic en una celda de la matriz para aplicar la estrategia mixta.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tip: select an action above, then click a hand cell in the matrix to lock it.</source>
        <translation>Consejo: elige una acción arriba y haz clic en una celda de la matriz para bloquearla.</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/PlayHandDetailsPanel.qml" line="-15"/>
        <source>Flop</source>
        <translation>Flop</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Hands</source>
        <translation>Manos</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Winner: %1</source>
        <translation>Ganador: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TIE</source>
        <translation>EMPATE</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Won: %1   Rake: %2</source>
        <translation>Ganado: %1   Rake: %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>EV lost: %1</source>
        <translation>EV perdido: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Incorrect: %1</source>
        <translation>Incorrecto: %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Correct: %1</source>
        <translation>Correcto: %1</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/PlayHandLogPanel.qml" line="+51"/>
        <source>Hand Log</source>
        <translation>Historial de manos</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 hands</source>
        <translation>%1 manos</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/PlayHandLogRow.qml" line="+103"/>
        <source>Perfect</source>
        <translation>Perfecto</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/PlayTableStage.qml" line="+68"/>
        <source>Play as OOP</source>
        <translation>Jugar como OOP</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Play as both</source>
        <translation>Jugar como ambos</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Play as IP</source>
        <translation>Jugar como IP</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Click Turn/River to change</source>
        <translation>Haz clic en turn/river para cambiar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Deal the river: click its place on the board</source>
        <translation>Reparta el river: haga clic en su lugar del board</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Deal the turn: click its place on the board</source>
        <translation>Reparta el turn: haga clic en su lugar del board</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Pot: %1</source>
        <translation>Bote: %1</translation>
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
        <translation>Aquí no se pudo repartir ninguna mano: los rangos no dejan cartas para ambos jugadores.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Another hand</source>
        <translation>Otra mano</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Stop drill</source>
        <translation>Parar práctica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drill spot</source>
        <translation>Practicar spot</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/PlayTableView.qml" line="+35"/>
        <location filename="../qml/pages/results/ResultsHeader.qml" line="+33"/>
        <source>Play vs. Solution</source>
        <translation>Jugar vs. solución</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Role: %1</source>
        <translation>Rol: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose a role to start</source>
        <translation>Elige un rol para empezar</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Practice needs the solved spot: the project file holds only the nodes that were viewed before it was saved. Re-solve the spot to play against its solution.</source>
        <translation>La práctica necesita el spot resuelto: el archivo del proyecto solo contiene los nodos que se vieron antes de guardarlo. Vuelve a resolver el spot para jugar contra su solución.</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/ResultsHeader.qml" line="+1"/>
        <source>Strategy View</source>
        <translation>Vista de estrategia</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>%1 to act</source>
        <translation>Actúa %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Card to deal</source>
        <translation>Carta por repartir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hand over</source>
        <translation>Mano terminada</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Range view</source>
        <translation>Vista de rango</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play vs solution</source>
        <translation>Jugar vs. solución</translation>
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
        <translation>Explotabilidad</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/StrategyCard.qml" line="+48"/>
        <source>The re-solved solution differs from the one saved in the project file.</source>
        <translation>La solución recalculada difiere de la guardada en el archivo del proyecto.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Action Frequencies</source>
        <translation>Frecuencias de acción</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>The project file holds only the nodes that were viewed before it was saved, and this node is not among them. Re-solve the spot to see every node.</source>
        <translation>El archivo del proyecto solo contiene los nodos que se vieron antes de guardarlo, y este nodo no está entre ellos. Vuelve a resolver el spot para ver todos los nodos.</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/StrategyMatrixPanel.qml" line="+99"/>
        <source>Strategy by Hand</source>
        <translation>Estrategia por mano</translation>
    </message>
    <message>
        <location line="+130"/>
        <source>Standard mode</source>
        <translation>Modo estándar</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Node-lock mode</source>
        <translation>Modo node-lock</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <location filename="../qml/pages/settings/AppearanceCard.qml" line="+38"/>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Dark Mode</source>
        <translation>Modo oscuro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use dark color scheme throughout the interface</source>
        <translation>Usar un esquema de colores oscuro en toda la interfaz</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change the app language (takes effect immediately)</source>
        <translation>Cambia el idioma de la aplicación (se aplica de inmediato)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>System default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>Accent Color</source>
        <translation>Color de acento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Customize the app highlight color (buttons, accents, clubs/check).</source>
        <translation>Personaliza el color de resalte de la aplicación (botones, acentos, tréboles/check).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <location filename="../qml/pages/settings/LicensesCard.qml" line="+32"/>
        <source>Licenses</source>
        <translation>Licencias</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Third-party notices and license texts are included in the &apos;licenses&apos; folder next to the executable.</source>
        <translation>Los avisos de terceros y los textos de licencia se incluyen en la carpeta &apos;licenses&apos; junto al ejecutable.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Open licenses folder</source>
        <translation>Abrir carpeta de licencias</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Open notices</source>
        <translation>Abrir avisos</translation>
    </message>
    <message>
        <location filename="../qml/pages/settings/SettingsPage.qml" line="+85"/>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Reset to Defaults</source>
        <translation>Restablecer valores</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Save Settings</source>
        <translation>Guardar ajustes</translation>
    </message>
    <message>
        <location filename="../qml/pages/settings/UpdatesCard.qml" line="+20"/>
        <source>Current version: %1</source>
        <translation>Versión actual: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown</source>
        <translation>Desconocida</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last checked: %1</source>
        <translation>Última comprobación: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Downloaded</source>
        <translation>Descargada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Downloading: %1%</source>
        <translation>Descargando: %1%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Downloading…</source>
        <translation>Descargando…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Checking...</source>
        <translation>Comprobando...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check for updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Updating…</source>
        <translation>Actualizando…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Install update</source>
        <translation>Instalar actualización</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Install update?</source>
        <translation>¿Instalar la actualización?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tessaval will close to install the update. Continue?</source>
        <translation>Tessaval se cerrará para instalar la actualización. ¿Continuar?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Updates</source>
        <translation>Actualizaciones</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Update available: %1</source>
        <translation>Actualización disponible: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No updates available.</source>
        <translation>No hay actualizaciones disponibles.</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <location filename="../qml/components/Sidebar.qml" line="+17"/>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Overview &amp; quick actions</source>
        <translation>Resumen y acciones rápidas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Setup</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Board, ranges, tree</source>
        <translation>Board, rangos, árbol</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Run solver</source>
        <translation>Ejecutar el solver</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Browse strategies</source>
        <translation>Explorar estrategias</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Preferences</source>
        <translation>Preferencias</translation>
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
        <translation>Solver de póker</translation>
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
        <translation>Cómputo</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>CPU threads utilized</source>
        <translation>Hilos de CPU utilizados</translation>
    </message>
    <message>
        <location filename="../qml/pages/solve/SolveConfigCard.qml" line="+59"/>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Street</source>
        <translation>Calle</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pot / Stack</source>
        <translation>Bote / Stack</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Target</source>
        <translation>Objetivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rake</source>
        <translation>Rake</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bet sizes</source>
        <translation>Tamaños de apuesta</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Options enabled</source>
        <translation>Opciones activas</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Controls</source>
        <translation>Controles</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Solving...</source>
        <translation>Resolviendo...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start Solve</source>
        <translation>Iniciar resolución</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>View Results →</source>
        <translation>Ver resultados →</translation>
    </message>
    <message>
        <location filename="../qml/pages/solve/SolvePage.qml" line="-268"/>
        <source>Max, 1 thread</source>
        <translation>Máx., 1 hilo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Max, %1 threads</source>
        <translation>Máx., %1 hilos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 thread</source>
        <translation>1 hilo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 threads</source>
        <translation>%1 hilos</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Ready to solve</source>
        <translation>Listo para resolver</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Done</source>
        <translation>Terminado</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Starting solver…</source>
        <translation>Iniciando el solver…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Initializing…</source>
        <translation>Inicializando…</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Finalizing…</source>
        <translation>Finalizando…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Iteration %1 | exploitability=%2</source>
        <translation>Iteración %1 | explotabilidad=%2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Finalizing</source>
        <translation>Finalizando</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/solve/SolveRecentRunsCard.qml" line="+36"/>
        <source>Running</source>
        <translation>En curso</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>OOP: don&apos;t donk on flop</source>
        <translation>OOP: sin donk bet en el flop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: don&apos;t donk on turn</source>
        <translation>OOP: sin donk bet en el turn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: don&apos;t donk on river</source>
        <translation>OOP: sin donk bet en el river</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: add all-in on flop</source>
        <translation>OOP: añadir all-in en el flop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: add all-in on turn</source>
        <translation>OOP: añadir all-in en el turn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: add all-in on river</source>
        <translation>OOP: añadir all-in en el river</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP: add all-in on flop</source>
        <translation>IP: añadir all-in en el flop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP: add all-in on turn</source>
        <translation>IP: añadir all-in en el turn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP: add all-in on river</source>
        <translation>IP: añadir all-in en el river</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: add all-in if jam &lt; %1% pot</source>
        <translation>OOP: añadir all-in si el jam &lt; %1% del bote</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP: add all-in if jam &lt; %1% pot</source>
        <translation>IP: añadir all-in si el jam &lt; %1% del bote</translation>
    </message>
    <message>
        <location line="+30"/>
        <location filename="../qml/pages/solve/SolveRecentRunsCard.qml" line="+160"/>
        <source>Iterations %1 • Target %2% (≈ %3) • Threads %4</source>
        <translation>Iteraciones %1 • Objetivo %2% (≈ %3) • Hilos %4</translation>
    </message>
    <message>
        <location line="+247"/>
        <source>Solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Run the CFR solver and monitor progress in real-time.</source>
        <translation>Ejecuta el solver CFR y sigue el progreso en tiempo real.</translation>
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
        <translation>%1% (tope %2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>F %1/%2 • T %3/%4 • R %5/%6</source>
        <translation>F %1/%2 • T %3/%4 • R %5/%6</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Window %1/%2</source>
        <translation>Ventana %1/%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Iterations: %1</source>
        <translation>Iteraciones: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Measuring...</source>
        <translation>Midiendo...</translation>
    </message>
    <message>
        <location filename="../qml/pages/solve/SolveProgressCard.qml" line="+34"/>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Solver converged — finalizing results…</source>
        <translation>El solver ha convergido — finalizando resultados…</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Metrics</source>
        <translation>Métricas</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Elapsed</source>
        <translation>Transcurrido</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Remaining</source>
        <translation>Restante</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it/s</source>
        <translation>it/s</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Exploitability</source>
        <translation>Explotabilidad</translation>
    </message>
    <message>
        <location filename="../qml/pages/solve/SolveRecentRunsCard.qml" line="-159"/>
        <source>Completed</source>
        <translation>Completado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed</source>
        <translation>Fallido</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Recent Runs</source>
        <translation>Ejecuciones recientes</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>No runs yet — click Start Solve to record a run here.</source>
        <translation>Aún no hay ejecuciones — haz clic en Iniciar resolución para registrar una aquí.</translation>
    </message>
</context>
<context>
    <name>TopBar</name>
    <message>
        <location filename="../qml/components/TopBar.qml" line="+4"/>
        <source>Finalizing</source>
        <translation>Finalizando</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Starting</source>
        <translation>Iniciando</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Initializing</source>
        <translation>Inicializando</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Solving</source>
        <translation>Resolviendo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Setup</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>A solve is running: the other pages open when it ends or is cancelled</source>
        <translation>Hay un cálculo en curso: las demás páginas se abren cuando termine o se cancele</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start a new project (or load one) from Home to enable Project</source>
        <translation>Crea un proyecto nuevo (o carga uno) desde Inicio para habilitar Configuración</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Fill board, ranges, and sizings to enable Solve</source>
        <translation>Completa board, rangos y sizings para habilitar Resolver</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Run a solve to enable Results</source>
        <translation>Ejecuta una resolución para habilitar Resultados</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Settings</source>
        <translation>Ajustes</translation>
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
        <translation>Reparto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Terminal</source>
        <translation>Final</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Pot: %1</source>
        <translation>Bote: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Freq: %1%</source>
        <translation>Frec.: %1%</translation>
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
        <translation>No hay URL de actualización configurada.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+36"/>
        <source>Update check failed: %1</source>
        <translation>Error al buscar actualizaciones: %1</translation>
    </message>
    <message>
        <location line="-35"/>
        <location line="+72"/>
        <source>the address must use HTTPS</source>
        <translation>la dirección debe usar HTTPS</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>Invalid update response (HTTP %1).</source>
        <translation>Respuesta de actualización no válida (HTTP %1).</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+167"/>
        <source>No download URL available.</source>
        <translation>No hay URL de descarga disponible.</translation>
    </message>
    <message>
        <location line="-155"/>
        <location line="+66"/>
        <source>Download failed: %1</source>
        <translation>Error en la descarga: %1</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>Failed to create download file.</source>
        <translation>No se pudo crear el archivo de descarga.</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Failed to finalize download file (HTTP %1).</source>
        <translation>No se pudo completar el archivo descargado (HTTP %1).</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>No downloaded update is ready to install.</source>
        <translation>No hay ninguna actualización descargada lista para instalar.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Downloaded installer file is missing.</source>
        <translation>Falta el archivo de instalación descargado.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Failed to launch installer.</source>
        <translation>No se pudo iniciar el instalador.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No update is available.</source>
        <translation>No hay ninguna actualización disponible.</translation>
    </message>
</context>
</TS>
