<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
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
        <translation>%1 комбо</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1% equity</source>
        <translation>эквити %1%</translation>
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
        <translation>Недопустимый или нелокальный URL файла</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Empty file path</source>
        <translation>Пустой путь к файлу</translation>
    </message>
    <message>
        <location filename="../app/app_controller.cpp" line="+74"/>
        <location filename="../app/controller_solve.cpp" line="+256"/>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <location filename="../app/controller_files.cpp" line="+84"/>
        <location filename="../app/controller_project.cpp" line="+976"/>
        <location line="+5"/>
        <source>Failed to open file: %1</source>
        <translation>Не удалось открыть файл: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+6"/>
        <source>Failed to save file: %1</source>
        <translation>Не удалось сохранить файл: %1</translation>
    </message>
    <message>
        <location filename="../app/controller_project.cpp" line="-753"/>
        <location line="+8"/>
        <location line="+8"/>
        <location line="+7"/>
        <source>Invalid JSON</source>
        <translation>Недопустимый JSON</translation>
    </message>
    <message>
        <location line="-20"/>
        <location line="+16"/>
        <source>Unrecognized project format</source>
        <translation>Нераспознанный формат проекта</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Unsupported project version</source>
        <translation>Неподдерживаемая версия проекта</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Invalid project file: %1</source>
        <translation>Недопустимый файл проекта: %1</translation>
    </message>
    <message>
        <location line="+757"/>
        <source>Loaded project (%1 strategy nodes, %2 combo nodes)</source>
        <translation>Проект загружен (узлов стратегии: %1, узлов комбо: %2)</translation>
    </message>
    <message>
        <location filename="../qml/components/TopBar.qml" line="+55"/>
        <location filename="../qml/pages/solve/SolvePage.qml" line="+95"/>
        <location filename="../app/controller_solve.cpp" line="-157"/>
        <source>Starting...</source>
        <translation>Запуск...</translation>
    </message>
    <message>
        <location filename="../app/controller_solve.cpp" line="+31"/>
        <source>Not ready: enter a valid board first</source>
        <translation>Не готово: сначала введите корректный борд</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Not ready: select at least one hand in both ranges</source>
        <translation>Не готово: выберите хотя бы одну руку в обоих диапазонах</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Not ready: fill out both OOP and IP sizing</source>
        <translation>Не готово: заполните сайзинги OOP и IP</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Not ready: rake must be between 0 and 100%</source>
        <translation>Не готово: рейк должен быть от 0 до 100%</translation>
    </message>
    <message>
        <source>Not ready: the starting street is not the street of the board</source>
        <translation>Не готово: начальная улица не соответствует борду</translation>
    </message>
    <message>
        <source>Not ready: a sizing text does not read: %1</source>
        <translation>Не готово: текст сайзинга не читается: %1</translation>
    </message>
    <message>
        <source>Not ready: the pot and the stack must be above 0</source>
        <translation>Не готово: банк и стек должны быть больше 0</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Not enough memory: this spot needs at least %1, %2 are available</source>
        <translation>Недостаточно памяти: этому споту нужно не менее %1, доступно %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not enough memory: this spot needs %1, %2 are available</source>
        <translation>Недостаточно памяти: этому споту нужно %1, доступно %2</translation>
    </message>
    <message>
        <location line="+227"/>
        <source>at least %1</source>
        <translation>не менее %1</translation>
    </message>
    <message>
        <location line="-210"/>
        <source>Already running</source>
        <translation>Уже выполняется</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>No previous solve config (solve once first)</source>
        <translation>Нет предыдущей конфигурации расчёта (сначала выполните расчёт)</translation>
    </message>
    <message>
        <location filename="../qml/pages/solve/SolvePage.qml" line="+247"/>
        <location filename="../app/controller_solve.cpp" line="+21"/>
        <source>Cancelling...</source>
        <translation>Отмена...</translation>
    </message>
</context>
<context>
    <name>AppShell</name>
    <message>
        <location filename="../qml/components/AppShell.qml" line="+122"/>
        <source>Home</source>
        <translation>Главная</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Setup</source>
        <translation>Проект</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Solve</source>
        <translation>Расчёт</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Results</source>
        <translation>Результаты</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tessaval</source>
        <translation>Tessaval</translation>
    </message>
    <message>
        <location filename="../qml/components/field_commit.js" line="+15"/>
        <source>Not started: “%1” does not hold a value it can take.</source>
        <translation>Не запущено: в поле «%1» недопустимое значение.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not started: the field being edited does not hold a value it can take.</source>
        <translation>Не запущено: в редактируемом поле недопустимое значение.</translation>
    </message>
    <message>
        <location filename="../qml/components/solve_gating.js" line="+74"/>
        <source>flop</source>
        <translation>флоп</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>turn</source>
        <translation>тёрн</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>river</source>
        <translation>ривер</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 %2 bet sizes</source>
        <translation>бет-сайзы %1 %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 %2 raise sizes</source>
        <translation>рейз-сайзы %1 %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Pick the board: a flop, a turn or a river.</source>
        <translation>Выберите борд: флоп, тёрн или ривер.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Board: %1</source>
        <translation>Борд: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Give %1 a range.</source>
        <translation>Задайте диапазон для %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 range: %2</source>
        <translation>Диапазон %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The %1 range holds no hand.</source>
        <translation>В диапазоне %1 нет ни одной руки.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Fill in the %1.</source>
        <translation>Заполните %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not enough memory: the solve needs %1, %2 are available.</source>
        <translation>Недостаточно памяти: расчёту нужно %1, доступно %2.</translation>
    </message>
</context>
<context>
    <name>BoardDisplay</name>
    <message>
        <location filename="../qml/components/BoardDisplay.qml" line="+35"/>
        <source>River</source>
        <translation>Ривер</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Turn</source>
        <translation>Тёрн</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flop</source>
        <translation>Флоп</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preflop</source>
        <translation>Префлоп</translation>
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
        <translation>стрит-флеш</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>quads</source>
        <translation>каре</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>full house</source>
        <translation>фулл-хаус</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>flush</source>
        <translation>флеш</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>straight</source>
        <translation>стрит</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>set</source>
        <translation>сет</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>trips</source>
        <translation>трипс</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>two pair</source>
        <translation>две пары</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>top pair</source>
        <translation>топ-пара</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>overpair</source>
        <translation>оверпара</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>middle pair</source>
        <translation>средняя пара</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bottom pair</source>
        <translation>нижняя пара</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dry pair</source>
        <translation>сухая пара</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>flush draw</source>
        <translation>флеш-дро</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>missed FD</source>
        <translation>несыгравшее флеш-дро</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>open ended straight draw</source>
        <translation>двустороннее стрит-дро</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>missed OESD</source>
        <translation>несыгравшее OESD</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>gutter</source>
        <translation>гатшот</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>missed gutter</source>
        <translation>несыгравший гатшот</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>back door flush draw</source>
        <translation>бэкдор флеш-дро</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>air</source>
        <translation>воздух</translation>
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
        <translation>Современный высокопроизводительный солвер для холдема</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../qml/pages/home/QuickActionsCard.qml" line="+23"/>
        <source>New Solve</source>
        <translation>Новый расчёт</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Open File</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <location filename="../qml/pages/home/HomePage.qml" line="+56"/>
        <location filename="../qml/pages/home/SolveTrendCard.qml" line="+212"/>
        <source>%1s</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1m</source>
        <translation>%1 мин</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1m %2s</source>
        <translation>%1 мин %2 с</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tessaval Project (*.tessavalproj)</source>
        <translation>Проект Tessaval (*.tessavalproj)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>All Files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>Saving %1…</source>
        <translation>Сохранение %1…</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Opening %1…</source>
        <translation>Открытие %1…</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Saved the project as %1 in %2.</source>
        <translation>Проект сохранён как %1 в папке %2.</translation>
    </message>
    <message>
        <source>Lock edits made since the last solve are not in it: re-solve, then save to keep them.</source>
        <translation>Изменения фиксации после последнего расчёта в него не вошли: пересчитайте, затем сохраните, чтобы их сохранить.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the project service is not available.</source>
        <translation>служба проектов недоступна.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Could not open %1: %2</source>
        <translation>Не удалось открыть %1: %2</translation>
    </message>
    <message>
        <location line="-18"/>
        <location line="+19"/>
        <source>unknown</source>
        <translation>неизвестно</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Could not save %1 in %2: %3</source>
        <translation>Не удалось сохранить %1 в папке %2: %3</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Save Project</source>
        <translation>Сохранить проект</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Open Project</source>
        <translation>Открыть проект</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Discard results</source>
        <translation>Отбросить результаты</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The results of the current solve were never saved. Discard them?</source>
        <translation>Результаты текущего расчёта не были сохранены. Отбросить их?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the project first to keep them.</source>
        <translation>Сначала сохраните проект, чтобы сохранить их.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard</source>
        <translation>Отбросить</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Clear Play vs. Solution Stats</source>
        <translation>Сброс статистики игры против решения</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear all Play vs. Solution statistics (today + total)?</source>
        <translation>Удалить всю статистику игры против решения (за сегодня и за всё время)?</translation>
    </message>
    <message>
        <location filename="../qml/pages/home/PracticeStatsCard.qml" line="+36"/>
        <source>Play vs. Solution</source>
        <translation>Игра против решения</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Hands (Today / Total)</source>
        <translation>Раздачи (сегодня / всего)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Accuracy (Today / Total)</source>
        <translation>Точность (сегодня / всего)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Avg EV Loss (Today / Total)</source>
        <translation>Ср. потеря EV (сегодня / всего)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>EV</source>
        <translation>EV</translation>
    </message>
    <message>
        <location filename="../qml/pages/home/QuickActionsCard.qml" line="+9"/>
        <source>Configure board, ranges, tree</source>
        <translation>Настройка борда, диапазонов, дерева</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Quick Solve</source>
        <translation>Быстрый расчёт</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Use default settings</source>
        <translation>С настройками по умолчанию</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Import Range</source>
        <translation>Импорт диапазона</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Load from file</source>
        <translation>Загрузить из файла</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Quick Actions</source>
        <translation>Быстрые действия</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>→</source>
        <translation>→</translation>
    </message>
    <message>
        <location filename="../qml/pages/home/SolveActivityCard.qml" line="+28"/>
        <source>Jan</source>
        <translation>Янв</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Feb</source>
        <translation>Фев</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mar</source>
        <translation>Мар</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apr</source>
        <translation>Апр</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>May</source>
        <translation>Май</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Jun</source>
        <translation>Июн</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jul</source>
        <translation>Июл</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Aug</source>
        <translation>Авг</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sep</source>
        <translation>Сен</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oct</source>
        <translation>Окт</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Nov</source>
        <translation>Ноя</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dec</source>
        <translation>Дек</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mon</source>
        <translation>Пн</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tue</source>
        <translation>Вт</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wed</source>
        <translation>Ср</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thu</source>
        <translation>Чт</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Fri</source>
        <translation>Пт</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sat</source>
        <translation>Сб</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sun</source>
        <translation>Вс</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1%2</source>
        <translation>%1%2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> (future)</source>
        <translation> (будущее)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Solves: %1</source>
        <translation>Расчётов: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Avg iters: %1</source>
        <translation>Ср. итераций: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Avg expl: %1</source>
        <translation>Ср. эксплуат.: %1</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Solve Activity</source>
        <translation>Активность расчётов</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Last 6 months</source>
        <translation>Последние 6 месяцев</translation>
    </message>
    <message>
        <location filename="../qml/pages/home/SolveHistoryCard.qml" line="+18"/>
        <source>%1 available</source>
        <translation>Доступно: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 (%2 free)</source>
        <translation>%1 (свободно %2)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Solve history</source>
        <translation>История расчётов</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total solves</source>
        <translation>Всего расчётов</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Solves this week</source>
        <translation>Расчётов за неделю</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Average run time</source>
        <translation>Среднее время расчёта</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>System</source>
        <translation>Система</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Engine</source>
        <translation>Движок</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tessaval Core</source>
        <translation>Tessaval Core</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Threads</source>
        <translation>Потоки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Memory</source>
        <translation>Память</translation>
    </message>
    <message>
        <location filename="../qml/pages/home/SolveTrendCard.qml" line="-170"/>
        <source>Solves over time</source>
        <translation>Расчёты по времени</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Daily</source>
        <translation>По дням</translation>
    </message>
    <message>
        <location line="+157"/>
        <source>%1
Daily: %2
Total: %3
Avg runtime: %4</source>
        <translation>%1
За день: %2
Всего: %3
Ср. время: %4</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>No solves yet</source>
        <translation>Расчётов пока нет</translation>
    </message>
</context>
<context>
    <name>LocalFileDialog</name>
    <message>
        <location filename="../qml/components/LocalFileDialog.qml" line="+81"/>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>Replace file</source>
        <translation>Заменить файл</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A file with this name already exists. Do you want to replace it?</source>
        <translation>Файл с таким именем уже существует. Заменить его?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Its current contents will be lost.</source>
        <translation>Его текущее содержимое будет потеряно.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replace</source>
        <translation>Заменить</translation>
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
        <translation>Борд</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/CardPickerDialog.qml" line="+20"/>
        <source>Select card</source>
        <translation>Выбор карты</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Flop card</source>
        <translation>Карта флопа</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Turn card</source>
        <translation>Карта тёрна</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>River card</source>
        <translation>Карта ривера</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Clear card</source>
        <translation>Убрать карту</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../qml/pages/project/LoadSettingsDialog.qml" line="+129"/>
        <location filename="../qml/pages/project/SetupConfirmDialog.qml" line="+80"/>
        <location filename="../qml/pages/project/SetupNameDialog.qml" line="+127"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/GameSettingsCard.qml" line="+86"/>
        <source>Game Settings</source>
        <translation>Параметры игры</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+4"/>
        <source>Starting Pot</source>
        <translation>Начальный банк</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+15"/>
        <source>e.g., 100.0</source>
        <translation>напр., 100.0</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+4"/>
        <source>Effective Stack</source>
        <translation>Эффективный стек</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+4"/>
        <source>Rake (%)</source>
        <translation>Рейк (%)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e.g., 5.0</source>
        <translation>напр., 5.0</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+4"/>
        <source>Rake Cap</source>
        <translation>Лимит рейка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e.g., 0</source>
        <translation>напр., 0</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+5"/>
        <source>Target Exploitability (%)</source>
        <translation>Цель эксплуат. (%)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e.g., 0.10</source>
        <translation>напр., 0.10</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/LoadSettingsDialog.qml" line="-101"/>
        <source>Load Settings Profile</source>
        <translation>Загрузка профиля настроек</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Choose a saved profile:</source>
        <translation>Выберите сохранённый профиль:</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>No saved profiles yet.</source>
        <translation>Сохранённых профилей пока нет.</translation>
    </message>
    <message>
        <location line="+45"/>
        <location filename="../qml/pages/project/SetupConfirmDialog.qml" line="-64"/>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Load</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/ProfileButtonsCard.qml" line="+28"/>
        <source>Load settings</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Save settings</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/ProjectBuiltInRanges.qml" line="+199"/>
        <source>Export failed: appController.saveTextFile unavailable.</source>
        <translation>Ошибка экспорта: appController.saveTextFile недоступен.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Exported to %1.</source>
        <translation>Экспортировано в %1.</translation>
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
        <translation>Сброс изменённых стандартных диапазонов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear all locally overridden standard ranges for %1?</source>
        <translation>Сбросить все локально изменённые стандартные диапазоны для %1?</translation>
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
        <translation>Сброс изменённых диапазонов популяции</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear all locally overridden population ranges for %1?</source>
        <translation>Сбросить все локально изменённые диапазоны популяции для %1?</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Export Standard Ranges</source>
        <translation>Экспорт стандартных диапазонов</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Export Population Ranges</source>
        <translation>Экспорт диапазонов популяции</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/ProjectCustomRanges.qml" line="+110"/>
        <location line="+99"/>
        <location filename="../qml/pages/project/ProjectSettingsProfiles.qml" line="+94"/>
        <source>Please enter a name.</source>
        <translation>Введите название.</translation>
    </message>
    <message>
        <location line="-95"/>
        <source>Current range is empty.</source>
        <translation>Текущий диапазон пуст.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+30"/>
        <source>Unknown player.</source>
        <translation>Неизвестный игрок.</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Please enter a folder name.</source>
        <translation>Введите название папки.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Import failed: appController.readTextFile unavailable.</source>
        <translation>Ошибка импорта: appController.readTextFile недоступен.</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../qml/pages/project/builtin_ranges.js" line="+432"/>
        <source>unknown error</source>
        <translation>неизвестная ошибка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import failed: %1</source>
        <translation>Ошибка импорта: %1</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/range_text.js" line="+220"/>
        <source>Import failed: the file is not a text file.</source>
        <translation>Ошибка импорта: файл не является текстовым.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Import failed: “%1” is not a range item.</source>
        <translation>Ошибка импорта: «%1» не является элементом диапазона.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Import failed: file contained no recognizable hands.</source>
        <translation>Ошибка импорта: в файле нет распознаваемых рук.</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/ProjectCustomRanges.qml" line="+21"/>
        <source>No range content to import.</source>
        <translation>Нет данных диапазона для импорта.</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Save IP range</source>
        <translation>Сохранить диапазон IP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save OOP range</source>
        <translation>Сохранить диапазон OOP</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+37"/>
        <source>Name this range:</source>
        <translation>Название диапазона:</translation>
    </message>
    <message>
        <location line="-36"/>
        <source>e.g., BTN vs BB (default)</source>
        <translation>напр., BTN vs BB (по умолчанию)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/project/ProjectSettingsProfiles.qml" line="+53"/>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Add folder (IP)</source>
        <translation>Новая папка (IP)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add folder (OOP)</source>
        <translation>Новая папка (OOP)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folder name:</source>
        <translation>Название папки:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e.g., BTN vs BB</source>
        <translation>напр., BTN vs BB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+42"/>
        <source>Import Range</source>
        <translation>Импорт диапазона</translation>
    </message>
    <message>
        <location line="-40"/>
        <source>e.g., BTN open (custom)</source>
        <translation>напр., BTN open (свой)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Delete folder</source>
        <translation>Удалить папку</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete range</source>
        <translation>Удаление диапазона</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Are you sure you want to delete this folder?</source>
        <translation>Удалить эту папку?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to delete this range?</source>
        <translation>Удалить этот диапазон?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This will also delete %1 range(s). This cannot be undone.</source>
        <translation>Также будут удалены диапазоны (%1). Это действие нельзя отменить.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../qml/pages/project/ProjectSettingsProfiles.qml" line="+35"/>
        <source>This cannot be undone.</source>
        <translation>Это действие нельзя отменить.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Range text (*.txt)</source>
        <translation>Текст диапазона (*.txt)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/project/RangeExportFileDialog.qml" line="+10"/>
        <source>All Files (*)</source>
        <translation>Все файлы (*)</translation>
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
        <translation>Настройка проекта</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Setup Required</source>
        <translation>Требуется настройка</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Solve RAM: %1</source>
        <translation>ОЗУ для расчёта: %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Available RAM: %1</source>
        <translation>Доступно ОЗУ: %1</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Continue to Solve →</source>
        <translation>Перейти к расчёту →</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/ProjectRangeLibrary.qml" line="+117"/>
        <location filename="../qml/pages/project/RangeLibrarySidebar.qml" line="+126"/>
        <source>Standard Ranges</source>
        <translation>Стандартные диапазоны</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../qml/pages/project/RangeLibrarySidebar.qml" line="+4"/>
        <source>Population Ranges</source>
        <translation>Диапазоны популяции</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/project/RangeLibrarySidebar.qml" line="+4"/>
        <source>Custom Ranges</source>
        <translation>Свои диапазоны</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/ProjectSettingsProfiles.qml" line="-70"/>
        <source>Please select a profile.</source>
        <translation>Выберите профиль.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Save Settings Profile</source>
        <translation>Сохранение профиля настроек</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Profile name:</source>
        <translation>Название профиля:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e.g., 100bb rake-free (fast)</source>
        <translation>напр., 100bb без рейка (быстро)</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Delete settings profile</source>
        <translation>Удаление профиля настроек</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to delete this saved profile?</source>
        <translation>Удалить этот сохранённый профиль?</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/RangeExportFileDialog.qml" line="+0"/>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/RangeLibrarySidebar.qml" line="+48"/>
        <source>No ranges yet.</source>
        <translation>Диапазонов пока нет.</translation>
    </message>
    <message>
        <location line="+54"/>
        <location line="+20"/>
        <source>Override</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Export standard…</source>
        <translation>Экспорт стандартных…</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+20"/>
        <source>Clear overrides…</source>
        <translation>Сбросить изменения…</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Export population…</source>
        <translation>Экспорт популяции…</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Save current range…</source>
        <translation>Сохранить диапазон…</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Import range…</source>
        <translation>Импорт диапазона…</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add folder…</source>
        <translation>Новая папка…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Delete selected…</source>
        <translation>Удалить выбранное…</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/RangePanel.qml" line="+69"/>
        <source>OOP Range</source>
        <translation>Диапазон OOP</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>IP Range</source>
        <translation>Диапазон IP</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <location line="+79"/>
        <location line="+7"/>
        <source>Weight</source>
        <translation>Вес</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>напр., AA, KK, AKs, QQ+ или 50%</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>The solver does not read this range: %1</source>
        <translation>Солвер не может прочитать этот диапазон: %1</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/SizingCard.qml" line="+141"/>
        <source>OOP Sizing</source>
        <translation>Сайзинги OOP</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>IP Sizing</source>
        <translation>Сайзинги IP</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Flop</source>
        <translation>Флоп</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Turn</source>
        <translation>Тёрн</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>River</source>
        <translation>Ривер</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Bet sizes (%)</source>
        <translation>Бет-сайзы (%)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Raise sizes (%)</source>
        <translation>Рейз-сайзы (%)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Add All-In</source>
        <translation>С олл-ином</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Don&apos;t donk</source>
        <translation>Без донка</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Copy OOP settings</source>
        <translation>Копировать из OOP</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+4"/>
        <source>Add all-in if jam less than</source>
        <translation>Олл-ин, если пуш &lt;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>e.g. 30</source>
        <translation>напр. 30</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>% pot</source>
        <translation>% банка</translation>
    </message>
    <message>
        <location filename="../qml/pages/project/builtin_ranges.js" line="-1"/>
        <source>Export failed: %1</source>
        <translation>Ошибка экспорта: %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No rake</source>
        <translation>Без рейка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>50nl rake</source>
        <translation>Рейк 50nl</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>100nl rake</source>
        <translation>Рейк 100nl</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>200nl rake</source>
        <translation>Рейк 200nl</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>500nl rake</source>
        <translation>Рейк 500nl</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+55"/>
        <source>Call</source>
        <translation>Колл</translation>
    </message>
    <message>
        <location line="-54"/>
        <source>Fold</source>
        <translation>Фолд</translation>
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
        <translation>3-бет</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4bet</source>
        <translation>4-бет</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>6-max</source>
        <translation>6-max</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heads up</source>
        <translation>Хедз-ап</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>vs RFI</source>
        <translation>vs RFI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>vs 3bet</source>
        <translation>vs 3-бет</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>vs 4bet</source>
        <translation>vs 4-бет</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>vs %1 RFI</source>
        <translation>vs RFI %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 vs %2 3bet</source>
        <translation>%1 vs 3-бет %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 3bet vs %2 4bet</source>
        <translation>3-бет %1 vs 4-бет %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Limp</source>
        <translation>Лимп</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Limp-call</source>
        <translation>Лимп-колл</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Limp-3b</source>
        <translation>Лимп-3-бет</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Call raise</source>
        <translation>Колл рейза</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check back</source>
        <translation>Чек-бэк</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3b</source>
        <translation>3-бет</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4b</source>
        <translation>4-бет</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Call 3b</source>
        <translation>Колл 3-бета</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Call 4b</source>
        <translation>Колл 4-бета</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3b cold call</source>
        <translation>Колд-колл 3-бета</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bomb pot</source>
        <translation>Бомб-пот</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weaker regs</source>
        <translation>Слабые реги</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tighter reg</source>
        <translation>Тайтовый рег</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Looser reg</source>
        <translation>Лузовый рег</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other</source>
        <translation>Другое</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nit</source>
        <translation>Нит</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+15"/>
        <source>Overfolder</source>
        <translation>Оверфолдер</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Passive</source>
        <translation>Пассивный</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Passive tight</source>
        <translation>Пассивный тайтовый</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Passive neutral</source>
        <translation>Пассивный средний</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Passive loose</source>
        <translation>Пассивный лузовый</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Extreme loose</source>
        <translation>Крайне лузовый</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Loose aggressive</source>
        <translation>Лузово-агрессивный</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standard LAG</source>
        <translation>Стандартный LAG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maniac</source>
        <translation>Маньяк</translation>
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
        <translation>Диапазон</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>напр., AA, KK, AKs, QQ+ или 50%</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 hands</source>
        <translation>Рук: %1</translation>
    </message>
</context>
<context>
    <name>ResultsPage</name>
    <message>
        <location filename="../qml/pages/results/ChanceCardPicker.qml" line="+91"/>
        <source>%1 cannot be dealt: the opponent holds it in every hand that gets here. Choose another card.</source>
        <translation>Нельзя сдать %1: она есть у соперника в каждой руке, которая доходит сюда. Выберите другую карту.</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>Random</source>
        <translation>Случайно</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/DistributionsDialog.qml" line="+30"/>
        <location filename="../qml/pages/results/ResultsHeader.qml" line="+113"/>
        <source>Distributions</source>
        <translation>Распределения</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>EV by hand</source>
        <translation>EV по рукам</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Equity by hand</source>
        <translation>Эквити по рукам</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Equity</source>
        <translation>Эквити</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>EV</source>
        <translation>EV</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Computing distributions…</source>
        <translation>Расчёт распределений…</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Distributions unavailable.</source>
        <translation>Распределения недоступны.</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/DistributionsPlot.qml" line="+54"/>
        <source>Computing…</source>
        <translation>Расчёт…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No data</source>
        <translation>Нет данных</translation>
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
        <translation>Сдача: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/results/PlayHandDetailsPanel.qml" line="+148"/>
        <source>River</source>
        <translation>Ривер</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/results/PlayHandDetailsPanel.qml" line="-16"/>
        <source>Turn</source>
        <translation>Тёрн</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Available actions</source>
        <translation>Доступные действия</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 options</source>
        <translation>Вариантов: %1</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/GameTreePanel.qml" line="+29"/>
        <source>Game Tree</source>
        <translation>Дерево игры</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/HandBucketsCard.qml" line="+29"/>
        <source>Buckets</source>
        <translation>Группы</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 shown</source>
        <translation>Показано: %1</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>%1 combos</source>
        <translation>%1 комбо</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Buckets are shown where a player acts.</source>
        <translation>Группы показываются там, где ходит игрок.</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/HandComboRow.qml" line="+56"/>
        <source>EV:</source>
        <translation>EV:</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/HandDetailsCard.qml" line="+39"/>
        <source>Hand Details</source>
        <translation>Детали рук</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Search (JJ, 56s, JcJd, ...)</source>
        <translation>Поиск (JJ, 56s, JcJd, ...)</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Loading hand combos…</source>
        <translation>Загрузка комбинаций…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No hand combos to display for this node.</source>
        <translation>В этом узле нет комбинаций для показа.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Filter: %1</source>
        <translation>Фильтр: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Clear</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No combos match the current filters.</source>
        <translation>Нет комбинаций, подходящих под текущие фильтры.</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/NodeFiguresBox.qml" line="+67"/>
        <source>Pot</source>
        <translation>Банк</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Stack (%1)</source>
        <translation>Стек (%1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stack</source>
        <translation>Стек</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>To call</source>
        <translation>Для колла</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Rake taken</source>
        <translation>Взятый рейк</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>SPR</source>
        <translation>SPR</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Pot odds</source>
        <translation>Шансы банка</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/NodeLockPanel.qml" line="+146"/>
        <source>Node-Locking</source>
        <translation>Фиксация узла</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Node-locking is only available on decision nodes.</source>
        <translation>Фиксация доступна только в узлах решений.</translation>
    </message>
    <message>
        <location line="-128"/>
        <location line="+220"/>
        <source>Mixed</source>
        <translation>Смешанная</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>freq</source>
        <translation>част.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Reset locks</source>
        <translation>Сбросить фиксацию</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/FileResultsNotice.qml" line="+51"/>
        <location filename="../qml/pages/results/NodeLockPanel.qml" line="+8"/>
        <source>Re-solve</source>
        <translation>Пересчитать</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/NodeLockPanel.qml" line="+11"/>
        <source>Tip: enter frequencies above, then click a hand cell in the matrix to apply the mixed strategy.</source>
        <translation>Совет: введите частоты выше, затем щёлкните по ячейке руки в матрице, чтобы применить смешанную стратегию.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tip: select an action above, then click a hand cell in the matrix to lock it.</source>
        <translation>Совет: выберите действие выше, затем щёлкните по ячейке руки в матрице, чтобы зафиксировать её.</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/PlayHandDetailsPanel.qml" line="-15"/>
        <source>Flop</source>
        <translation>Флоп</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Hands</source>
        <translation>Руки</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Summary</source>
        <translation>Итог</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Winner: %1</source>
        <translation>Победитель: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TIE</source>
        <translation>НИЧЬЯ</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Won: %1   Rake: %2</source>
        <translation>Выигрыш: %1   Рейк: %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>EV lost: %1</source>
        <translation>Потеря EV: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Incorrect: %1</source>
        <translation>Ошибка: %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Correct: %1</source>
        <translation>Верно: %1</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/PlayHandLogPanel.qml" line="+51"/>
        <source>Hand Log</source>
        <translation>Журнал раздач</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 hands</source>
        <translation>Раздач: %1</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/PlayHandLogRow.qml" line="+103"/>
        <source>Perfect</source>
        <translation>Идеально</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/PlayTableStage.qml" line="+68"/>
        <source>Play as OOP</source>
        <translation>Играть за OOP</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Play as both</source>
        <translation>Играть за обоих</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Play as IP</source>
        <translation>Играть за IP</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Click Turn/River to change</source>
        <translation>Щёлкните тёрн/ривер, чтобы сменить</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Deal the river: click its place on the board</source>
        <translation>Сдайте ривер: щёлкните его место на борде</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Deal the turn: click its place on the board</source>
        <translation>Сдайте тёрн: щёлкните его место на борде</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Pot: %1</source>
        <translation>Банк: %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+13"/>
        <source>Stack: %1</source>
        <translation>Стек: %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>No hand could be dealt here: the ranges leave no cards for both players.</source>
        <translation>Здесь не удалось раздать руку: диапазоны не оставляют карт обоим игрокам.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Another hand</source>
        <translation>Новая раздача</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Stop drill</source>
        <translation>Завершить тренировку</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drill spot</source>
        <translation>Тренировать спот</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/PlayTableView.qml" line="+35"/>
        <location filename="../qml/pages/results/ResultsHeader.qml" line="+33"/>
        <source>Play vs. Solution</source>
        <translation>Игра против решения</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Role: %1</source>
        <translation>Роль: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose a role to start</source>
        <translation>Выберите роль, чтобы начать</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Practice needs the solved spot: the project file holds only the nodes that were viewed before it was saved. Re-solve the spot to play against its solution.</source>
        <translation>Для тренировки нужен решённый спот: файл проекта содержит только узлы, просмотренные до сохранения. Пересчитайте спот, чтобы играть против его решения.</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/ResultsHeader.qml" line="+1"/>
        <source>Strategy View</source>
        <translation>Просмотр стратегии</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>%1 to act</source>
        <translation>Ход: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Card to deal</source>
        <translation>Карта к раздаче</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hand over</source>
        <translation>Раздача окончена</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Range view</source>
        <translation>Диапазоны</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play vs solution</source>
        <translation>Игра против решения</translation>
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
        <translation>Эксплуатир.</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/StrategyCard.qml" line="+48"/>
        <source>The re-solved solution differs from the one saved in the project file.</source>
        <translation>Пересчитанное решение отличается от сохранённого в файле проекта.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Action Frequencies</source>
        <translation>Частоты действий</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>The project file holds only the nodes that were viewed before it was saved, and this node is not among them. Re-solve the spot to see every node.</source>
        <translation>Файл проекта содержит только узлы, просмотренные до сохранения, и этого узла среди них нет. Пересчитайте спот, чтобы увидеть все узлы.</translation>
    </message>
    <message>
        <location filename="../qml/pages/results/StrategyMatrixPanel.qml" line="+99"/>
        <source>Strategy by Hand</source>
        <translation>Стратегия по рукам</translation>
    </message>
    <message>
        <location line="+130"/>
        <source>Standard mode</source>
        <translation>Обычный</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Node-lock mode</source>
        <translation>Фиксация</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <location filename="../qml/pages/settings/AppearanceCard.qml" line="+38"/>
        <source>Appearance</source>
        <translation>Внешний вид</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Dark Mode</source>
        <translation>Тёмная тема</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use dark color scheme throughout the interface</source>
        <translation>Использовать тёмную цветовую схему во всём интерфейсе</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change the app language (takes effect immediately)</source>
        <translation>Язык приложения (применяется сразу)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>System default</source>
        <translation>Как в системе</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>Accent Color</source>
        <translation>Цвет акцента</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Customize the app highlight color (buttons, accents, clubs/check).</source>
        <translation>Цвет выделения в приложении (кнопки, акценты, трефы/чек).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <location filename="../qml/pages/settings/LicensesCard.qml" line="+32"/>
        <source>Licenses</source>
        <translation>Лицензии</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Third-party notices and license texts are included in the &apos;licenses&apos; folder next to the executable.</source>
        <translation>Уведомления третьих сторон и тексты лицензий находятся в папке «licenses» рядом с исполняемым файлом.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Open licenses folder</source>
        <translation>Открыть папку лицензий</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Open notices</source>
        <translation>Открыть уведомления</translation>
    </message>
    <message>
        <location filename="../qml/pages/settings/SettingsPage.qml" line="+85"/>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Reset to Defaults</source>
        <translation>Сбросить по умолчанию</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Save Settings</source>
        <translation>Сохранить настройки</translation>
    </message>
    <message>
        <location filename="../qml/pages/settings/UpdatesCard.qml" line="+20"/>
        <source>Current version: %1</source>
        <translation>Текущая версия: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last checked: %1</source>
        <translation>Последняя проверка: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Downloaded</source>
        <translation>Загружено</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Downloading: %1%</source>
        <translation>Загрузка: %1%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Downloading…</source>
        <translation>Загрузка…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Checking...</source>
        <translation>Проверка...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check for updates</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Updating…</source>
        <translation>Обновление…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Install update</source>
        <translation>Установить обновление</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Install update?</source>
        <translation>Установить обновление?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tessaval will close to install the update. Continue?</source>
        <translation>Tessaval будет закрыт для установки обновления. Продолжить?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Updates</source>
        <translation>Обновления</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Update available: %1</source>
        <translation>Доступно обновление: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No updates available.</source>
        <translation>Обновлений нет.</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <location filename="../qml/components/Sidebar.qml" line="+17"/>
        <source>Home</source>
        <translation>Главная</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Overview &amp; quick actions</source>
        <translation>Обзор и быстрые действия</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Setup</source>
        <translation>Проект</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Board, ranges, tree</source>
        <translation>Борд, диапазоны, дерево</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Solve</source>
        <translation>Расчёт</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Run solver</source>
        <translation>Запуск солвера</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Results</source>
        <translation>Результаты</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Browse strategies</source>
        <translation>Просмотр стратегий</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Preferences</source>
        <translation>Параметры</translation>
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
        <translation>Покерный солвер</translation>
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
        <translation>Вычисления</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>CPU threads utilized</source>
        <translation>Задействовано потоков ЦП</translation>
    </message>
    <message>
        <location filename="../qml/pages/solve/SolveConfigCard.qml" line="+59"/>
        <source>Configuration</source>
        <translation>Конфигурация</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Street</source>
        <translation>Улица</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pot / Stack</source>
        <translation>Банк / Стек</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Target</source>
        <translation>Цель</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rake</source>
        <translation>Рейк</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bet sizes</source>
        <translation>Сайзинги</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Options enabled</source>
        <translation>Включённые опции</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Controls</source>
        <translation>Управление</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Solving...</source>
        <translation>Расчёт...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start Solve</source>
        <translation>Начать расчёт</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>View Results →</source>
        <translation>К результатам →</translation>
    </message>
    <message>
        <location filename="../qml/pages/solve/SolvePage.qml" line="-268"/>
        <source>Max, 1 thread</source>
        <translation>Макс., 1 поток</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Max, %1 threads</source>
        <translation>Макс., потоков: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 thread</source>
        <translation>1 поток</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 threads</source>
        <translation>Потоков: %1</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Ready to solve</source>
        <translation>Готово к расчёту</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Starting solver…</source>
        <translation>Запуск солвера…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Initializing…</source>
        <translation>Инициализация…</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Finalizing…</source>
        <translation>Завершение…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Iteration %1 | exploitability=%2</source>
        <translation>Итерация %1 | эксплуатируемость=%2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Finalizing</source>
        <translation>Завершение</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/solve/SolveRecentRunsCard.qml" line="+36"/>
        <source>Running</source>
        <translation>Выполняется</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>OOP: don&apos;t donk on flop</source>
        <translation>OOP: без донка на флопе</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: don&apos;t donk on turn</source>
        <translation>OOP: без донка на тёрне</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: don&apos;t donk on river</source>
        <translation>OOP: без донка на ривере</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: add all-in on flop</source>
        <translation>OOP: олл-ин на флопе</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: add all-in on turn</source>
        <translation>OOP: олл-ин на тёрне</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: add all-in on river</source>
        <translation>OOP: олл-ин на ривере</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP: add all-in on flop</source>
        <translation>IP: олл-ин на флопе</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP: add all-in on turn</source>
        <translation>IP: олл-ин на тёрне</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP: add all-in on river</source>
        <translation>IP: олл-ин на ривере</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OOP: add all-in if jam &lt; %1% pot</source>
        <translation>OOP: олл-ин, если пуш &lt; %1% банка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP: add all-in if jam &lt; %1% pot</source>
        <translation>IP: олл-ин, если пуш &lt; %1% банка</translation>
    </message>
    <message>
        <location line="+30"/>
        <location filename="../qml/pages/solve/SolveRecentRunsCard.qml" line="+160"/>
        <source>Iterations %1 • Target %2% (≈ %3) • Threads %4</source>
        <translation>Итерации %1 • Цель %2% (≈ %3) • Потоки %4</translation>
    </message>
    <message>
        <location line="+247"/>
        <source>Solve</source>
        <translation>Расчёт</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Run the CFR solver and monitor progress in real-time.</source>
        <translation>Запустите CFR-солвер и следите за ходом расчёта в реальном времени.</translation>
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
        <translation>%1% (лимит %2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>F %1/%2 • T %3/%4 • R %5/%6</source>
        <translation>Ф %1/%2 • Т %3/%4 • Р %5/%6</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Window %1/%2</source>
        <translation>Окно %1/%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Iterations: %1</source>
        <translation>Итераций: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Measuring...</source>
        <translation>Измерение...</translation>
    </message>
    <message>
        <location filename="../qml/pages/solve/SolveProgressCard.qml" line="+34"/>
        <source>Progress</source>
        <translation>Ход расчёта</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Solver converged — finalizing results…</source>
        <translation>Солвер сошёлся — завершение результатов…</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Metrics</source>
        <translation>Показатели</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Elapsed</source>
        <translation>Прошло</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Remaining</source>
        <translation>Осталось</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it/s</source>
        <translation>ит/с</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Exploitability</source>
        <translation>Эксплуатируемость</translation>
    </message>
    <message>
        <location filename="../qml/pages/solve/SolveRecentRunsCard.qml" line="-159"/>
        <source>Completed</source>
        <translation>Завершено</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancelled</source>
        <translation>Отменено</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Recent Runs</source>
        <translation>Последние запуски</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>No runs yet — click Start Solve to record a run here.</source>
        <translation>Запусков пока нет — нажмите «Начать расчёт», чтобы запись появилась здесь.</translation>
    </message>
</context>
<context>
    <name>TopBar</name>
    <message>
        <location filename="../qml/components/TopBar.qml" line="+4"/>
        <source>Finalizing</source>
        <translation>Завершение</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Starting</source>
        <translation>Запуск</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Initializing</source>
        <translation>Инициализация</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Solving</source>
        <translation>Расчёт</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Home</source>
        <translation>Главная</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Setup</source>
        <translation>Проект</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>A solve is running: the other pages open when it ends or is cancelled</source>
        <translation>Идёт расчёт: остальные страницы откроются, когда он завершится или будет отменён</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start a new project (or load one) from Home to enable Project</source>
        <translation>Создайте новый проект (или загрузите его) на Главной, чтобы открыть «Проект»</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Solve</source>
        <translation>Расчёт</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Fill board, ranges, and sizings to enable Solve</source>
        <translation>Заполните борд, диапазоны и сайзинги, чтобы открыть «Расчёт»</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>Results</source>
        <translation>Результаты</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Run a solve to enable Results</source>
        <translation>Выполните расчёт, чтобы открыть «Результаты»</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
</context>
<context>
    <name>TreeNode</name>
    <message>
        <location filename="../qml/components/tree_node.js" line="+12"/>
        <location filename="../qml/pages/results/results_actions.js" line="+139"/>
        <source>Bet %1</source>
        <translation>Бет %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/results/results_actions.js" line="+1"/>
        <source>Raise %1</source>
        <translation>Рейз %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../qml/pages/results/results_actions.js" line="+8"/>
        <source>Check</source>
        <translation>Чек</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/results/results_actions.js" line="+1"/>
        <source>Call</source>
        <translation>Колл</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/results/results_actions.js" line="+1"/>
        <source>Fold</source>
        <translation>Фолд</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/results/results_actions.js" line="+1"/>
        <source>All-in</source>
        <translation>Олл-ин</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/results/results_actions.js" line="-5"/>
        <source>Bet</source>
        <translation>Бет</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../qml/pages/results/results_actions.js" line="+1"/>
        <source>Raise</source>
        <translation>Рейз</translation>
    </message>
    <message>
        <location line="+121"/>
        <source>Deal</source>
        <translation>Сдача</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Terminal</source>
        <translation>Конец</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Pot: %1</source>
        <translation>Банк: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Freq: %1%</source>
        <translation>Част.: %1%</translation>
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
        <translation>Адрес обновлений не настроен.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+36"/>
        <source>Update check failed: %1</source>
        <translation>Не удалось проверить обновления: %1</translation>
    </message>
    <message>
        <location line="-35"/>
        <location line="+72"/>
        <source>the address must use HTTPS</source>
        <translation>адрес должен использовать HTTPS</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>Invalid update response (HTTP %1).</source>
        <translation>Недопустимый ответ сервера обновлений (HTTP %1).</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+167"/>
        <source>No download URL available.</source>
        <translation>Нет адреса для загрузки.</translation>
    </message>
    <message>
        <location line="-155"/>
        <location line="+66"/>
        <source>Download failed: %1</source>
        <translation>Ошибка загрузки: %1</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>Failed to create download file.</source>
        <translation>Не удалось создать файл загрузки.</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Failed to finalize download file (HTTP %1).</source>
        <translation>Не удалось завершить загруженный файл (HTTP %1).</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>No downloaded update is ready to install.</source>
        <translation>Нет загруженного обновления, готового к установке.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Downloaded installer file is missing.</source>
        <translation>Загруженный файл установщика отсутствует.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Failed to launch installer.</source>
        <translation>Не удалось запустить установщик.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No update is available.</source>
        <translation>Обновлений нет.</translation>
    </message>
</context>
</TS>
