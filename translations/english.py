#!/usr/bin/env python3
"""Fills translations/quillmark_en.ts with the English texts below.

Run after lupdate has added new source texts (cmake --build build --target
update_translations); a source text with no English here is reported and
left unfinished, so lrelease leaves it Russian.
"""
import pathlib
import sys
import xml.etree.ElementTree as ET

NOTE_RU = ("                        Примечание\n   1. Для создания содержания  \n"
           "необходимо наличие OCR (как минимум \nна страницах содержания)\n"
           "   2. Выравнивание содержания \nработает только для гиперссылок \n"
           "вида прямоугольник и овал\n   3. При выравнивании стиль границ \nостается как есть")
NOTE_EN = ("                        Note\n   1. Creating contents links  \n"
           "needs an OCR text layer (at least \non the contents pages)\n"
           "   2. Contents alignment works \nonly for hyperlinks shaped \n"
           "as rectangles and ovals\n   3. Alignment leaves the border \nstyle as it is")

ENGLISH = {
    'Программа tesseract не найдена: сомнительные номера не перечитаны с изображения страниц':
        'The program tesseract is not found: doubtful numbers were not read again from the page images',
    'Внимание: номера не перечитаны с изображения: %1': 'Warning: numbers not read again from the image: %1',
    'Перечитаны с изображения страниц сомнительные номера: %1, из них исправлено: %2, подтверждено: %3':
        'Doubtful numbers read again from the page images: %1, corrected: %2, confirmed: %3',
    'стр. %1: %2': 'p. %1: %2',
    'Номера сверены с начертанием цифр книги (стр. %1): прочитаны иначе, чем в тексте: %2':
        "Numbers compared with the book's own digit shapes (p. %1): read otherwise than the text: %2",
    'Исправлены номера по тексту страниц: %1 (%2)': 'Numbers corrected by the text of the pages: %1 (%2)',
    'Сомнительные номера, ссылки не созданы: %1 (%2)': 'Doubtful numbers, no links made: %1 (%2)',
    'Страницы без текста прочитаны с изображения: %1 (%2 с)': 'Pages without text read from their images: %1 (%2 s)',
    'Tesseract вывел не таблицу слов': 'Tesseract did not print a table of words',
    'Программа tesseract не найдена: для страниц без текста установите пакеты tesseract-ocr, tesseract-ocr-rus и tesseract-ocr-eng':
        'The program tesseract is not found: for pages without text install the packages tesseract-ocr, tesseract-ocr-rus and tesseract-ocr-eng',
    'Tesseract не запускается': 'Tesseract does not start',
    'У Tesseract нет языка %1: установите пакет tesseract-ocr-%1': 'Tesseract has no language %1: install the package tesseract-ocr-%1',
    'ddjvu не смог отрисовать страницу: %1': 'ddjvu could not render the page: %1',
    'Tesseract не смог прочитать страницу: %1': 'Tesseract could not read the page: %1',
    'страница %1': 'page %1',
    'Скрытый текст (OCR) будет удалён из книг:\n%1\n\nБез резервной копии его не вернуть. Продолжить?':
        'The hidden text (OCR) will be removed from the books:\n%1\n\nWithout a backup it cannot be got back. Go on?',
    'Удалить текст': 'Remove the text',
    'В книгах уже есть закладки:\n%1\n\nЗаменить их закладками из содержания?':
        'The books already have bookmarks:\n%1\n\nReplace them with bookmarks from the contents?',
    'Заменить': 'Replace',
    'Оставить': 'Keep',
    '%1 (закладок: %2)': '%1 (%2 bookmarks)',
    'Страницы': 'Pages',
    'Вид работы': 'Work type',
    '%1: %2': '%1: %2',
    'по номерам книги': 'by the book\'s page numbers',
    'Страницы %1, %2, смещение %3': 'Pages %1, %2, offset %3',
    'Смещение книги %1: %2': 'Offset of the book %1: %2',
    'файл блокировки пуст или повреждён': 'the lock file is empty or damaged',
    'процесс %1 завершён': 'process %1 has ended',
    'процесс %1 запущен позже, чем создана блокировка': 'process %1 started after the lock was made',
    'Снята оставшаяся блокировка %1 (%2)': 'Took over the lock %1 left behind (%2)',
    'Резервная копия: %1': 'Backup: %1',
    'недостаточно места на диске': 'not enough space on the disk',
    'нет прав на запись': 'no permission to write',
    'Документ %1 не сохранён: недостаточно места на диске (нужно %2 байт, свободно %3 байт). Документ не изменён.':
        'Document %1 not saved: not enough space on the disk (%2 bytes needed, %3 bytes free). The document is unchanged.',
    'Документ %1 не изменён: файл защищён от записи': 'Document %1 not changed: the file is write-protected',
    'Не удалось переименовать %1: %2': 'Could not rename %1: %2',
    'Не удалось создать %1: %2': 'Could not create %1: %2',
    'Документ оставлен прежним; проверенная копия с изменениями оставлена в %1, следующий запуск запишет её.':
        'The document is left as it was; the checked copy with the changes is kept in %1, and the next run writes it.',
    'Документ записан не полностью; проверенная копия оставлена в %1, следующий запуск допишет её.':
        'The document is written only in part; the checked copy is kept in %1, and the next run finishes it.',
    'Документ %1: книга изменена после прерванного сохранения: копия оставлена в %2':
        'Document %1: the book was changed after an interrupted save: the copy is kept in %2',
    NOTE_RU: NOTE_EN,
    'Гиперссылки содержания и указателя в DjVu книгах. Названные файлы DjVu добавляются в список вкладки "Создать".':
        'Contents and index hyperlinks in DjVu books. The DjVu files named are added to the list of the "Create" tab.',
    'файлы DjVu': 'DjVu files',
    '[ФАЙЛ...]': '[FILE...]',
    'DjVu файлы': 'DjVu files',
    'Файл %1 не найден': 'File %1 not found',
    'Не удалось открыть файл %1: нет программы для файлов DjVu или она не запускается':
        'Could not open the file %1: there is no application for DjVu files, or it does not start',
    'Другая копия Quillmark уже выполняет задание в папке %1': 'Another copy of Quillmark is running a job in the folder %1',
    'Не удалось создать файл блокировки %1': 'Could not create the lock file %1',
    'Путь': 'Path',
    'Файл': 'File',
    'Quillmark v. 0.73': 'Quillmark v. 0.73',
    'Редактировать': 'Edit',
    'Добавить': 'Add',
    'Исправить': 'Fix',
    'Закрыть по завершению': 'Close when done',
    'Очистить список по завершению': 'Clear the list when done',
    'Создавать резервную копию': 'Make a backup copy',
    'Создать': 'Create',
    'Страницы с': 'Pages from',
    'Страницы с ': 'Pages from ',
    'по': 'to',
    'Тип работы': 'Kind of work',
    'Содержание': 'Contents',
    'Алфавитный указатель 1': 'Alphabetic index 1',
    'Алфавитный указатель 2': 'Alphabetic index 2',
    'Смещение': 'Offset',
    'Плюс': 'Plus',
    'Минус': 'Minus',
    'Делить на 2': 'Divide by 2',
    'Прямоугольник': 'Rectangle',
    'Овал': 'Oval',
    'Тип границы': 'Border type',
    'Не показывать': 'Do not show',
    'По умолчанию': 'Default',
    'Простая граница': 'Plain border',
    'Прямая тень': 'Shadow in',
    'Обратная тень': 'Shadow out',
    'Прямая тень от гравировки': 'Etched shadow in',
    'Обратная тень от гравировки': 'Etched shadow out',
    'Ширина границы': 'Border width',
    'Всегда видно': 'Always visible',
    'Подсветка области': 'Highlight the area',
    'Выровнять содержание': 'Align the contents',
    'Спрашивать когда непонятно': 'Ask when unclear',
    'Удалять OCR': 'Remove OCR',
    'Удалить': 'Remove',
    'Открыть': 'Open',
    'Неверно заданы страницы': 'The pages are set wrongly',
    'Не файлы DjVu, не добавлены:': 'Not DjVu files, not added:',
    'Файл не выбран': 'No file selected',
    'Протокол': 'Log',
    'Протокол — файл %1 из %2': 'Log — file %1 of %2',
    'Внимание': 'Attention',
    'Предыдущая страница - ': 'Previous page - ',
    'Текущая страница - ': 'Current page - ',
    '%1, стр. %2': '%1, page %2',
    'Будем исправлять ?': 'Correct it?',
    'Да': 'Yes',
    'Нет': 'No',
    'Больше не показывать': 'Do not show again',
    'Редактировать установки': 'Edit settings',
    'Файл: ': 'File: ',
    'OK': 'OK',
    'Отмена': 'Cancel',
    # The main window's offset and outline controls.
    'Определить': 'Find',
    'Найти смещение по номерам страниц, напечатанным в книге': 'Find the offset from the page numbers printed in the book',
    'Найти смещение по номерам страниц, напечатанным в книге (файл — выбранная строка списка)':
        'Find the offset from the page numbers printed in the book (the file of the selected row)',
    'По номерам страниц книги': "By the book's page numbers",
    'Каждая ссылка ведёт на страницу, на которой напечатан её номер, и там, где смещение меняется (вклейки); смещение строки не используется':
        "Each link leads to the page that carries its printed number, also where the offset changes (inserts); the row's offset is not used",
    'Содержание (авто)': 'Contents (automatic)',
    'Указатель (авто)': 'Index (automatic)',
    'Книга целиком (авто)': 'Whole book (automatic)',
    '%1–конец': '%1–end',
    'Страницы не похожи на указатель, пропущены: %1': 'Pages that do not look like an index, skipped: %1',
    'Страницы не похожи на содержание, пропущены: %1': 'Pages that do not look like contents, skipped: %1',
    '(%1 список)': '(%1 list)',
    '(%1 списка)': '(%1 lists)',
    '(%1 списков)': '(%1 lists)',
    'Содержание не найдено': 'No contents found',
    'Содержание: стр. %1': 'Contents: pages %1',
    'указатель не найден': 'no index found',
    'указатель: стр. %1': 'index: pages %1',
    'смещение %1': 'offset %1',
    'смещение не найдено': 'no offset found',
    '%1, %2, %3': '%1, %2, %3',
    '%1; создано ссылок: %2': '%1; links made: %2',
    'Найти всё': 'Find all',
    'Найти в книге содержание, указатель и смещение и заполнить ими установки строки: тип «Книга целиком (авто)», страницы от первой найденной до последней':
        'Find the contents, the index and the offset in the book and fill the row\'s settings with them: type "Whole book (auto)", pages from the first found to the last',
    'Найти в книге содержание, указатель и смещение и заполнить ими строку: тип «Книга целиком (авто)», страницы от первой найденной до последней (файл — выбранная строка списка)':
        'Find the contents, the index and the offset in the book and fill the row with them: the type "Whole book (automatic)", the pages from the first found to the last (the file is the selected row of the list)',
    'Выберите в списке файл, содержание и указатель которого нужно найти': 'Select the file in the list whose contents and index are to be found',
    '%1:\n%2': '%1:\n%2',
    'Распознать страницы без текста': 'Read pages without text',
    'Автоматические типы и «Книга целиком» читают страницы без скрытого текста с их изображения (Tesseract)':
        'The automatic types and "Whole book" read pages without hidden text from their images (Tesseract)',
    'Список иллюстраций': 'List of figures',
    'Список таблиц': 'List of tables',
    'Указатель': 'Index',
    '%1 %2 из %3': '%1 %2 of %3',
    ' (основное)': ' (main)',
    'Часть книги': 'Part of the book',
    'не найдено ни содержания, ни указателя': 'found neither contents nor an index',
    'Внимание: в книге нет скрытого текста (OCR): распознайте её или прочитайте страницы с изображения (--ocr)':
        'Warning: the book has no hidden text (OCR): recognise it or read its pages from their images (--ocr)',
    'Внимание: номера страниц книги не прочитаны: на её страницах нет скрытого текста; ссылки не созданы, задайте смещение':
        "Warning: the book's page numbers were not read: its pages have no hidden text; no links made, give the offset",
    'Создать закладки': 'Create bookmarks',
    'Оглавление документа (закладки) из строк содержания, получивших ссылку; прежнее оглавление заменяется':
        "The document's outline (bookmarks) from the contents lines that got a link; the old outline is replaced",
    'Стр. i': 'Page i',
    'Стр. документа для i': 'Document page of i',
    'Страница документа, на которой напечатана страница i; пусто: римские номера не связываются (только для работ «авто»)':
        'The document page that carries printed page i; empty: Roman page numbers are not linked (automatic kinds of work only)',
    'Выберите в списке файл, смещение которого нужно определить': 'Select the file in the list whose offset is to be found',
    'В скрытом тексте книги %1 не найдены номера страниц; смещение не определено':
        'No page numbers were found in the hidden text of the book %1; the offset is not determined',
    'Смещение меняется по книге %1; для страниц после %2 оно %3.\n\n%4\n\nОтметьте «По номерам страниц книги», чтобы каждая ссылка вела на страницу со своим номером.':
        "The offset changes through the book %1; for the pages after %2 it is %3.\n\n%4\n\nCheck \u201cBy the book's page numbers\u201d so that each link leads to the page with its number.",
    # The log of both jobs.
    'Ни один файл не выбран !': 'No file selected!',
    'Получение данных из файла, создание скрипта': 'Reading the file, making the script',
    'Исправление исходного DjVu файла': 'Changing the DjVu file',
    'Операция не завершена по причине ошибки': 'The operation was not finished because of an error',
    'Редактирование файла %1 завершено': 'Editing of the file %1 finished',
    'Пропущено слов с числом длиннее 32 бит: %1 (стр. %2)': 'Words with a number longer than 32 bits skipped: %1 (p. %2)',
    'Ссылок на страницы вне документа не создано: %1 (номера %2%3)':
        'Links to pages outside the document not created: %1 (numbers %2%3)',
    'Создано ссылок: %1 (стр. %2)': 'Links created: %1 (p. %2)',
    'Внимание: ссылки не созданы': 'Attention: no links created',
    'Внимание: на страницах %1 нет скрытого текста (OCR)': 'Attention: pages %1 have no hidden text (OCR)',
    'Страницы без скрытого текста: %1': 'Pages without hidden text: %1',
    'Страницы без найденных записей: %1': 'Pages without entries found: %1',
    'Внимание: страницы %1–%2 за концом документа (в нём %3 стр.)':
        'Attention: pages %1–%2 are past the end of the document (it has %3 pages)',
    'Не обработаны: %1': 'Not processed: %1',
    'Внимание: в документе нет скрытого текста (OCR): сначала распознайте его':
        'Attention: the document has no hidden text (OCR): recognise it first',
    'стр. %1: %2 → %3': 'page %1: %2 → %3',
    'Номера, изменённые в ответ на вопрос: %1 (%2)': 'Numbers changed in answer to the question: %1 (%2)',
    'Начало обработки файла %1': 'Processing the file %1',
    'Нахождение максимальных и минимальных значений координат': 'Finding the smallest and largest coordinates',
    'Исправление скрипта': 'Correcting the script',
    'Возможно в файле отсутствует содержание (гиперссылки)': 'The file may have no contents (hyperlinks)',
    'Возможно путь к файлу содержит русские символы': 'The path to the file may contain Russian characters',
    'Выровнено областей: %1 (страниц: %2)': 'Areas aligned: %1 (pages: %2)',
    'Страницы без выравнивания (не похожи на содержание): %1': 'Pages not aligned (they do not look like contents): %1',
    'Не выровнены ссылки вне страниц: %1': 'Links outside the pages not aligned: %1',
    'Файл %1 не изменён: записывать нечего': 'File %1 not changed: nothing to write',
    'Скрытый текст удалён со страниц: %1': 'Hidden text removed from pages: %1',
    'Скрытый текст будет удалён со страниц: %1': 'Hidden text would be removed from pages: %1',
    'Оглавление книги (%1 закладок) сохранено, закладки не созданы':
        "The book's outline (%1 bookmarks) is kept; no bookmarks made",
    'Оглавление книги (%1 закладок) будет сохранено, закладки не будут созданы':
        "The book's outline (%1 bookmarks) would be kept; no bookmarks would be made",
    'Оглавление (%1 закладок) будет заменено': 'The outline (%1 bookmarks) would be replaced',
    'Создание содержания': 'Creating the contents',
    'Закладки создаются только по содержанию': 'Bookmarks are created from contents only',
    'Закладки не созданы: ни одна строка содержания не получила ссылку':
        'No bookmarks created: no contents line got a link',
    'Создано закладок: %1': 'Bookmarks created: %1',
    'Оглавление (%1 закладок) заменено': 'Outline (%1 bookmarks) replaced',
    'Страницы по номерам книги, смещение: %1': "Pages by the book's numbers, offset: %1",
    'римские номера': 'Roman numbers',
    'нет ссылок': 'no links',
    'Номера, которых нет в книге, ссылки не созданы (%1): %2': 'Numbers the book does not have, no links created (%1): %2',
    'Номера страниц в книге не найдены, смещение по заголовкам глав не определено: ссылки по номерам не созданы': 'No page numbers found in the book, and the chapter titles give no offset: no links by page numbers created',
    'Номера страниц в книге не найдены; смещение %1 найдено по заголовкам глав (%2 из %3 записей содержания)': 'No page numbers found in the book; offset %1 found from the chapter titles (%2 of %3 contents entries)',
    '%1 → стр. %2 (на ней %3)': '%1 → page %2 (which carries %3)',
    'Внимание: смещение %1 не совпадает с номерами страниц книги у %2 из %3 проверенных ссылок, например: %4':
        "Attention: the offset %1 does not match the book's page numbers for %2 of %3 links checked, for example: %4",
    'стр. %1-%2: без номера': 'pages %1-%2: no number',
    'стр. %1-%2: номера %3-%4 (римские)': 'pages %1-%2: numbers %3-%4 (Roman)',
    'стр. %1-%2: номера %3-%4, смещение %5': 'pages %1-%2: numbers %3-%4, offset %5',
    'Прерванное сохранение документа %1 завершено из копии %2':
        'The interrupted saving of the document %1 was finished from the copy %2',
    'Удалена копия %1, оставшаяся от прерванного запуска; документ не был изменён':
        'Removed the copy %1 left by an interrupted run; the document was not changed',
    'Документ %1 был повреждён прерванным сохранением и восстановлен из копии %2':
        'The document %1 was damaged by an interrupted saving and restored from the copy %2',
    'Найдена копия %1 от прерванного сохранения; документ открывается, копия оставлена':
        'Found the copy %1 of an interrupted saving; the document opens, the copy is kept',
    # Errors.
    'Ошибка: %1': 'Error: %1',
    'Неверно заданы страницы: %1': 'The pages are set wrongly: %1',
    'Не удалось создать временную папку': 'Could not create a temporary folder',
    'Не удалось открыть стандартный вывод': 'Could not open the standard output',
    'имя «%1» не в кодировке UTF-8, такой файл не открыть: переименуйте его':
        'the name “%1” is not UTF-8, such a file cannot be opened: rename it',
    'Не удалось вывести результат: %1': 'Could not write the result: %1',
    'Внимание: страница %1 не изменена: в её аннотациях есть строка «.» вне записей, djvused выполнил бы текст после неё как команды':
        'Warning: page %1 is left unchanged: its annotations hold a line "." outside their records, '
        'djvused would run the text after it as commands',
    'Внимание: djvused не может прочитать страницы %1; проверка смещения их пропускает':
        'Warning: djvused cannot read pages %1; the offset check skips them',
    'Внимание: не изменены (их аннотации не читаются как записи): %1':
        'Warning: left unchanged (their annotations do not read as records): %1',
    'Вывод djvused (аннотации) не читается: строка %1': "djvused's output (annotations) does not read: line %1",
    'Выровненный текст аннотаций не совпадает с прочитанным': 'The aligned annotation text does not match the text read',
    'стр. %1': 'p. %1',
    'Неверно задан тип границы': 'The border type is set wrongly',
    'Неверно задан вид работы': 'The kind of work is set wrongly',
    'Неверно задан вид работы: %1': 'The kind of work is set wrongly: %1',
    'Список файлов изменился во время работы: строки %1 больше нет':
        'The list of files changed during the job: row %1 is gone',
    'В списке нет строки %1': 'The list has no row %1',
    'Файл не найден': 'File not found',
    'Файл не найден: %1': 'File not found: %1',
    'Файл djvused.exe не найден': 'The file djvused.exe was not found',
    'Файл %1 не является документом DjVu или повреждён': 'The file %1 is not a DjVu document or is damaged',
    'Части %1 нет ни в нём, ни рядом с ним': 'The part %1 is neither in it nor beside it',
    '%1 не является файлом документа': '%1 is not a document file',
    'Страницы %1–%2 не найдены в документе %3 (в нём %4 стр.)':
        'Pages %1–%2 were not found in the document %3 (it has %4 pages)',
    '%1 в строке %2 (%3): %4': '%1 in row %2 (%3): %4',
    'Первая страница': 'First page',
    'Последняя страница': 'Last page',
    'Форма ссылки': 'Link shape',
    'пустое значение, нужно целое число': 'empty value, a whole number is needed',
    '«%1» не умещается в 32 бита': '\u201c%1\u201d does not fit in 32 bits',
    '«%1» не целое число': '\u201c%1\u201d is not a whole number',
    '«%1» не цвет RRGGBB': '\u201c%1\u201d is not an RRGGBB colour',
    'Скрытый текст не читается (%1, позиция %2: «%3»)': 'The hidden text cannot be read (%1, position %2: \u201c%3\u201d)',
    'нет поля': 'no field',
    'не число': 'not a number',
    'строка без конца': 'unterminated string',
    'зона без конца': 'unterminated zone',
    'слишком глубокая вложенность': 'nested too deeply',
    'нет зоны': 'no zone',
    'неизвестный тип зоны': 'unknown zone type',
    'лишний текст после зоны': 'extra text after the zone',
    'Вывод djvused для страницы %1 неполный или повреждён (%2)': "djvused's output for page %1 is incomplete or damaged (%2)",
    'лишняя страница': 'an extra page',
    'нет размера страницы': 'no page size',
    'непонятная строка': 'an unknown line',
    'блок без конца': 'an unterminated block',
    'страницы не все': 'pages missing',
    'Вывод djvused -e %1 для %2 неполный или повреждён': "djvused's output of -e %1 for %2 is incomplete or damaged",
    'Не удалось создать резервную копию %1: %2': 'Could not make the backup copy %1: %2',
    'Не удалось удалить временный файл %1': 'Could not remove the temporary file %1',
    'Не удалось запустить djvused (%1): %2': 'Could not start djvused (%1): %2',
    'Работа djvused прервана (%1)': 'djvused was interrupted (%1)',
    'djvused завершился аварийно (%1)%2': 'djvused crashed (%1)%2',
    'Ошибка djvused (%1, код %2)%3': 'djvused error (%1, code %2)%3',
    'djvused не сообщил число страниц документа %1': 'djvused did not report the page count of the document %1',
    'В документе %1 есть часть размером %2 байт. djvused не может сохранить документ с частью от 16 МиБ: он записал бы испорченный файл. Документ не изменён.':
        'The document %1 has a part of %2 bytes. djvused cannot save a document with a part of 16 MiB or more: it would write a damaged file. The document is not changed.',
    'После сохранения документ содержит %1 стр. вместо %2': 'After saving, the document has %1 pages instead of %2',
    'После сохранения часть документа занимает %1 байт (16 МиБ и более)':
        'After saving, a part of the document takes %1 bytes (16 MiB or more)',
    'После сохранения djvused не смог прочитать все части документа':
        'After saving, djvused could not read all parts of the document',
    'После сохранения файл %1 не совпадает с собственным оглавлением (%2 байт вместо %3)':
        'After saving, the file %1 does not match its own directory (%2 bytes instead of %3)',
    '%1\nДокумент оставлен без изменений.': '%1\nThe document was left unchanged.',
    'Документ %1 изменён другой программой после того, как был прочитан; изменения не записаны, запустите снова.':
        'The document %1 was changed by another program after it was read; the changes were not written, run again.',
    'Документ %1 изменён другой программой, пока шла работа; изменения не записаны, запустите снова.':
        'The document %1 was changed by another program during the work; the changes were not written, run again.',
    'Документ %1 сейчас обрабатывает другая программа (%2, процесс %3 на %4). Дождитесь её завершения и запустите снова.':
        'Another program is working on the document %1 (%2, process %3 on %4). Wait until it ends and run again.',
    'Не удалось заблокировать документ %1 (файл блокировки %2)': 'Could not lock the document %1 (lock file %2)',
    'Не удалось записать файл %1: %2': 'Could not write the file %1: %2',
    'Не удалось прочитать файл %1: %2': 'Could not read the file %1: %2',
    'Не удалось прочитать %1: %2': 'Could not read %1: %2',
    'Не удалось скопировать %1 в %2: %3': 'Could not copy %1 to %2: %3',
    'Не удалось создать %1': 'Could not create %1',
    'Не удалось создать папку %1': 'Could not create the folder %1',
    'Индекс документа %1 называет файл вне его папки: %2': "The document %1's directory names a file outside its folder: %2",
    # The preview window.
    'Программа ddjvu не найдена (пакет djvulibre-bin)': 'The program ddjvu was not found (package djvulibre-bin)',
    'Страница %1 не отрисована: %2': 'Page %1 was not rendered: %2',
    'Не удалось запустить ddjvu: %1': 'Could not start ddjvu: %1',
    'Просмотр': 'Preview',
    'Стр.': 'Page',
    'Текст': 'Text',
    'Номер': 'Number',
    'Ссылка на': 'Links to',
    'Закладки': 'Bookmarks',
    '◀ Назад': '◀ Back',
    'Предыдущая страница (Page Up)': 'Previous page (Page Up)',
    'Вперёд ▶': 'Forward ▶',
    'Следующая страница (Page Down)': 'Next page (Page Down)',
    '−': '−',
    'Уменьшить (Ctrl+колесо)': 'Zoom out (Ctrl+wheel)',
    '+': '+',
    'Увеличить (Ctrl+колесо)': 'Zoom in (Ctrl+wheel)',
    'По размеру окна': 'Fit to window',
    ' (в документе)': ' (in the document)',
    'Просмотр — %1': 'Preview — %1',
    "<span style='color:%1'>■ новые ссылки</span> <span style='color:%2'>■ в документе</span>":
        "<span style='color:%1'>■ new links</span> <span style='color:%2'>■ in the document</span>",
    "<span style='color:%1'>■ до выравнивания</span> <span style='color:%2'>■ после</span>":
        "<span style='color:%1'>■ before alignment</span> <span style='color:%2'>■ after</span>",
    'Чтение документа…': 'Reading the document…',
    'нет текста под областью': 'no text under the area',
    'Скрытый текст стр. %1 не прочитан: %2': 'The hidden text of page %1 was not read: %2',
    'Нет страниц': 'No pages',
    'Стр. %1 (%2 из %3)': 'Page %1 (%2 of %3)',
    'Страница %1 не отрисована: ddjvu выдал не картинку': 'Page %1 was not rendered: ddjvu gave no picture',
    'Аннотации документа %1 не распознаны': 'The annotations of the document %1 were not recognised',
    'Просмотр: страницы выбранной строки со ссылками, которые она создаст (ничего не записывается)':
        'Preview: the pages of the selected row with the links it will make (nothing is written)',
    'Страницы книги названы, ссылки ведут на имена страниц':
        "The book's pages carry titles: the links name their pages by their ids",
    'Страницы книги названы, но имя страницы %1 («%2») совпадает с названием или номером другой страницы: ссылки ведут на номера страниц':
        "The book's pages carry titles, but the id of page %1 (“%2”) is the title or the number of another page: the links name their pages by number",
    'Страницы книги названы, но их имена в списке djvused читаются неоднозначно: ссылки ведут на номера страниц':
        "The book's pages carry titles, but djvused lists their ids ambiguously: the links name their pages by number",
    '«%1»: такой страницы нет': '“%1”: no such page',
    ' («%1» ведёт не на стр. %2)': ' (“%1” does not open page %2)',
    ' (в разных программах просмотра по-разному)': ' (viewers differ)',
}


def main():
    path = pathlib.Path(__file__).with_name('quillmark_en.ts')
    tree = ET.parse(path)
    missing = []
    for message in tree.iter('message'):
        source = message.find('source').text or ''
        translation = message.find('translation')
        english = ENGLISH.get(source)
        if english is None:
            missing.append(source)
            translation.set('type', 'unfinished')
            continue
        translation.text = english
        translation.attrib.pop('type', None)
    tree.write(path, encoding='utf-8', xml_declaration=True)
    for source in missing:
        print('no English for: %r' % source, file=sys.stderr)
    return 1 if missing else 0


if __name__ == '__main__':
    sys.exit(main())
